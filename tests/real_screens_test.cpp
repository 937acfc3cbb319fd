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

using real_window::Place;

struct Dialog {
    const char* title;
    const char* form;
};
constexpr Dialog kFinal {"LA ACCENDIAMO", "Form6"};
constexpr Dialog kWalk {"Vuoi veramente", "Form2"};
constexpr Dialog kPhone {"AIUTO DA CASA", "Form4"};
constexpr Dialog kPoll {"AIUTO DEL PUBBLICO", "Form5"};
constexpr Dialog kGoodbye {"CIAO", "Form3"};

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

// Clicks a place of a run's board until a dialog opens.
std::optional<std::string> open_dialog(Player& r, const Place& at, const char* title, std::chrono::seconds limit = 5s)
{
    r.screen->use();
    real_window::click_until(
        r.board, at, [&] { return bool(real_window::find_window(r.pid, title, 1)); }, limit);
    return real_window::find_window(r.pid, title, 1);
}

// Looks at an open dialog: on screen, at the board's scale; then a screenshot.
void look_at(Player& r, const std::string& window, const Dialog& d, const std::string& shot)
{
    r.screen->use();
    expect_on_screen(r, window, d.title);
    real_window::Geometry g = real_window::window_geometry(window);
    const tk::FormDesign& design = real_window::design(d.form).design();
    EXPECT_NEAR(g.w, design.ClientWidth / 15.0 * r.scale, 3)
        << d.title << " is not at the board's scale on " << r.name();
    EXPECT_NEAR(g.h, design.ClientHeight / 15.0 * r.scale, 3)
        << d.title << " is not at the board's scale on " << r.name();
    real_window::screenshot(shots() + "/" + r.name() + "-" + shot + ".png");
}

// Clicks a place of a dialog until it closes.
bool press(Player& r, const std::string& window, const Dialog& d, const Place& at)
{
    r.screen->use();
    return real_window::click_until(
        window, at, [&] { return !real_window::find_window(r.pid, d.title, 1); }, 4s);
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
        const tk::FormDesign& design = real_window::design("Form1").design();
        r.scale = std::min(g.w / (design.ClientWidth / 15.0), g.h / (design.ClientHeight / 15.0));
        EXPECT_GE(g.h, 0.6 * r.screen->height()) << "the board is too small on " << r.name();
        real_window::click(r.board, {"Form1", "Image1"});
    }
    // Each dialog in turn on all four screens: the final answer (taken back with "NO"), walking
    // away ("NO"), the friend and the poll ("TORNA AL GIOCO").
    struct Step {
        Dialog dialog;
        Place open, close; // what opens it on the board, what closes it
        int settle_ms; // until it has built itself up
        const char* shot;
    };
    const Step steps[] = {
        {kFinal, {"Form1", "Label6", 0}, {"Form6", "Label2", 1}, 700, "final-answer"},
        {kWalk, {"Form1", "Label5"}, {"Form2", "Label3"}, 500, "walk-away"},
        {kPhone, {"Form1", "Image3"}, {"Form4", "Label2"}, 1800, "phone"},
        {kPoll, {"Form1", "Image4"}, {"Form5", "Label10"}, 3200, "poll"},
    };
    for (const Step& step : steps) {
        std::vector<std::string> open(runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            // The first question's answers stand some 26 s after the logo.
            auto w = open_dialog(runs[i], step.open, step.dialog.title, i == 0 && &step == steps ? 60s : 10s);
            ASSERT_TRUE(w) << step.dialog.title << " never opened on " << runs[i].name();
            open[i] = *w;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(step.settle_ms));
        for (std::size_t i = 0; i < runs.size(); ++i) {
            look_at(runs[i], open[i], step.dialog, step.shot);
            ASSERT_TRUE(press(runs[i], open[i], step.dialog, step.close))
                << step.dialog.title << " did not close on " << runs[i].name();
        }
    }
    // Walking away for good, then the goodbye screen.
    for (Player& r : runs) {
        auto w = open_dialog(r, {"Form1", "Label5"}, kWalk.title);
        ASSERT_TRUE(w);
        std::this_thread::sleep_for(500ms);
        ASSERT_TRUE(press(r, *w, kWalk, {"Form2", "Label2"}));
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
