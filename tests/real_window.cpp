#include "tests/real_window.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sstream>
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

bool available()
{
    return std::getenv("DISPLAY") && !run("command -v xdotool").empty() && !run("command -v import").empty();
}

pid_t start_game()
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("SDL_VIDEODRIVER=", 0) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string path = RUVANTIA_BINARY_DIR "/ruvantia";
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    return pid;
}

std::optional<std::string> find_window(pid_t pid, const std::string& name, int timeout_ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (std::chrono::steady_clock::now() < end) {
        std::string out = run("xdotool search --all --onlyvisible --pid " + std::to_string(pid) + " --name '" + name +
                              "' 2>/dev/null | head -1");
        if (!out.empty() && out.back() == '\n')
            out.pop_back();
        if (!out.empty())
            return out;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

namespace {

struct Geometry {
    int x = 0, y = 0, w = 0, h = 0;
};

Geometry geometry(const std::string& window)
{
    std::string out = run("xdotool getwindowgeometry --shell " + window);
    Geometry g;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("X=", 0) == 0)
            g.x = std::atoi(line.c_str() + 2);
        if (line.rfind("Y=", 0) == 0)
            g.y = std::atoi(line.c_str() + 2);
        if (line.rfind("WIDTH=", 0) == 0)
            g.w = std::atoi(line.c_str() + 6);
        if (line.rfind("HEIGHT=", 0) == 0)
            g.h = std::atoi(line.c_str() + 7);
    }
    return g;
}

// Where a point of the client area (twips) lies in the window, in pixels.
std::pair<int, int> to_pixels(const std::string& window, int client_w, int client_h, int x, int y)
{
    Geometry g = geometry(window);
    double s = std::min(g.w / (client_w / 15.0), g.h / (client_h / 15.0));
    double ox = (g.w - client_w / 15.0 * s) / 2, oy = (g.h - client_h / 15.0 * s) / 2;
    return {static_cast<int>(std::lround(ox + x * s / 15.0)), static_cast<int>(std::lround(oy + y * s / 15.0))};
}

} // namespace

void click_twips(const std::string& window, int client_w, int client_h, int x, int y)
{
    auto [px, py] = to_pixels(window, client_w, client_h, x, y);
    run("xdotool mousemove --window " + window + " " + std::to_string(px) + " " + std::to_string(py) +
        " click 1");
}

long pixel_twips(const std::string& window, int client_w, int client_h, int x, int y)
{
    // The screen is read rather than the window: with no window manager the window's own
    // contents cannot be grabbed.
    auto [px, py] = to_pixels(window, client_w, client_h, x, y);
    Geometry g = geometry(window);
    std::string out = run("import -window root -crop 1x1+" + std::to_string(g.x + px) + "+" + std::to_string(g.y + py) +
                          " -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\\{6\\}' | head -1");
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
