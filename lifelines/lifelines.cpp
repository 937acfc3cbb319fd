// The three lifeline pictures of the board and the computer's 50:50.
#include "game/form1.h"

#include "game/game.h"

void Board::Image2_Click() {}
void Board::Image3_Click() {}
void Board::Image4_Click() {}
void Board::Timer13_Timer() {}
void Board::computer() {}
