// Dialogs as an X window manager knows them.
#pragma once

#include <SDL2/SDL.h>

namespace tk::sdl {

// Tells the window manager that a window, not yet shown, is a dialog that moves and closes and
// does nothing else; with its owner set (SDL_SetWindowModalFor) it stays in front of that owner.
// Nothing happens on other video drivers.
void mark_as_dialog(SDL_Window* window);

// Asks the window manager to bring a window back from the task bar and in front (a dialog that
// was minimised on its own). Nothing happens on other video drivers.
void bring_back(SDL_Window* window);

} // namespace tk::sdl
