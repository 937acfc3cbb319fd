// The real program in a real window: the logo is clicked, the board is revealed and swept, and
// an interrupt ends the show cleanly.
#include "tests/real_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace {

TEST(RealWindowTest, TheLogoStartsTheRevealAndTheSweepAndTermEndsCleanly)
{
    if (!real_window::available())
        GTEST_SKIP() << "no display or no xdotool/ImageMagick";
    pid_t pid = real_window::start_game();
    ASSERT_GT(pid, 0);
    auto board = real_window::find_window(pid, "RUVANTIA");
    ASSERT_TRUE(board) << "no board window";
    // Before the click only the logo and the host line: no rung frame is drawn yet. The window
    // may be mapped a moment before its first frame reaches the screen.
    long before = -1;
    for (int i = 0; i < 40 && (before = real_window::pixel_twips(*board, 12345, 10965, 9600, 7900)) != 0x000040; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(before, 0x000040);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    real_window::click_twips(*board, 12345, 10965, 6000, 4500);
    std::this_thread::sleep_for(std::chrono::milliseconds(4300 + 31 * 40 + 500));
    // The ladder stands with its frames, the sweep over: rung 1 is the board's blue again.
    EXPECT_EQ(real_window::pixel_twips(*board, 12345, 10965, 9600, 7900), 0x8080FF);
    EXPECT_EQ(real_window::pixel_twips(*board, 12345, 10965, 12000, 7900), 0x000040);
    kill(pid, SIGTERM);
    auto status = real_window::wait_exit(pid, 5000);
    EXPECT_EQ(status, 0);
}

} // namespace
