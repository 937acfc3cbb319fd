// The walk-away confirmation: "SI" clears the question and starts the walk-away ending,
// "NO" returns to the question.
#include "windows/form2.h"

#include "game/game.h"

void WalkAway::Form_Load() {}
void WalkAway::Timer1_Timer() {}
void WalkAway::Label2_Click() { Unload(); }
void WalkAway::Label3_Click() { Unload(); }
