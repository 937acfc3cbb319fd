#include "toolkit/sdl/x11_dialog.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tk::sdl {

void mark_as_dialog(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    ::Display* display = info.info.x11.display;
    Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    Atom dialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(display, info.info.x11.window, type, XA_ATOM, 32, PropModeReplace,
        reinterpret_cast<unsigned char*>(&dialog), 1);
    // The functions a dialog offers: moving and closing, nothing else (the Motif hints, which
    // window managers read for the buttons of a title bar).
    constexpr unsigned long kFunctions = 1, kDecorations = 2;
    constexpr unsigned long kMove = 4, kClose = 32;
    constexpr unsigned long kBorder = 2, kTitle = 8, kMenu = 16;
    unsigned long hints[5] = {kFunctions | kDecorations, kMove | kClose, kBorder | kTitle | kMenu, 0, 0};
    Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(
        display, info.info.x11.window, motif, motif, 32, PropModeReplace, reinterpret_cast<unsigned char*>(hints), 5);
}

} // namespace tk::sdl
