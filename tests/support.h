// Helpers the game's tests share: play a game in virtual time up to the moment a test needs.
#pragma once

#include "tools/sim/simulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

inline const char* kGolden = RUVANTIA_SOURCE_DIR "/tests/golden";

// True when the board waits for the player's answer: the four answers stand and it takes clicks.
inline bool board_waits(Game& g)
{
    return g.Form1.loaded() && g.Form1.Enabled && g.Form1.Label6(3).Visible && g.Form1.Label6(3).Enabled
        && !g.Form1.Timer5.Enabled && g.Form1.conta >= 1 && !g.Form6.loaded() && !g.Form2.loaded() && !g.Form4.loaded()
        && !g.Form5.loaded() && !g.Form1.Timer13.Enabled;
}

// The position (0 to 3) of the right answer on the board, or -1.
inline int right_position(Game& g)
{
    for (int i = 0; i <= 3; ++i)
        if (g.Form1.Label3(i).Caption == g.Form1.risgiusta)
            return i;
    return -1;
}

// The first visible wrong answer's position, or -1.
inline int wrong_position(Game& g)
{
    for (int i = 0; i <= 3; ++i)
        if (g.Form1.Label3(i).Caption != g.Form1.risgiusta && g.Form1.Label6(i).Visible)
            return i;
    return -1;
}

// Clicks the logo and plays on until question n's answers stand and the board waits.
// Questions before n are answered right.
inline void play_to_question(sim::Simulation& s, int n)
{
    Game& g = s.game();
    if (g.Form1.Image1.Enabled)
        s.click("Form1", "Image1");
    for (;;) {
        ASSERT_TRUE(s.until([&] { return board_waits(g); }, 120000)) << "the board never waited for an answer";
        if (g.Form1.conta >= n)
            return;
        int right = right_position(g);
        ASSERT_GE(right, 0);
        s.click("Form1", "Label6", right);
        ASSERT_TRUE(s.until([&] { return g.Form6.loaded() && g.Form6.Label2(0).Visible; }, 5000));
        s.click("Form6", "Label2", 0);
    }
}

// From a waiting board: click a letter and confirm it with "SI".
inline void choose_and_confirm(sim::Simulation& s, int position)
{
    Game& g = s.game();
    s.click("Form1", "Label6", position);
    ASSERT_TRUE(s.until([&] { return g.Form6.loaded() && g.Form6.Label2(0).Visible; }, 5000));
    s.click("Form6", "Label2", 0);
}

// The lines of a text, without their line ends.
std::vector<std::string> lines_of(const std::string& text);

// Reads a golden file; empty when missing.
std::string read_file(const std::string& path);

// Plays the steps from program start at 12:00:00 with the trace on, and compares the trace line by
// line with tests/golden/NAME.trace, showing where they part. With RUVANTIA_UPDATE_GOLDEN=1 set,
// writes the file afresh instead. check() may look at the game once the steps have run.
void expect_golden(
    const std::string& name, const std::vector<std::string>& steps, const std::function<void(Game&)>& check = nullptr);

} // namespace testing_support
