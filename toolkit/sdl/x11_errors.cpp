#include "toolkit/sdl/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace tk::sdl {

namespace {

XErrorHandler g_previous = nullptr;

int on_x_error(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow && error->request_code == X_SendEvent)
        return 0;
    return g_previous ? g_previous(display, error) : 0;
}

} // namespace

void tolerate_messages_to_closed_windows()
{
    static bool installed = [] {
        g_previous = XSetErrorHandler(on_x_error);
        return true;
    }();
    (void)installed;
}

} // namespace tk::sdl
