// A show recorded on the real desktop and played again: `ruvantia --registra`, clicked with
// xdotool to the goodbye screen (a lifeline's window closed from its title bar on the way), or
// stopped halfway by SIGTERM, writes a recording that simulate replays to the very trace the real
// show made; `ruvantia --rivedi` plays it again in real windows by itself, to the goodbye screen,
// and its board at the first question looks as simulate draws it. About a minute and a half.
#include "tests/real_window.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Waits for a line of the real show's trace (the game writes it line by line for the tests).
bool traced(const std::string& trace, const std::string& pattern, std::chrono::seconds limit = 60s)
{
    std::regex re(pattern);
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::istringstream lines(slurp(trace));
        for (std::string line; std::getline(lines, line);)
            if (std::regex_search(line, re))
                return true;
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

// One show in its windows.
struct Show : real_window::Reaper {
    std::string trace;

    Show(const std::string& dir, const std::string& name, std::vector<std::string> args)
        : trace(dir + "/" + name + ".trace")
    {
        fs::remove(trace); // a trace left by an earlier run would answer for this one
        pid = real_window::start_game({{"RUVANTIA_TRACE=" + trace}, {}, dir + "/" + name + ".err", std::move(args)});
    }
    // A click on a window that is open.
    void click(const char* title, const real_window::Place& at)
    {
        auto window = real_window::find_window(pid, title);
        ASSERT_TRUE(window) << title;
        real_window::click(*window, at);
    }
};

std::string simulated(const std::string& args)
{
    return real_window::run("SDL_VIDEODRIVER=offscreen " RUVANTIA_BINARY_DIR "/simulate " + args);
}

TEST(RealRecordingTest, ARecordedShowReplaysToTheSameTraceInSimulateAndInItsWindows)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(1280, 1024); // the board at scale 1, as simulate draws it
    ASSERT_TRUE(screen.ok());
    const std::string dir = std::string(RUVANTIA_BINARY_DIR) + "/tests/recordings";
    fs::create_directories(dir);
    const std::string whole = dir + "/whole.txt", halfway = dir + "/halfway.txt";
    fs::remove(whole);
    fs::remove(halfway);
    real_window::run("xdotool mousemove 0 0");

    // The whole show: the friend on the phone, the window closed from its title bar, a walk-away.
    {
        Show s(dir, "whole", {"--registra", whole});
        ASSERT_TRUE(traced(s.trace, " Form1 show$", 10s));
        s.click("RUVANTIA", {"Form1", "Image1"});
        ASSERT_TRUE(traced(s.trace, " Form1\\.Timer6\\.Enabled true$")) << "the first question never came";
        std::this_thread::sleep_for(3s); // a still board to look at when it is replayed
        s.click("RUVANTIA", {"Form1", "Image3"});
        ASSERT_TRUE(traced(s.trace, " Form4\\.Timer1\\.Enabled false$", 10s));
        auto phone = real_window::find_window(s.pid, "AIUTO DA CASA");
        ASSERT_TRUE(phone && real_window::close_window(*phone));
        ASSERT_TRUE(traced(s.trace, " Form4 unload$", 5s));
        s.click("RUVANTIA", {"Form1", "Label5"});
        ASSERT_TRUE(traced(s.trace, " Form2\\.Label3\\.Visible true$", 10s));
        s.click("Vuoi veramente", {"Form2", "Label2"});
        ASSERT_TRUE(real_window::find_window(s.pid, "CIAO", 60000)) << "no goodbye screen";
        EXPECT_EQ(real_window::wait_exit(s.pid, 60000), 0) << slurp(dir + "/whole.err");
        s.pid = -1;
        ASSERT_TRUE(fs::exists(whole)) << slurp(dir + "/whole.err");
        EXPECT_EQ(simulated("--replay " + whole + " --trace"), slurp(s.trace));
    }

    // Stopped halfway: the recording ends where the show was interrupted, and replays to there.
    {
        Show s(dir, "halfway", {"--registra", halfway});
        ASSERT_TRUE(traced(s.trace, " Form1 show$", 10s));
        s.click("RUVANTIA", {"Form1", "Image1"});
        ASSERT_TRUE(traced(s.trace, " Form1\\.Timer1\\.Enabled true$"));
        kill(s.pid, SIGTERM);
        EXPECT_EQ(real_window::wait_exit(s.pid, 10000), 0) << slurp(dir + "/halfway.err");
        s.pid = -1;
        ASSERT_TRUE(fs::exists(halfway));
        EXPECT_NE(slurp(halfway).find(" quit\n"), std::string::npos) << slurp(halfway);
        EXPECT_EQ(simulated("--replay " + halfway + " --trace"), slurp(s.trace));
    }

    // Played again in its windows: by itself to the goodbye screen, the board at the first
    // question as simulate draws it at the same moment.
    {
        Show s(dir, "replayed", {"--rivedi", whole});
        ASSERT_TRUE(traced(s.trace, " Form1\\.Timer6\\.Enabled true$")) << slurp(dir + "/replayed.err");
        std::this_thread::sleep_for(1500ms);
        auto board = real_window::find_window(s.pid, "RUVANTIA");
        ASSERT_TRUE(board);
        real_window::Geometry g = real_window::window_geometry(*board);
        const std::string real = dir + "/replayed-board.png", virtual_ = dir + "/simulated-board.png";
        real_window::run("import -window root -crop " + std::to_string(g.w) + "x" + std::to_string(g.h) + "+"
            + std::to_string(g.x) + "+" + std::to_string(g.y) + " +repage " + real);
        simulated("--replay " + whole + " \"until Form1.Timer6.Enabled=true\" \"wait 1500\" \"snapshot Form1 "
            + virtual_ + "\"");
        // Pixels that differ by more than a shade: none but anti-aliasing at the edges.
        std::string differ
            = real_window::run("compare -metric AE -fuzz 8% " + real + " " + virtual_ + " /dev/null 2>&1 >/dev/null");
        ASSERT_TRUE(!differ.empty() && std::isdigit(static_cast<unsigned char>(differ[0]))) << differ;
        EXPECT_LT(std::atol(differ.c_str()), g.w * g.h / 200)
            << "the replayed board differs from simulate's in " << differ << " pixels: see " << real;
        ASSERT_TRUE(real_window::find_window(s.pid, "CIAO", 120000)) << "the replay never reached the goodbye";
        EXPECT_EQ(real_window::wait_exit(s.pid, 60000), 0) << slurp(dir + "/replayed.err");
        s.pid = -1;
        EXPECT_EQ(slurp(s.trace), simulated("--replay " + whole + " --trace"));
    }
}

} // namespace
