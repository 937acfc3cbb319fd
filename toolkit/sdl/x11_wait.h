// Waiting for the X server with the kernel's own precision. SDL's wait counts in whole
// milliseconds, so a tick would need a second, finer sleep after it; on X11 the loop waits on
// the connection itself, once, to the microsecond.
//
// A request to stop (SIGINT, SIGTERM) is let in only during that wait: one that comes while the
// show runs a step waits for it, and ends it at once, instead of slipping in just before it.
#pragma once

#include <SDL2/SDL.h>

#include <csignal>
#include <optional>

struct _XDisplay;

namespace tk::sdl {

class X11Wait {
public:
    // The connection of a window's display; ok() is false when the window is not on X11.
    explicit X11Wait(SDL_Window* window);
    ~X11Wait();
    X11Wait(const X11Wait&) = delete;
    X11Wait& operator=(const X11Wait&) = delete;
    bool ok() const { return fd_ >= 0; }
    // Sends the requests still queued for the server.
    void flush();
    // Sleeps until the server has sent something, a signal came or `ms` have passed (no time:
    // no limit). True when there is input to read.
    bool wait(std::optional<double> ms);

private:
    _XDisplay* display_ = nullptr;
    int fd_ = -1;
    sigset_t before_ {}; // the signal mask as it was
    sigset_t waiting_ {}; // the mask while waiting: the requests to stop let in
};

} // namespace tk::sdl
