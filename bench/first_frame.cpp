// Process start to first frame, seen from outside as a player sees it: starts a program, waits
// for its window to be mapped on the X display, then reads one pixel of that window until it
// shows the expected colour. Prints the milliseconds from the fork to that moment, then ends the
// program (SIGTERM, which SDL turns into a quit).
//
//   first_frame RRGGBB X Y PROGRAM [ARGS...]     (X, Y: a pixel of the window's client area)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int ignore_errors(Display*, XErrorEvent*)
{
    return 0;
}

std::optional<long> pid_of(Display* d, Window w)
{
    Atom pid_atom = XInternAtom(d, "_NET_WM_PID", True);
    if (pid_atom == None)
        return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) == Success
        && data && items == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

std::optional<unsigned long> pixel(Display* d, Window w, int x, int y)
{
    XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    unsigned long p = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: first_frame RRGGBB X Y PROGRAM [ARGS...]\n");
        return 2;
    }
    unsigned long want = std::strtoul(argv[1], nullptr, 16);
    int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "first_frame: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    Window root = DefaultRootWindow(d);
    // Without a window manager, a new window first shows whatever the screen had there: clear it,
    // so that what an earlier run left behind cannot pass for the first frame.
    XSetWindowBackground(d, root, BlackPixel(d, DefaultScreen(d)));
    XClearWindow(d, root);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    Clock::time_point start = Clock::now();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    auto elapsed = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    auto give_up = [&](const char* why) {
        std::fprintf(stderr, "first_frame: %s\n", why);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    };

    // The program's window as soon as it is mapped (SDL may replace its first window with another
    // one: the last one mapped counts), then its pixel until it turns to the colour drawn there.
    Window window = 0;
    double shown = -1;
    while (shown < 0) {
        if (elapsed() > 10000)
            return give_up(window ? "the window never showed the expected colour" : "no window within 10 s");
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect) {
                std::optional<long> pid = pid_of(d, e.xmap.window);
                if (!pid || *pid == child)
                    window = e.xmap.window;
            }
        }
        if (window) {
            if (auto p = pixel(d, window, x, y); p && *p == want) {
                shown = elapsed();
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::printf("%.3f\n", shown);
    std::fflush(stdout);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(d);
    return 0;
}
