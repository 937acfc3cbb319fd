// The million, played from the first question with the 50:50 taken on the way (the milestones and
// the million without a lifeline play in the stored traces).
#include "tests/support.h"

#include <vector>

namespace {

using namespace testing_support;
using colors::kBoard;
using colors::kGreen;

struct Tick {
    tk::Millis at;
    bool lit; // the rung watched is highlighted
    std::string host;
};

// Plays on until done() holds, noting a tick whenever counter() changes.
template <typename Counter, typename Done>
std::vector<Tick> ticks_until(sim::Simulation& s, int rung, Counter counter, Done done)
{
    Board& b = s.game().Form1;
    std::vector<Tick> ticks;
    int last = counter();
    s.until(
        [&] {
            if (counter() != last) {
                last = counter();
                ticks.push_back({s.now(), b.Label1(rung).BackColor == kGreen, b.Label4.Caption});
            }
            return done();
        },
        60000);
    return ticks;
}

// The million, after a game with the 50:50 taken: the top rung blinks, then five light runs at
// 40 ms with one answer box lit at a time turning A, B, D, C and the crosses moving on; then
// the closing, with the crosses gone.
TEST(MilestonesTest, TheMillionCelebratesAndHandsOverToTheClosing)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 15);
    s.click("Form1", "Image2");
    ASSERT_TRUE(s.until([&] { return board_waits(g); }, 20000));
    ASSERT_TRUE(b.Line3(0).Visible);
    choose_and_confirm(s, right_position(g));
    ASSERT_TRUE(s.until([&] { return bool(b.Timer16.Enabled); }, 20000));
    const tk::Millis start = s.now();

    std::vector<int> lamps;
    int crosses_wrong = 0;
    auto ticks = ticks_until(
        s, 14, [&] { return b.lp * 10 + b.hg; },
        [&] {
            if (b.lp >= 14 && b.lp <= 42 && b.Timer16.Enabled) { // just after a light-run step
                int lit = 0, which = -1;
                for (int i = 0; i <= 3; ++i)
                    if (b.Label3(i).BackColor != kBoard)
                        ++lit, which = i;
                EXPECT_EQ(lit, 1);
                if (lamps.size() < 8)
                    lamps.push_back(which);
                crosses_wrong += int(b.Line3(0).Visible) + int(b.Line4(0).Visible) + int(b.Line5(0).Visible) != 1;
            }
            return bool(b.Timer11.Enabled);
        });
    ASSERT_EQ(ticks.size(), std::size_t(13 + 150));
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(ticks[i].at, start + 100 * tk::Millis(i + 1));
        EXPECT_EQ(ticks[i].lit, i % 2 == 0) << "top rung at step " << i;
        EXPECT_EQ(ticks[i].host, "COMPLIMENTI!....SEI MILIONARIO!!!");
    }
    EXPECT_EQ(ticks.back().at, start + 1300 + 150 * 40);
    EXPECT_EQ(lamps, (std::vector<int> {0, 1, 3, 2, 0, 1, 3, 2}));
    EXPECT_EQ(crosses_wrong, 0) << "one cross at a time during the light runs";

    EXPECT_EQ(b.Label1(0).BackColor, kGreen);
    EXPECT_EQ(b.Label1(0).ForeColor, colors::kRungText);
    for (int i = 1; i <= 14; ++i)
        EXPECT_EQ(b.Label1(i).BackColor, kBoard) << "rung " << i;
    for (int i = 0; i <= 3; ++i)
        EXPECT_TRUE(b.Label3(i).Caption.empty() && b.Label3(i).BackColor == kBoard);
    for (int i = 0; i <= 1; ++i)
        EXPECT_FALSE(b.Line3(i).Visible || b.Line4(i).Visible || b.Line5(i).Visible);
    EXPECT_EQ(b.Label4.Caption, "COMPLIMENTI!....SEI MILIONARIO!!!");
    EXPECT_EQ(b.Label2.Caption, "NON ERA FACILE......MA CI SEI RIUSCITO......BRAVO!!!!");
    EXPECT_TRUE(s.until([&] { return s.ended(); }, 30000)) << "the program did not end by itself";
}

} // namespace
