#include "tests/real_window.h"

#include "game/game.h"
#include "toolkit/geometry.h"
#include "toolkit/inspect.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace real_window {

std::string run(const std::string& command)
{
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

pid_t start_game(const Launch& how)
{
    // The real video driver, whatever the tests around were told.
    std::vector<std::string> unset = how.unset;
    unset.push_back("SDL_VIDEODRIVER");
    auto named = [](const std::string& entry, const std::string& name) {
        return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 && entry[name.size()] == '=';
    };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        bool drop = false;
        for (const std::string& name : unset)
            drop = drop || named(entry, name);
        for (const std::string& set : how.set)
            drop = drop || named(entry, set.substr(0, set.find('=')));
        if (!drop)
            env.push_back(entry);
    }
    env.insert(env.end(), how.set.begin(), how.set.end());
    std::vector<char*> envp;
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!how.stderr_file.empty())
        posix_spawn_file_actions_addopen(&actions, 2, how.stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::string path = RUVANTIA_BINARY_DIR "/ruvantia";
    std::vector<std::string> args = how.args;
    std::vector<char*> argv {path.data()};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

Reaper::~Reaper()
{
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

namespace {

int& live_screens()
{
    static int n = 0;
    return n;
}

std::optional<std::string>& outer_display()
{
    static std::optional<std::string> display;
    return display;
}

} // namespace

bool xvfb_available()
{
    return !run("command -v Xvfb").empty() && !run("command -v xdotool").empty() && !run("command -v import").empty();
}

Screen::Screen(int width, int height)
    : width_(width)
    , height_(height)
{
    // Xvfb picks a free display itself and writes its number down once it takes connections.
    int fds[2];
    if (pipe(fds) != 0)
        return;
    std::string fd = std::to_string(fds[1]);
    std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
    std::vector<std::string> args = {"Xvfb", "-displayfd", fd, "-screen", "0", size, "-nolisten", "tcp", "-noreset"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int failed = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed) {
        pid_ = -1;
        close(fds[0]);
        return;
    }
    std::string number;
    pollfd p {fds[0], POLLIN, 0};
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end && poll(&p, 1, 100) >= 0) {
        char c = 0;
        if ((p.revents & (POLLIN | POLLHUP)) == 0)
            continue;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        shut_down();
        return;
    }
    display_ = ":" + number;
    if (live_screens()++ == 0) {
        const char* d = std::getenv("DISPLAY");
        outer_display() = d ? std::optional<std::string>(d) : std::nullopt;
    }
    use();
}

Screen::~Screen()
{
    shut_down();
    // The last one gone gives the tests their own display back.
    if (!display_.empty() && --live_screens() == 0) {
        if (outer_display())
            setenv("DISPLAY", outer_display()->c_str(), 1);
        else
            unsetenv("DISPLAY");
    }
}

void Screen::use() const
{
    if (!display_.empty())
        setenv("DISPLAY", display_.c_str(), 1);
}

bool Screen::start_window_manager()
{
    if (display_.empty() || run("command -v openbox").empty())
        return false;
    use();
    char arg0[] = "openbox", arg1[] = "--sm-disable";
    char* argv[] = {arg0, arg1, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int failed = posix_spawnp(&manager_, "openbox", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        manager_ = -1;
        return false;
    }
    // It is ready once it names itself on the root window.
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        if (run("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null").find("window id") != std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void Screen::shut_down()
{
    if (manager_ > 0) {
        kill(manager_, SIGTERM);
        waitpid(manager_, nullptr, 0);
        manager_ = -1;
    }
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool close_window(const std::string& window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XEvent e {};
    e.xclient.type = ClientMessage;
    e.xclient.window = static_cast<Window>(std::strtoul(window.c_str(), nullptr, 10));
    e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    Status sent = XSendEvent(display, e.xclient.window, False, NoEventMask, &e);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0;
}

bool window_gone(pid_t pid, const std::string& name, int timeout_ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    do {
        if (!find_window(pid, name, 1))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

bool screenshot(const std::string& path)
{
    return run("import -window root '" + path + "' 2>/dev/null && echo ok").find("ok") != std::string::npos;
}

std::optional<std::string> find_window(pid_t pid, const std::string& name, int timeout_ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (std::chrono::steady_clock::now() < end) {
        std::string out = run("xdotool search --all --onlyvisible --pid " + std::to_string(pid) + " --name '" + name
            + "' 2>/dev/null | head -1");
        if (!out.empty() && out.back() == '\n')
            out.pop_back();
        if (!out.empty())
            return out;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

Geometry window_geometry(const std::string& window)
{
    // xwininfo's absolute corner is right under a window manager too, which puts the window in
    // a frame of its own (xdotool then adds the frame's offset once more). A window that has just
    // closed is no error worth printing: the caller sees it is gone.
    std::string out = run("xwininfo -id " + window + " 2>/dev/null");
    Geometry g;
    std::istringstream in(out);
    std::string line;
    auto value = [&](const char* name, int& to) {
        if (std::size_t at = line.find(name); at != std::string::npos)
            to = std::atoi(line.c_str() + at + std::strlen(name));
    };
    while (std::getline(in, line)) {
        value("Absolute upper-left X:", g.x);
        value("Absolute upper-left Y:", g.y);
        value("Width:", g.w);
        value("Height:", g.h);
    }
    return g;
}

tk::Form& design(std::string_view name)
{
    static tk::ManualClock clock;
    static tk::Random random;
    static Game game(clock, random);
    if (tk::Form* form = game.runtime.form(name))
        return *form;
    throw std::invalid_argument("no window " + std::string(name));
}

namespace {

// Where a place lies in a window of the given size, in pixels from its corner.
std::pair<int, int> to_pixels(const Place& at, const Geometry& g)
{
    tk::Form& form = design(at.form);
    int r[4] = {0, 0, form.design().ClientWidth, form.design().ClientHeight};
    if (!at.control.empty()) {
        int* to = r;
        for (const char* side : {"Left", "Top", "Width", "Height"}) {
            auto v = tk::read_property(form, at.control, at.index, side);
            if (!v)
                throw std::invalid_argument(std::string(at.control) + " is no control of " + std::string(at.form));
            *to++ = std::stoi(*v);
        }
    }
    tk::PixelRect p = tk::fit(form.design(), g.w, g.h).rect(r[0], r[1], r[2], r[3]);
    return {
        p.x + static_cast<int>(std::lround(at.fx * (p.w - 1))), p.y + static_cast<int>(std::lround(at.fy * (p.h - 1)))};
}

} // namespace

void click(const std::string& window, const Place& at)
{
    auto [px, py] = to_pixels(at, window_geometry(window));
    run("xdotool mousemove --window " + window + " " + std::to_string(px) + " " + std::to_string(py)
        + " click 1 2>/dev/null");
}

long pixel(const std::string& window, const Place& at)
{
    // The screen is read rather than the window: with no window manager the window's own
    // contents cannot be grabbed.
    Geometry g = window_geometry(window);
    auto [px, py] = to_pixels(at, g);
    std::string out = run("import -window root -crop 1x1+" + std::to_string(g.x + px) + "+" + std::to_string(g.y + py)
        + " -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\\{6\\}' | head -1");
    if (out.size() < 7)
        return -1;
    return std::strtol(out.c_str() + 1, nullptr, 16);
}

std::optional<int> wait_exit(pid_t pid, int timeout_ms, int* signal)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            if (signal && WIFSIGNALED(status))
                *signal = WTERMSIG(status);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

} // namespace real_window
