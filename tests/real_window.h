// Driving the real program in a real window (under Xvfb): start it, find its windows, click them
// with xdotool, look at them with ImageMagick, and see how it ends.
#pragma once

#include "toolkit/form.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace real_window {

// How to start the game: variables of its environment set ("NAME=value") or taken away
// ("NAME"), and a file for its error output (empty: the test's own).
struct Launch {
    std::vector<std::string> set;
    std::vector<std::string> unset;
    std::string stderr_file;
    std::vector<std::string> args; // its command line
};
// Starts the built game with the real SDL video driver. Returns its pid.
pid_t start_game(const Launch& how = {});

// A started game, killed if the test ends before the game does.
struct Reaper {
    pid_t pid = -1;
    ~Reaper();
};

// Whether a private X server can be started here (Xvfb, xdotool and ImageMagick are installed).
bool xvfb_available();

// A private X server (Xvfb) of a given size for one test: the game and the tools run on it
// alone, so no other test's windows can cover it or take its clicks. While it lives it is the
// display of the game and of the tools; switch between several with use().
class Screen {
public:
    Screen(int width, int height);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool ok() const { return !display_.empty(); }
    const std::string& display() const { return display_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Makes this the display that the game and the tools use from now on.
    void use() const;
    // Starts a window manager (openbox) on this display, as a desktop has; false when it cannot.
    bool start_window_manager();
    // The server goes away, as when the desktop session ends under the game.
    void shut_down();

private:
    pid_t pid_ = -1;
    pid_t manager_ = -1;
    std::string display_;
    int width_, height_;
};

// Where a window is on the screen, in pixels.
struct Geometry {
    int x = 0, y = 0, w = 0, h = 0;
};
Geometry window_geometry(const std::string& window);

// Asks a window to close, as its title bar's close button does: the window manager's
// WM_DELETE_WINDOW message (there is no window manager under Xvfb to send it).
bool close_window(const std::string& window);

// Waits until the process has no visible window whose title contains name.
bool window_gone(pid_t pid, const std::string& name, int timeout_ms = 5000);

// The whole screen as a PNG file.
bool screenshot(const std::string& path);

// The X window id of the process's visible window whose title contains name, waiting up to timeout_ms.
std::optional<std::string> find_window(pid_t pid, const std::string& name, int timeout_ms = 5000);

// A place on one of the show's windows, named as its design names it: a control of a form at
// fractions of its rectangle (0.5 its middle, 0 and 1 its first and last pixel across or down),
// or, with no control, of the whole client area.
struct Place {
    std::string_view form; // "Form1" (the board) to "Form6"
    std::string_view control;
    int index = -1;
    double fx = 0.5, fy = 0.5;
};

// The show's windows as designed, by name: their client sizes and their controls.
tk::Form& design(std::string_view form);

// A click at a place of a window (the client area is scaled to the window and centred).
void click(const std::string& window, const Place& at);

// The window's pixel at a place, as 0xRRGGBB (-1 when it cannot be read).
long pixel(const std::string& window, const Place& at);

// Clicks a place of a window every 300 ms until done() holds or the time is up; whether it held.
template <typename Done>
bool click_until(const std::string& window, const Place& at, Done done, std::chrono::seconds limit)
{
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done())
            return true;
        click(window, at);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    return done();
}

// Waits for the process to end; its exit status, or nothing after timeout_ms (or if it died
// of a signal: then the signal number is stored in *signal).
std::optional<int> wait_exit(pid_t pid, int timeout_ms, int* signal = nullptr);

// Runs a shell command and returns its standard output.
std::string run(const std::string& command);

} // namespace real_window
