// The player chooses an answer; the host nudges a player who hesitates.
#include "game/form1.h"

#include "game/game.h"

void Board::Label6_Click(int) {}
void Board::Timer6_Timer() {}
