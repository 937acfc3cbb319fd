#include "toolkit/sdl/x11_wait.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>

#include <cmath>
#include <poll.h>
#include <pthread.h>

namespace tk::sdl {

X11Wait::X11Wait(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    display_ = info.info.x11.display;
    fd_ = ConnectionNumber(display_);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, &before_);
    waiting_ = before_;
    sigdelset(&waiting_, SIGINT);
    sigdelset(&waiting_, SIGTERM);
}

X11Wait::~X11Wait()
{
    if (ok())
        pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

void X11Wait::flush()
{
    XFlush(display_);
}

bool X11Wait::wait(std::optional<double> ms)
{
    // Events already read from the connection (a reply waited for may bring some along, and
    // leave them with xcb rather than Xlib) are not on it any more: they count as input at once.
    // (SDL sends its requests as it makes them, and the backend after its own.)
    if (XEventsQueued(display_, QueuedAfterReading) > 0)
        return true;
    if (ms && *ms <= 0)
        return false;
    timespec timeout {};
    if (ms) {
        double whole = std::floor(*ms / 1000);
        timeout = timespec {static_cast<time_t>(whole), static_cast<long>((*ms - whole * 1000) * 1e6)};
    }
    // A signal ends the wait too (-1): SDL turns a request to stop into its quit event when it
    // next reads its input.
    pollfd connection {fd_, POLLIN, 0};
    return ppoll(&connection, 1, ms ? &timeout : nullptr, &waiting_) != 0;
}

} // namespace tk::sdl
