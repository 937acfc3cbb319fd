// The host between questions: the lifeline reminder, the lead-in, the value line, the question.
#include "game/form1.h"

#include "game/game.h"

void Board::Timer4_Timer() {}
