// How games end: a wrong answer at every question, walking away at every question, the
// walk-away window, and the goodbye screen closed by the player. The host's sums come from the random player's own
// reckoning of the prize rules.
#include "tests/support.h"
#include "tools/sim/monkey.h"

#include <vector>

namespace {

using namespace testing_support;

// Plays on until done() holds, noting every new text of the host line on the way.
template <typename Done>
std::vector<std::string> host_lines_until(sim::Simulation& s, Done done, tk::Millis max_ms = 60000)
{
    std::vector<std::string> lines;
    Board& b = s.game().Form1;
    s.until(
        [&] {
            if (b.loaded() && (lines.empty() || lines.back() != b.Label4.Caption) && !b.Label4.Caption.empty())
                lines.push_back(b.Label4.Caption);
            return done();
        },
        max_ms);
    return lines;
}

std::vector<int> lit_rungs(Board& b)
{
    std::vector<int> lit;
    for (int i = 0; i <= 14; ++i)
        if (b.Label1(i).BackColor == colors::kGreen)
            lit.push_back(i);
    return lit;
}

// A wrong answer: the right one blinks (one idle tick first on question 1 and right after a
// milestone), the light steps down to the milestone kept, and the host says goodbye with the sum.
TEST(EndingsTest, WrongAnswerAtEveryQuestionKeepsTheLastMilestone)
{
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE("wrong answer at question " + std::to_string(n));
        sim::Simulation s;
        Game& g = s.game();
        Board& b = g.Form1;
        play_to_question(s, n);
        const int right = right_position(g);
        choose_and_confirm(s, wrong_position(g));
        ASSERT_TRUE(s.until([&] { return b.Timer10.Enabled; }, 20000));
        const tk::Millis handed_over = s.now();
        ASSERT_TRUE(s.until([&] { return b.Label3(right).BackColor == colors::kGreen; }, 1000));
        const bool idle_first = n == 1 || n == 6 || n == 11;
        EXPECT_EQ(s.now() - handed_over, idle_first ? 200 : 100);

        ASSERT_TRUE(s.until([&] { return b.Timer15.Enabled; }, 5000));
        ASSERT_TRUE(s.until([&] { return !b.Timer15.Enabled; }, 5000));
        const std::vector<int> kept = n <= 5 ? std::vector<int> {}
            : n <= 10                        ? std::vector<int> {4}
                                             : std::vector<int> {9};
        EXPECT_EQ(lit_rungs(b), kept);

        auto lines = host_lines_until(
            s, [&] { return bool(b.Timer11.Enabled); }, 10000);
        EXPECT_EQ(lines,
            (std::vector<std::string> {"IL TUO CAMMINO SI FERMA QUI....", sim::sum_message(sim::Ending::Wrong, n),
                "RIPROVA LA PROSSIMA VOLTA!!!!"}));
        EXPECT_TRUE(lit_rungs(b).empty());
        EXPECT_FALSE(b.Image3.Enabled || b.Label5.Enabled || b.Label6(0).Enabled);
        EXPECT_TRUE(s.until([&] { return s.ended(); }, 20000)) << "the program did not end by itself";
    }
}

// Walking away: "SI" clears the question and the answers but not their frames; the sum comes
// 10 ms later, the comment 3 s after it, the closing 3 s after that.
TEST(EndingsTest, WalkingAwayAtEveryQuestionAnnouncesTheSumTaken)
{
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE("walking away at question " + std::to_string(n));
        sim::Simulation s;
        Game& g = s.game();
        Board& b = g.Form1;
        play_to_question(s, n);
        s.click("Form1", "Label5");
        ASSERT_TRUE(g.Form2.loaded());
        EXPECT_FALSE(b.Enabled);
        EXPECT_EQ(b.Label4.Caption, b.valdom);
        ASSERT_TRUE(s.until([&] { return g.Form2.Label2.Visible; }, 1000));
        s.click("Form2", "Label2");
        EXPECT_FALSE(g.Form2.loaded());
        EXPECT_FALSE(b.Label2.Visible || b.Label3(0).Visible || b.Label6(3).Visible);
        EXPECT_TRUE(b.Shape2.Visible && b.Shape3(0).Visible && b.Shape3(3).Visible);
        s.wait(10);
        EXPECT_EQ(b.Label4.Caption, sim::sum_message(sim::Ending::Walked, n));
        s.wait(3000);
        EXPECT_EQ(b.Label4.Caption, sim::walk_comment(n));
        if (n > 1) {
            EXPECT_EQ(lit_rungs(b), std::vector<int> {n - 2}) << "the last rung won stays lit";
        }
        EXPECT_FALSE(b.Timer11.Enabled);
        s.wait(3000);
        EXPECT_TRUE(b.Timer11.Enabled && !b.Timer12.Enabled);
        EXPECT_TRUE(s.until([&] { return s.ended(); }, 20000)) << "the program did not end by itself";
    }
}

// "NO" and closing the window from its title bar both give the question back, without the
// nudges. (The window's build-up plays in the stored trace of walking away.)
TEST(EndingsTest, NoOrClosingTheWalkAwayWindowGivesTheQuestionBack)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 2);
    s.click("Form1", "Label5");
    ASSERT_TRUE(s.until([&] { return g.Form2.Label3.Visible; }, 1000));
    s.click("Form2", "Label3");
    EXPECT_TRUE(board_waits(g));
    s.wait(20000);
    EXPECT_EQ(b.Label4.Caption, b.valdom) << "no nudges after NO";

    s.click("Form1", "Label5");
    ASSERT_TRUE(s.until([&] { return g.Form2.Label2.Visible; }, 1000));
    s.close("Form2");
    EXPECT_FALSE(g.Form2.loaded() || s.ended());
    ASSERT_TRUE(board_waits(g)) << "closing the window must give the board back";

    // Closed halfway through its build-up, the window still opens complete the next time.
    s.click("Form1", "Label5");
    s.wait(100);
    s.close("Form2");
    ASSERT_TRUE(board_waits(g));
    s.click("Form1", "Label5");
    s.wait(50);
    EXPECT_TRUE(g.Form2.Shape1.Visible);
    s.wait(50);
    EXPECT_TRUE(g.Form2.Line1.Visible);
    s.close("Form2");
    choose_and_confirm(s, right_position(g));
    EXPECT_TRUE(s.until([&] { return b.conta == 3 && board_waits(g); }, 60000)) << "the game goes on";
}

// "SI" hands the board back for the ending's sake: a second click landing on it in the same
// instant must open neither a lifeline nor the walk-away window again, or the show would never
// end.
TEST(EndingsTest, AClickRightAfterSiOpensNothingAndTheShowStillEnds)
{
    sim::Simulation s;
    Game& g = s.game();
    play_to_question(s, 3);
    s.click("Form1", "Label5");
    ASSERT_TRUE(s.until([&] { return g.Form2.Label2.Visible; }, 1000));
    s.click("Form2", "Label2");
    for (const char* control : {"Label5", "Image3", "Image4", "Image2"})
        s.click("Form1", control);
    EXPECT_FALSE(g.Form2.loaded() || g.Form4.loaded() || g.Form5.loaded() || g.Form1.Timer13.Enabled);
    EXPECT_TRUE(s.until([&] { return s.ended(); }, 30000));
}

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
