// The real program when the world around it misbehaves: no display at all, a display that goes
// away, interrupts, the computer stopping it for a while. Each test has an X server of its own.
// (Windows closed from their title bars are the dialogs test's.)
#include "tests/real_window.h"
#include "toolkit/sdl/x11_errors.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr real_window::Place kLogo {"Form1", "Image1"};
constexpr long kFrame = 0x8080FF;
// The left edge of the top rung's frame, drawn at the reveal's fifteenth tick.
constexpr real_window::Place kTopFrame {"Form1", "Shape1", 14, 0};

std::string contents(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string temp_path(const std::string& name)
{
    return std::string(RUVANTIA_BINARY_DIR) + "/tests/" + name + "." + std::to_string(getpid());
}

using Game = real_window::Reaper;

TEST(RealSignalsTest, WithNoDisplayItSaysSoInOneLineAndExitsWithOne)
{
    std::string err = temp_path("no-display.err");
    Game game {real_window::start_game({{}, {"DISPLAY", "WAYLAND_DISPLAY"}, err})};
    ASSERT_GT(game.pid, 0);
    int signal = 0;
    EXPECT_EQ(real_window::wait_exit(game.pid, 10000, &signal), 1);
    EXPECT_EQ(signal, 0);
    std::string text = contents(err);
    EXPECT_EQ(text.rfind("ruvantia: needs a graphical display", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    std::remove(err.c_str());
}

TEST(RealSignalsTest, InterruptAndTerminateEndTheShowCleanly)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(1280, 1024);
    ASSERT_TRUE(screen.ok());
    for (int sig : {SIGINT, SIGTERM}) {
        Game game {real_window::start_game()};
        auto board = real_window::find_window(game.pid, "RUVANTIA");
        ASSERT_TRUE(board) << "no board window";
        real_window::click(*board, kLogo); // timers running
        std::this_thread::sleep_for(500ms);
        kill(game.pid, sig);
        int signal = 0;
        EXPECT_EQ(real_window::wait_exit(game.pid, 5000, &signal), 0) << "signal " << sig;
        EXPECT_EQ(signal, 0);
    }
}

TEST(RealSignalsTest, ADisplayThatGoesAwayEndsItWithAMessageAndAnErrorStatus)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(1280, 1024);
    ASSERT_TRUE(screen.ok());
    std::string err = temp_path("display-gone.err");
    Game game {real_window::start_game({{}, {}, err})};
    auto board = real_window::find_window(game.pid, "RUVANTIA");
    ASSERT_TRUE(board) << "no board window";
    real_window::click(*board, kLogo);
    std::this_thread::sleep_for(500ms);
    screen.shut_down();
    int signal = 0;
    auto status = real_window::wait_exit(game.pid, 10000, &signal);
    EXPECT_EQ(signal, 0) << "killed by a signal (a core dump?)";
    ASSERT_TRUE(status) << "still running with no display";
    EXPECT_NE(*status, 0);
    std::string text = contents(err);
    // Xlib words it by what the lost connection answered last: "X connection to :N broken" or
    // "fatal IO error ... on X server \":N\"". Either names the display that went away.
    bool named = text.find("X connection to " + screen.display() + " broken") != std::string::npos
        || text.find("X server \"" + screen.display() + "\"") != std::string::npos;
    EXPECT_TRUE(named) << text;
    std::remove(err.c_str());
}

// SDL wakes its event wait by sending one of its windows a message over a second connection; a
// busy X server that closed the window first refuses it, and Xlib's default answer ends the program
// with status 1 (this ended games after a dialog or the goodbye screen closed). The show lets that
// refusal pass, and only that one.
TEST(RealSignalsTest, AMessageRefusedToAWindowJustClosedDoesNotEndTheShow)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(640, 480);
    ASSERT_TRUE(screen.ok());
    auto message_to_a_closed_window = [] {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            std::exit(3);
        ::Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
        XDestroyWindow(display, window);
        XEvent e {};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.format = 8;
        XSendEvent(display, window, False, NoEventMask, &e);
        XSync(display, False);
        XCloseDisplay(display);
    };
    EXPECT_EXIT(
        {
            message_to_a_closed_window();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "BadWindow")
        << "Xlib no longer ends a program for this: the test shows nothing";
    EXPECT_EXIT(
        {
            tk::sdl::tolerate_messages_to_closed_windows();
            message_to_a_closed_window();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
    // Any other refusal still ends the program, as before.
    EXPECT_EXIT(
        {
            tk::sdl::tolerate_messages_to_closed_windows();
            Display* display = XOpenDisplay(nullptr);
            ::Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
            XDestroyWindow(display, window);
            XMapWindow(display, window);
            XSync(display, False);
            std::exit(0);
        },
        testing::ExitedWithCode(1), "BadWindow");
}

// Stopped for five seconds in the middle of the board's reveal (one piece every 100 ms), the
// show goes on from where it was at its own pace: no burst of the fifty ticks it missed.
TEST(RealSignalsTest, AfterAStallTheRevealGoesOnAtItsPaceWithNoBurst)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(1280, 1024);
    ASSERT_TRUE(screen.ok());
    Game game {real_window::start_game()};
    auto board = real_window::find_window(game.pid, "RUVANTIA");
    ASSERT_TRUE(board) << "no board window";
    std::this_thread::sleep_for(300ms);
    real_window::click(*board, kLogo);
    std::this_thread::sleep_for(250ms);
    kill(game.pid, SIGSTOP);
    std::this_thread::sleep_for(5s);
    kill(game.pid, SIGCONT);
    // Some three pieces were shown before the stop; a few more now, not the whole ladder.
    std::this_thread::sleep_for(400ms);
    EXPECT_NE(real_window::pixel(*board, kTopFrame), kFrame) << "the reveal caught up at once";
    // The rest follows in about four seconds.
    std::this_thread::sleep_for(4500ms);
    EXPECT_EQ(real_window::pixel(*board, kTopFrame), kFrame) << "the reveal did not go on";
    kill(game.pid, SIGTERM);
    EXPECT_EQ(real_window::wait_exit(game.pid, 5000), 0);
}

} // namespace
