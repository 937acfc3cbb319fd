// How a game ends: a wrong answer, walking away, and the closing of the board.
#include "game/form1.h"

#include "game/game.h"

void Board::Label5_Click() {}
void Board::Timer10_Timer() {}
void Board::Timer15_Timer() {}
void Board::Timer12_Timer() {}
void Board::Timer11_Timer() {}
