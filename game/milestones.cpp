// The two milestones and the million.
#include "game/form1.h"

#include "game/game.h"

void Board::Timer14_Timer() {}
void Board::Timer16_Timer() {}
