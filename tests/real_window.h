// Driving the real program in a real window (under Xvfb): start it, find its windows, click them
// with xdotool, look at them with ImageMagick, and see how it ends.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace real_window {

// Whether a display and the tools are there; tests skip themselves otherwise.
bool available();

// Starts the built game with the real SDL video driver. Returns its pid.
pid_t start_game();

// The X window id of the process's visible window whose title contains name, waiting up to timeout_ms.
std::optional<std::string> find_window(pid_t pid, const std::string& name, int timeout_ms = 5000);

// A click at a point of a window's client area given in twips, for a client area of the given
// size in twips (the board is scaled to the window and centred).
void click_twips(const std::string& window, int client_w, int client_h, int x, int y);

// The window's pixel at a point given in twips, as 0xRRGGBB (-1 when it cannot be read).
long pixel_twips(const std::string& window, int client_w, int client_h, int x, int y);

// Waits for the process to end; its exit status, or nothing after timeout_ms (or if it died
// of a signal: then the signal number is stored in *signal).
std::optional<int> wait_exit(pid_t pid, int timeout_ms, int* signal = nullptr);

// Runs a shell command and returns its standard output.
std::string run(const std::string& command);

} // namespace real_window
