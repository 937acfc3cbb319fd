// The goodbye screen after a short game: credits, chasing lights, flashing borders, the
// dedication, and the end of the program with no input.
#include "tests/support.h"

#include <array>
#include <vector>

namespace {

using namespace testing_support;
using colors::kBoard;
using colors::kGreen;
using colors::kOrange;

// A game that ends at once: walking away at question 1, up to the goodbye screen.
void play_to_goodbye(sim::Simulation& s)
{
    Game& g = s.game();
    play_to_question(s, 1);
    s.click("Form1", "Label5");
    ASSERT_TRUE(s.until([&] { return g.Form2.Label2.Visible; }, 1000));
    s.click("Form2", "Label2");
    ASSERT_TRUE(s.until([&] { return g.Form3.shown(); }, 10000));
}

template <typename T, int N> bool all_back(const tk::ControlArray<T, N>& lamps, tk::Color colour)
{
    for (const T& lamp : lamps)
        if (lamp.BackColor != colour)
            return false;
    return true;
}

TEST(GoodbyeTest, PlaysItsLightsAndDedicationAndEndsTheProgram)
{
    sim::Simulation s;
    Game& g = s.game();
    Goodbye& w = g.Form3;
    play_to_goodbye(s);
    ASSERT_FALSE(g.Form1.loaded());

    std::vector<int> credits_gone, letters_shown, letters_gone;
    bool corners_lit = false, corners_seen = false;
    tk::Millis chase_over = 0, swapped = 0, closed = 0;
    std::array<bool, 4> credit_was {};
    std::array<bool, 32> letter_was {};
    ASSERT_TRUE(s.until(
        [&] {
            if (!w.loaded()) {
                closed = s.now();
                return true;
            }
            const std::array<bool, 4> credit = {w.Label1.Visible, w.Label2.Visible, w.Label3.Visible, w.Label4.Visible};
            for (int i = 0; i < 4; ++i)
                if (credit_was[i] && !credit[i])
                    credits_gone.push_back(i + 1);
            credit_was = credit;
            for (int k = 0; k < 32; ++k) {
                if (!letter_was[k] && w.Label5(k).Visible)
                    letters_shown.push_back(k);
                if (letter_was[k] && !w.Label5(k).Visible)
                    letters_gone.push_back(k);
                letter_was[k] = w.Label5(k).Visible;
            }
            if (w.Timer2.Enabled) {
                corners_lit |= w.Shape2(99).BackColor != kBoard || w.Shape3(0).BackColor != kBoard;
                corners_seen = w.Shape2(99).Visible && w.Shape3(0).Visible;
            } else if (w.Timer3.Enabled && chase_over == 0) {
                chase_over = s.now();
                EXPECT_TRUE(all_back(w.Shape2, kGreen) && all_back(w.Shape3, kOrange));
            } else if (chase_over && !swapped && all_back(w.Shape2, kOrange) && all_back(w.Shape3, kGreen)) {
                swapped = s.now();
            }
            return false;
        },
        30000));

    EXPECT_EQ(credits_gone, (std::vector<int> {1, 4, 2, 3}));
    EXPECT_FALSE(corners_lit) << "Shape2(99) and Shape3(0) are never seen lit";
    EXPECT_TRUE(corners_seen) << "but they do become visible";
    EXPECT_EQ(swapped - chase_over, 1000);
    ASSERT_EQ(letters_shown.size(), 32u);
    EXPECT_EQ(letters_shown.back(), 31);
    ASSERT_EQ(letters_gone.size(), 32u);
    EXPECT_EQ(letters_gone.front(), 0);
    EXPECT_EQ(closed - chase_over, 11250);
    EXPECT_EQ(w.giri, 5);
    EXPECT_TRUE(s.ended()) << "the program ends by itself when the goodbye screen closes";
}

TEST(GoodbyeTest, ClosingTheGoodbyeScreenEndsTheProgramAtOnce)
{
    sim::Simulation s;
    play_to_goodbye(s);
    s.wait(3000);
    s.close("Form3");
    EXPECT_TRUE(s.ended());
    EXPECT_FALSE(s.runtime().next_due().has_value()) << "no tick may follow";
}

} // namespace
