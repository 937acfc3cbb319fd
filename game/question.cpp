// Drawing a question from the level's pool and placing its four answers on the board.
#include "game/form1.h"

#include "game/game.h"

void Board::domanda1() {}
void Board::domanda2() {}
void Board::domanda3() {}
void Board::domanda4() {}
void Board::domanda5() {}
void Board::domanda6() {}
void Board::domanda7() {}
void Board::domanda8() {}
void Board::domanda9() {}
void Board::domanda10() {}
void Board::domanda11() {}
void Board::domanda12() {}
void Board::domanda13() {}
void Board::domanda14() {}
void Board::domanda15() {}
void Board::Timer5_Timer() {}
