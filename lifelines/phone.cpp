// The friend at home: which letter they name, and how sure they sound.
#include "lifelines/form4.h"

#include "game/game.h"

void PhoneFriend::Form_Load() {}
void PhoneFriend::indlet() {}
void PhoneFriend::Timer1_Timer() {}
void PhoneFriend::Label2_Click() { Unload(); }
