// The real program played to a wrong answer, with every kind of dialog closed from its title bar
// on the way: the final answer, the walk-away, the friend on the phone and the poll each give the
// board back, whole again where they covered it, as their own "NO" or "TORNA AL GIOCO" would; the poll also tells which
// answer is wrong (the audience is sure of the right one on the first question). Closing the goodbye screen then ends
// the program with status 0. It runs under a window manager, as on a desktop, and a click on the board while each
// dialog is up must leave the dialog in front. About a minute and a half.
#include "tests/real_window.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using real_window::Place;

// Whether a place of a window shows a colour within a while (the window redraws on its own time).
bool shows(const std::string& window, const Place& at, long colour, std::chrono::milliseconds within = 1000ms)
{
    auto end = std::chrono::steady_clock::now() + within;
    do {
        if (real_window::pixel(window, at) == colour)
            return true;
        std::this_thread::sleep_for(100ms);
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

// Under a window manager a click on the board raises it, and the dialog must come along in
// front of it: the board takes no click while a dialog is up, and a dialog hidden behind it
// would freeze the show. The dialog has no button of its own in the task bar, cannot be
// resized or maximised, and does not stay minimised away from its board. Its outer frame's
// left and right edges tell where it shows.
void expect_in_front(pid_t pid, const std::string& board, const char* title, std::string_view form, const char* frame)
{
    SCOPED_TRACE(title);
    const Place left {form, frame, -1, 0}, right {form, frame, -1, 1};
    auto dialog = real_window::find_window(pid, title);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(shows(*dialog, left, 0x8080FF, 3000ms)) << "the dialog's frame never showed";
    real_window::click(board, {"Form1", "", -1, 0.02, 0.02}); // the background, up in a corner
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(shows(*dialog, left, 0x8080FF) && shows(*dialog, right, 0x8080FF))
        << "a click on the board hid the dialog";
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", std::strtoul(dialog->c_str(), nullptr, 10));
    std::string list = real_window::run("xprop -root _NET_CLIENT_LIST");
    std::string props
        = real_window::run("xprop -id " + *dialog + " WM_TRANSIENT_FOR _NET_WM_STATE _NET_WM_ALLOWED_ACTIONS");
    bool listed = list.find(std::string(id) + ",") != std::string::npos
        || list.find(std::string(id) + "\n") != std::string::npos;
    if (listed) {
        EXPECT_TRUE(props.find("WM_TRANSIENT_FOR(WINDOW): window id") != std::string::npos
            || props.find("_NET_WM_STATE_SKIP_TASKBAR") != std::string::npos)
            << "listed for the task bar as a window of its own: " << props;
    }
    EXPECT_EQ(props.find("MAXIMIZE"), std::string::npos) << props;
    real_window::run("xdotool windowminimize " + *dialog + " 2>/dev/null");
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(shows(*dialog, left, 0x8080FF)) << "the dialog was minimised away from its board";
    EXPECT_EQ(props.find("_NET_WM_ACTION_RESIZE"), std::string::npos) << props;
}

TEST(RealDialogsTest, EveryDialogClosesFromItsTitleBarAndAWrongAnswerEndsTheGame)
{
    if (!real_window::xvfb_available())
        GTEST_SKIP() << "no Xvfb, xdotool or ImageMagick";
    real_window::Screen screen(1280, 1024);
    ASSERT_TRUE(screen.ok());
    ASSERT_TRUE(screen.start_window_manager()) << "openbox is needed (./dev test installs it)";
    std::string errors = std::string(RUVANTIA_BINARY_DIR) + "/tests/dialogs.err";
    pid_t pid = real_window::start_game({{}, {}, errors});
    ASSERT_GT(pid, 0);
    real_window::Reaper reaper {pid};
    auto board = real_window::find_window(pid, "RUVANTIA");
    ASSERT_TRUE(board);
    std::this_thread::sleep_for(300ms);
    real_window::click(*board, {"Form1", "Image1"}); // the logo
    auto opened
        = [&](const char* title) { return [&, title] { return bool(real_window::find_window(pid, title, 1)); }; };

    // The final answer: A is marked orange while the window asks; closing it takes the mark back.
    const Place mark {"Form1", "Label3", 0, 0.97, 0.1}; // right of the answer's text
    ASSERT_TRUE(real_window::click_until(*board, {"Form1", "Label6", 0}, opened("LA ACCENDIAMO"), 60s))
        << "the first question's answers never took a click";
    EXPECT_TRUE(shows(*board, mark, 0xFF8000)) << "the answer chosen is not marked";
    expect_in_front(pid, *board, "LA ACCENDIAMO", "Form6", "Shape1");
    std::this_thread::sleep_for(500ms);
    auto final_answer = real_window::find_window(pid, "LA ACCENDIAMO");
    ASSERT_TRUE(final_answer && real_window::close_window(*final_answer));
    ASSERT_TRUE(real_window::window_gone(pid, "LA ACCENDIAMO"));
    EXPECT_TRUE(shows(*board, mark, 0x000040)) << "the mark was not taken back";

    // Walking away, the friend, the poll: each opens on a click and closes from its title bar,
    // and the board takes the next click.
    struct Opening {
        const char* title;
        Place at;
        std::string_view form;
        const char* frame;
    };
    for (Opening o : {Opening {"Vuoi veramente", {"Form1", "Label5"}, "Form2", "Shape1"},
             Opening {"AIUTO DA CASA", {"Form1", "Image3"}, "Form4", "Shape1"}}) {
        // Points of the logo that the dialog covers: the board must show them again when it goes.
        const std::array<Place, 3> under = {{{"Form1", "Image1", -1, 0.35, 0.13}, {"Form1", "Image1", -1, 0.51, 0.4},
            {"Form1", "Image1", -1, 0.77, 0.34}}};
        std::array<long, 3> before {};
        for (std::size_t i = 0; i < under.size(); ++i)
            before[i] = real_window::pixel(*board, under[i]);
        ASSERT_TRUE(real_window::click_until(*board, o.at, opened(o.title), 5s)) << o.title;
        expect_in_front(pid, *board, o.title, o.form, o.frame);
        auto dialog = real_window::find_window(pid, o.title);
        ASSERT_TRUE(dialog && real_window::close_window(*dialog)) << o.title;
        ASSERT_TRUE(real_window::window_gone(pid, o.title)) << o.title << " did not close";
        for (std::size_t i = 0; i < under.size(); ++i)
            EXPECT_TRUE(shows(*board, under[i], before[i], 2000ms))
                << o.title << ": the board was not drawn again where the dialog was";
    }
    ASSERT_TRUE(real_window::click_until(*board, {"Form1", "Image4"}, opened("AIUTO DEL PUBBLICO"), 5s));
    auto poll = real_window::find_window(pid, "AIUTO DEL PUBBLICO");
    ASSERT_TRUE(poll);
    std::this_thread::sleep_for(3500ms); // the four bars have risen
    // On the first question the right answer has 70 % or more (17 segments and up), each wrong
    // one 30 % or less (7 at most): the twelfth segment is lit on the right answer's bar alone.
    int right = -1, lit = 0;
    for (int j = 0; j <= 3; ++j) {
        static constexpr std::array<std::string_view, 4> bars = {"Shape1", "Shape2", "Shape4", "Shape5"};
        if (real_window::pixel(*poll, {"Form5", bars[static_cast<std::size_t>(j)], 12}) == 0x00FF00) {
            right = j;
            ++lit;
        }
    }
    ASSERT_EQ(lit, 1) << "the poll does not show one clear favourite";
    expect_in_front(pid, *board, "AIUTO DEL PUBBLICO", "Form5", "Shape3");
    ASSERT_TRUE(real_window::close_window(*poll));
    ASSERT_TRUE(real_window::window_gone(pid, "AIUTO DEL PUBBLICO"));

    // A wrong answer, confirmed.
    int wrong = right == 0 ? 1 : 0;
    ASSERT_TRUE(real_window::click_until(*board, {"Form1", "Label6", wrong}, opened("LA ACCENDIAMO"), 5s));
    std::this_thread::sleep_for(700ms);
    final_answer = real_window::find_window(pid, "LA ACCENDIAMO");
    ASSERT_TRUE(final_answer);
    ASSERT_TRUE(real_window::click_until(
        *final_answer, {"Form6", "Label2", 0}, [&] { return !real_window::find_window(pid, "LA ACCENDIAMO", 1); }, 5s));
    // The verdict, the right answer shown, the farewells and the closing: then the goodbye.
    auto goodbye = real_window::find_window(pid, "CIAO", 60000);
    ASSERT_TRUE(goodbye) << "the wrong answer never led to the goodbye screen";
    std::this_thread::sleep_for(1s);
    ASSERT_TRUE(real_window::close_window(*goodbye));
    int signal = 0;
    EXPECT_EQ(real_window::wait_exit(pid, 5000, &signal), 0) << real_window::run("cat '" + errors + "'");
    EXPECT_EQ(signal, 0);
}

} // namespace
