// The studio audience's poll: the shares of the four answers and the rising bars.
#include "lifelines/form5.h"

#include "game/game.h"

void AudiencePoll::Form_Load() {}
void AudiencePoll::dddd() {}
void AudiencePoll::Timer1_Timer() {}
void AudiencePoll::Label10_Click() { Unload(); }
