#include "toolkit/sdl/x11_dialog.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tk::sdl {

namespace {

bool x11_window(SDL_Window* window, SDL_SysWMinfo& info)
{
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

} // namespace

void mark_as_dialog(SDL_Window* window)
{
    SDL_SysWMinfo info;
    if (!x11_window(window, info))
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

// The request goes to the window manager, which handles it after whatever it is doing to the
// window: a restore asked of the window itself could come while the window manager is still
// half-way through minimising it, and be lost.
void bring_back(SDL_Window* window)
{
    SDL_SysWMinfo info;
    if (!x11_window(window, info))
        return;
    ::Display* display = info.info.x11.display;
    XEvent e {};
    e.xclient.type = ClientMessage;
    e.xclient.window = info.info.x11.window;
    e.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2; // asked on the player's behalf, as a task bar would
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(display);
}

} // namespace tk::sdl
