// The real program on four screens at once, from a small laptop to a 4K monitor: the board and
// every dialog open fully on screen, all at the board's one scale. A screenshot of each is left
// in tests/screens/ of the build directory. About a minute.
#include "tests/real_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int kBoardW = 12345, kBoardH = 10965;

struct Dialog {
    const char* title;
    int w, h; // client area, twips
};
constexpr Dialog kFinal {"LA ACCENDIAMO", 4755, 3090};
constexpr Dialog kWalk {"Vuoi veramente", 5070, 3285};
constexpr Dialog kPhone {"AIUTO DA CASA", 4905, 2700};
constexpr Dialog kPoll {"AIUTO DEL PUBBLICO", 4680, 6450};
constexpr Dialog kGoodbye {"CIAO", 9630, 9615};

struct Player {
    std::unique_ptr<real_window::Screen> screen;
    pid_t pid = -1;
    std::string board;
    double scale = 0; // pixels per 15 twips
    std::string name() const { return std::to_string(screen->width()) + "x" + std::to_string(screen->height()); }
};

std::string shots()
{
    std::string dir = std::string(RUVANTIA_BINARY_DIR) + "/tests/screens";
    std::filesystem::create_directories(dir);
    return dir;
}

// The window lies wholly on the screen.
void expect_on_screen(const Player& r, const std::string& window, const char* what)
{
    real_window::Geometry g = real_window::window_geometry(window);
    EXPECT_GT(g.w, 0) << what << " on " << r.name();
    EXPECT_GE(g.x, 0) << what << " on " << r.name();
    EXPECT_GE(g.y, 0) << what << " on " << r.name();
    EXPECT_LE(g.x + g.w, r.screen->width()) << what << " on " << r.name();
    EXPECT_LE(g.y + g.h, r.screen->height()) << what << " on " << r.name();
}

// Clicks a point of a run's board until a dialog opens.
std::optional<std::string> open_dialog(Player& r, int x, int y, const char* title, std::chrono::seconds limit = 5s)
{
    r.screen->use();
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (auto w = real_window::find_window(r.pid, title, 1))
            return w;
        real_window::click_twips(r.board, kBoardW, kBoardH, x, y);
        std::this_thread::sleep_for(300ms);
    }
    return real_window::find_window(r.pid, title, 1);
}

// Looks at an open dialog: on screen, at the board's scale; then a screenshot.
void look_at(Player& r, const std::string& window, const Dialog& d, const std::string& shot)
{
    r.screen->use();
    expect_on_screen(r, window, d.title);
    real_window::Geometry g = real_window::window_geometry(window);
    EXPECT_NEAR(g.w, d.w / 15.0 * r.scale, 3) << d.title << " is not at the board's scale on " << r.name();
    EXPECT_NEAR(g.h, d.h / 15.0 * r.scale, 3) << d.title << " is not at the board's scale on " << r.name();
    real_window::screenshot(shots() + "/" + r.name() + "-" + shot + ".png");
}

// Clicks a point of a dialog until it closes.
bool press(Player& r, const std::string& window, const Dialog& d, int x, int y)
{
    r.screen->use();
    for (int i = 0; i < 15; ++i) {
        if (!real_window::find_window(r.pid, d.title, 1))
            return true;
        real_window::click_twips(window, d.w, d.h, x, y);
        std::this_thread::sleep_for(200ms);
    }
    return !real_window::find_window(r.pid, d.title, 1);
}

TEST(RealScreensTest, TheBoardAndEveryDialogFitFromALaptopToA4KScreen)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    if (std::getenv("RUVANTIA_QUICK"))
        GTEST_SKIP() << "a slow test, left out of quick runs";
    std::vector<Player> runs;
    for (auto [w, h] : {std::pair {1024, 600}, {1366, 768}, {1920, 1080}, {3840, 2160}}) {
        Player r;
        r.screen = std::make_unique<real_window::Screen>(w, h);
        ASSERT_TRUE(r.screen->ok());
        runs.push_back(std::move(r));
    }
    struct Reaper {
        std::vector<Player>& runs;
        ~Reaper()
        {
            for (Player& r : runs)
                if (r.pid > 0 && waitpid(r.pid, nullptr, WNOHANG) == 0) {
                    kill(r.pid, SIGKILL);
                    waitpid(r.pid, nullptr, 0);
                }
            while (!runs.empty())
                runs.pop_back();
        }
    } reaper {runs};

    // The board: wholly on screen and scaled to it, neither cut off nor a stamp.
    for (Player& r : runs) {
        r.screen->use();
        r.pid = real_window::start_game();
        auto board = real_window::find_window(r.pid, "RUVANTIA", 10000);
        ASSERT_TRUE(board) << "no board on " << r.name();
        r.board = *board;
        expect_on_screen(r, r.board, "the board");
        real_window::Geometry g = real_window::window_geometry(r.board);
        r.scale = std::min(g.w / (kBoardW / 15.0), g.h / (kBoardH / 15.0));
        EXPECT_GE(g.h, 0.6 * r.screen->height()) << "the board is too small on " << r.name();
        real_window::click_twips(r.board, kBoardW, kBoardH, 6000, 4500);
    }
    // Each dialog in turn on all four screens: the final answer (taken back with "NO"), walking
    // away ("NO"), the friend and the poll ("TORNA AL GIOCO").
    struct Step {
        Dialog dialog;
        int x, y; // where on the board it opens
        int settle_ms; // until it has built itself up
        int close_x, close_y;
        const char* shot;
    };
    const Step steps[] = {
        {kFinal, 3320, 9610, 700, 3120 + 427, 2040 + 247, "final-answer"},
        {kWalk, 480 + 1027, 6720 + 187, 500, 3600 + 307, 2280 + 247, "walk-away"},
        {kPhone, 840 + 530, 3480 + 345, 1800, 1080 + 1387, 2160 + 187, "phone"},
        {kPoll, 840 + 502, 4920 + 337, 3200, 1080 + 1327, 5880 + 187, "poll"},
    };
    for (const Step& step : steps) {
        std::vector<std::string> open(runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            // The first question's answers stand some 26 s after the logo.
            auto w = open_dialog(runs[i], step.x, step.y, step.dialog.title, i == 0 && &step == steps ? 60s : 10s);
            ASSERT_TRUE(w) << step.dialog.title << " never opened on " << runs[i].name();
            open[i] = *w;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(step.settle_ms));
        for (std::size_t i = 0; i < runs.size(); ++i) {
            look_at(runs[i], open[i], step.dialog, step.shot);
            ASSERT_TRUE(press(runs[i], open[i], step.dialog, step.close_x, step.close_y))
                << step.dialog.title << " did not close on " << runs[i].name();
        }
    }
    // Walking away for good, then the goodbye screen.
    for (Player& r : runs) {
        auto w = open_dialog(r, 480 + 1027, 6720 + 187, kWalk.title);
        ASSERT_TRUE(w);
        std::this_thread::sleep_for(500ms);
        ASSERT_TRUE(press(r, *w, kWalk, 960 + 187, 2280 + 187));
    }
    for (Player& r : runs) {
        r.screen->use();
        auto goodbye = real_window::find_window(r.pid, kGoodbye.title, 20000);
        ASSERT_TRUE(goodbye) << "no goodbye screen on " << r.name();
        std::this_thread::sleep_for(2500ms);
        look_at(r, *goodbye, kGoodbye, "goodbye");
        kill(r.pid, SIGTERM);
        EXPECT_EQ(real_window::wait_exit(r.pid, 5000), 0);
    }
}

} // namespace
