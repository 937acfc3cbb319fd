// The studio audience's poll: the shares, the bars that show them, and the window.
#include "tests/lifeline_board.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace lifeline_board;

namespace {

using Shares = std::array<int, 4>;

Shares shares(Game& g)
{
    return {g.Form5.perc(1), g.Form5.perc(2), g.Form5.perc(3), g.Form5.perc(4)};
}

// How many segments of a bar are lit; they must be the lowest ones, joined into one bar.
int lit(const tk::ControlArray<tk::Shape, 25, 1>& bar)
{
    int n = 0;
    while (n < 25 && bar(n + 1).Visible)
        ++n;
    for (int k = n + 1; k <= 25; ++k)
        EXPECT_FALSE(bar(k).Visible) << "segment " << k << " floats above the bar";
    return n;
}

struct Band {
    int level, base, span;
};
constexpr std::array<Band, 3> kBands = {{{4, 70, 30}, {9, 35, 20}, {15, 10, 40}}};

} // namespace

// Every band, every place of the right answer, with and without a 50:50 (which leaves the first
// wrong answer): the right share stays in its band's range and covers it, removed answers get 0,
// the four add up to 100, and each bar shows its share as text and in segments of 4 %
// (70 % lights 17, 99 % lights 24, 100 % all 25, 3 % none).
TEST(Poll, SharesAddUpToAHundredWithTheRightAnswersShareFromItsBand)
{
    std::map<int, int> segments; // share -> lit segments, over every bar that rose
    for (const Band& band : kBands) {
        for (int right = 0; right <= 3; ++right) {
            for (bool fifty : {false, true}) {
                SCOPED_TRACE("level " + std::to_string(band.level) + ", right "
                    + kLetters[static_cast<std::size_t>(right)] + (fifty ? ", after a 50:50" : ""));
                int wrong_left = right == 0 ? 1 : 0;
                std::vector<int> removed;
                for (int i = 0; fifty && i <= 3; ++i)
                    if (i != right && i != wrong_left)
                        removed.push_back(i);
                sim::Simulation s;
                Game& g = s.game();
                AudiencePoll& p = g.Form5;
                set_question(g, band.level, right, removed);
                bool right_gains_leftover = fifty && right < wrong_left;
                std::set<int> right_shares;
                for (int n = 0; n < 400; ++n) {
                    reopen(g, p);
                    bool reveal = n < 60;
                    if (reveal)
                        s.wait(2850);
                    Shares got = shares(g);
                    int sum = 0, share = got[static_cast<std::size_t>(right)];
                    for (std::size_t i = 0; i < 4; ++i) {
                        sum += got[i];
                        EXPECT_TRUE(got[i] >= 0 && (g.Form1.Label3(static_cast<int>(i)).Visible || got[i] == 0));
                    }
                    ASSERT_EQ(sum, 100);
                    EXPECT_GE(share, band.base + right_gains_leftover);
                    EXPECT_TRUE(right_gains_leftover || share < band.base + band.span) << share;
                    right_shares.insert(share);
                    if (!reveal)
                        continue;
                    std::array<const tk::ControlArray<tk::Shape, 25, 1>*, 4> bars
                        = {&p.Shape1, &p.Shape2, &p.Shape4, &p.Shape5};
                    std::array<const tk::Label*, 4> labels = {&p.Label2, &p.Label3, &p.Label4, &p.Label5};
                    for (std::size_t i = 0; i < 4; ++i) {
                        EXPECT_EQ(labels[i]->Caption, std::to_string(got[i]) + "%");
                        segments[got[i]] = lit(*bars[i]);
                    }
                }
                EXPECT_TRUE(right_gains_leftover || static_cast<int>(right_shares.size()) == band.span)
                    << "the share misses part of its range";
            }
        }
    }
    for (auto [share, lit_segments] : segments)
        EXPECT_EQ(lit_segments, share / 4) << share << " %";
    for (int share : {0, 3, 70, 99, 100})
        EXPECT_TRUE(segments.count(share)) << "no bar showed " << share << " %";
}

// The worked examples: how the rest is shared out without a 50:50, and after one that left the
// wrong answer before or after the right one.
TEST(Poll, TheRestGoesToTheWrongAnswersInOrder)
{
    sim::Simulation s1, s2, s3;
    set_question(s1.game(), 3, 1); // right B, no 50:50
    set_question(s2.game(), 13, 2, {1, 3}); // A (wrong) and C (right) left
    set_question(s3.game(), 13, 0, {1, 3}); // A (right) and C (wrong) left
    std::set<int> c_after_right_first;
    for (int n = 0; n < 600; ++n) {
        reopen(s1.game(), s1.game().Form5);
        auto [a, b, c, d] = shares(s1.game());
        EXPECT_TRUE(b >= 70 && b <= 99);
        EXPECT_TRUE(a < 100 - b && c < 100 - b - a) << "A and C draw in turn from what is left";
        EXPECT_EQ(d, 100 - b - a - c) << "D takes the rest";

        reopen(s2.game(), s2.game().Form5);
        Shares two = shares(s2.game());
        EXPECT_TRUE(two[2] >= 10 && two[2] <= 49);
        EXPECT_EQ(two[0], 100 - two[2]);

        reopen(s3.game(), s3.game().Form5);
        Shares three = shares(s3.game());
        EXPECT_TRUE(three[2] <= 89 && three[0] == 100 - three[2]) << "C draws below what A's share left";
        c_after_right_first.insert(three[2]);
    }
    EXPECT_TRUE(c_after_right_first.count(0) && *c_after_right_first.rbegin() > 70);
}

// The audience is asked many times within one second, as in games started at the same time of
// day: re-seeding again and again from the same second must not make the polls repeat.
TEST(Poll, PollsTakenInTheSameSecondAreIndependent)
{
    for (const Band& band : kBands) {
        sim::Simulation s;
        set_question(s.game(), band.level, 3);
        std::set<Shares> polls;
        std::set<int> right_shares;
        for (int n = 0; n < 500; ++n) {
            reopen(s.game(), s.game().Form5);
            polls.insert(shares(s.game()));
            right_shares.insert(s.game().Form5.perc(4));
        }
        EXPECT_GT(polls.size(), 250u) << "level " << band.level;
        EXPECT_EQ(static_cast<int>(right_shares.size()), band.span);
    }
}

// "TORNA AL GIOCO" comes at 850 ms and takes clicks before the first bar rises at 1350 ms.
TEST(Poll, TheBoardCanBeHadBackBeforeTheBarsRise)
{
    sim::Simulation s;
    Game& g = s.game();
    set_question(g, 6, 1);
    s.click("Form1", "Image4");
    s.wait(850);
    EXPECT_TRUE(g.Form5.Label10.Visible && !g.Form5.Label6.Visible);
    s.click("Form5", "Label10");
    s.wait(3000);
    EXPECT_TRUE(!g.Form5.loaded() && g.Form1.Enabled);
}
