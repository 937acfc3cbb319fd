// The real program in real windows, played to the end with xdotool: the logo, then walking away
// at question 1 ("ABBANDONA", then "SI"), which ends every game whatever the question drawn;
// the process must then exit by itself with status 0.
#include "tests/real_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int kBoardW = 12345, kBoardH = 10965; // Form1's client area, twips
constexpr int kDialogW = 5070, kDialogH = 3285; // Form2's
constexpr int kAbbandonaX = 480 + 2055 / 2, kAbbandonaY = 6720 + 375 / 2;
constexpr int kSiX = 960 + 375 / 2, kSiY = 2280 + 375 / 2;

TEST(RealWindowTest, WalkingAwayAtQuestionOneEndsTheProgramByItself)
{
    if (!std::getenv("DISPLAY") || real_window::run("command -v xdotool").empty())
        GTEST_SKIP() << "no display or no xdotool";
    pid_t pid = real_window::start_game();
    ASSERT_GT(pid, 0);
    auto stop = [pid] {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    };
    auto board = real_window::find_window(pid, "RUVANTIA");
    if (!board) {
        stop();
        FAIL() << "no board window";
    }
    std::this_thread::sleep_for(300ms);
    real_window::click_twips(*board, kBoardW, kBoardH, 6000, 4500); // the logo

    // "ABBANDONA" takes clicks once the first question's answers stand (some 26 s later);
    // until then the board ignores them.
    std::optional<std::string> dialog;
    bool opened = real_window::click_until(
        *board, kBoardW, kBoardH, kAbbandonaX, kAbbandonaY,
        [&] { return bool(dialog = real_window::find_window(pid, "Vuoi veramente", 1)); }, 60s);
    if (!opened) {
        stop();
        FAIL() << "the walk-away window never opened";
    }
    // "SI" takes clicks once the window has built itself up.
    bool confirmed = real_window::click_until(
        *dialog, kDialogW, kDialogH, kSiX, kSiY, [&] { return !real_window::find_window(pid, "Vuoi veramente", 1); },
        10s);
    if (!confirmed) {
        stop();
        FAIL() << "\"SI\" never closed the walk-away window";
    }
    // Messages 6 s, closing 2 s, goodbye screen about 17 s: then the program ends on its own.
    int signal = 0;
    auto status = real_window::wait_exit(pid, 60000, &signal);
    if (!status && signal == 0)
        stop();
    EXPECT_EQ(signal, 0) << "killed by a signal";
    EXPECT_EQ(status, 0) << "the program did not exit by itself with status 0";
}

} // namespace
