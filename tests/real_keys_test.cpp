// The whole show by keys alone on a desktop with a window manager (openbox): every window takes
// the focus as it opens, so that `xdotool key` reaches it, and the show the keys played is the one
// simulate plays from its recording. About a minute.
#include "tests/real_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::vector<std::string> lines_of(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// The index of the first line of the real show's trace from `from` on that matches, waiting for it.
int traced(const std::string& trace, const std::string& pattern, int from, std::chrono::seconds limit = 60s)
{
    std::regex re(pattern);
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::vector<std::string> lines = lines_of(trace);
        for (int i = from; i < static_cast<int>(lines.size()); ++i)
            if (std::regex_search(lines[i], re))
                return i;
        std::this_thread::sleep_for(100ms);
    }
    ADD_FAILURE() << "never traced: " << pattern;
    return from;
}

void key(const char* name)
{
    real_window::run(std::string("xdotool key ") + name);
}

TEST(RealKeysTest, AWholeShowPlayedByKeysIsTheShowItsRecordingReplays)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(1280, 1024);
    ASSERT_TRUE(screen.ok());
    ASSERT_TRUE(screen.start_window_manager()) << "openbox is needed (./dev test installs it)";
    const std::string dir = std::string(RUVANTIA_BINARY_DIR) + "/tests/keys";
    fs::create_directories(dir);
    // One question a level, whose right answer the trace shows by its text.
    const std::string pack = dir + "/giuste.tsv", recording = dir + "/keys.txt", trace = dir + "/keys.trace";
    {
        std::ofstream out(pack);
        for (int level = 1; level <= 15; ++level)
            out << level << "\tDomanda " << level << "?\tGiusta\tSbagliata uno\tSbagliata due\tSbagliata tre\n";
    }
    fs::remove(recording);
    fs::remove(trace);
    real_window::Reaper game {
        real_window::start_game({{"RUVANTIA_TRACE=" + trace}, {}, dir + "/keys.err", {"--registra", recording, pack}})};

    int at = traced(trace, " Form1 show$", 0, 10s);
    std::this_thread::sleep_for(500ms); // the window manager hands the new window the focus
    key("Return");
    at = traced(trace, " Form1\\.Timer6\\.Enabled true$", at);
    key("t");
    at = traced(trace, " Form4\\.Label2\\.Visible true$", at);
    key("Escape");
    at = traced(trace, " Form4 unload$", at);
    int right = -1;
    std::vector<std::string> lines = lines_of(trace);
    std::smatch m;
    for (const std::string& line : lines)
        if (std::regex_search(line, m, std::regex(R"( Form1\.Label3\((\d)\)\.Caption " *Giusta"$)")))
            right = m[1].str()[0] - '0';
    ASSERT_GE(right, 0);
    const std::string wrong(1, static_cast<char>('a' + (right + 1) % 4));
    key(wrong.c_str());
    at = traced(trace, " Form6\\.Label2\\(1\\)\\.Visible true$", at);
    key("n");
    at = traced(trace, " Form6 unload$", at);
    key(std::to_string(right + 1).c_str());
    at = traced(trace, " Form6\\.Label2\\(1\\)\\.Visible true$", at);
    key("Return");
    at = traced(trace, " Form1\\.Timer6\\.Enabled true$", at);
    key("r");
    at = traced(trace, " Form2\\.Label3\\.Visible true$", at);
    key("s");
    ASSERT_TRUE(real_window::find_window(game.pid, "CIAO", 60000)) << "no goodbye screen";
    EXPECT_EQ(real_window::wait_exit(game.pid, 60000), 0);
    game.pid = -1;
    EXPECT_EQ(real_window::run("SDL_VIDEODRIVER=offscreen " RUVANTIA_BINARY_DIR "/simulate --pack " + pack
                  + " --replay " + recording + " --trace"),
        [&] {
            std::ifstream in(trace);
            std::stringstream s;
            s << in.rdbuf();
            return s.str();
        }());
}

} // namespace
