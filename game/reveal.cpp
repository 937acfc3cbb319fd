// The verdict: a right answer climbs one rung, a wrong one names the right letter.
#include "game/form1.h"

#include "game/game.h"

void Board::Timer7_Timer() {}
void Board::Timer8_Timer() {}
void Board::Timer9_Timer() {}
