// From the draw to the player's final answer: the placing of the answers, the choice and the
// final-answer window. The presentation and the nudges play in the stored traces.
#include "game/bank/bank.h"
#include "tests/support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using namespace colors;
using namespace testing_support;

// Many games, each started at another time of day: every lead-in slot, every question of the
// level and every arrangement turns up, and the answers stand where the arrangement says.
TEST(QuestionTest, EveryLeadInQuestionAndArrangementComesUpWithTheAnswersWhereTheyBelong)
{
    // The right answer stands at (disp - 1) mod 4; the wrong ones fill the other places from A to
    // D in the order 1 2 3 for arrangements 1 to 4, 3 2 1 for 5 to 8, 2 1 3 for 9 to 12.
    constexpr int kWrongOrder[3][3] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}};
    const bank::Pool& pool = bank::built_in().pool(1);
    std::set<int> slots, questions, arrangements;
    for (int game = 0; game < 200; ++game) {
        sim::Simulation s(game * 431);
        Board& b = s.game().Form1;
        play_to_question(s, 1);
        auto row = std::find_if(pool.begin(), pool.end(), [&](auto& q) { return q.domanda == b.Label2.Caption; });
        ASSERT_NE(row, pool.end()) << b.Label2.Caption;
        slots.insert(b.qq);
        questions.insert(static_cast<int>(row - pool.begin()));
        arrangements.insert(b.disp);
        int right = (b.disp - 1) % 4;
        int wrong = 0;
        for (int i = 0; i <= 3; ++i) {
            std::string_view answer = i == right ? row->giusta : row->errate[kWrongOrder[(b.disp - 1) / 4][wrong++]];
            EXPECT_EQ(b.Label3(i).Caption, "      " + std::string(answer)) << "disp " << b.disp << " at " << i;
        }
        EXPECT_EQ(right_position(s.game()), right) << "disp " << b.disp;
    }
    EXPECT_EQ(slots.size(), 5u);
    EXPECT_EQ(questions.size(), 20u);
    EXPECT_EQ(arrangements.size(), 12u);
}

// How far the final-answer window has built up: the number of its pieces that show.
int built(FinalAnswer& f)
{
    int n = 0;
    for (bool shown : {f.Shape1.Visible, f.Line1.Visible, f.Line3.Visible, f.Shape2.Visible, f.Line2.Visible,
             f.Shape3.Visible, f.Line4.Visible, f.Label1.Visible, f.Label2(0).Visible, f.Label2(1).Visible})
        n += shown ? 1 : 0;
    return n;
}

bool marked(Board& b, int i)
{
    return b.Label3(i).BackColor == kOrange && b.Label3(i).ForeColor == kPurple;
}
bool plain(Board& b, int i)
{
    return b.Label3(i).BackColor == kBoard && b.Label3(i).ForeColor == kWhite;
}

TEST(ChoiceTest, AChoiceIsMarkedAndNoGivesTheBoardBackForAnotherChoice)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 1);
    s.wait(9500);
    int first = wrong_position(g), second = right_position(g);
    s.click("Form1", "Label6", first);
    EXPECT_EQ(b.Label4.Caption, "DOMANDA DA 50 EURO"); // the nudge goes at once
    EXPECT_TRUE(marked(b, first) && plain(b, second) && !b.Enabled && !b.Timer6.Enabled);
    EXPECT_EQ(b.Label6(second).MousePointer, tk::kDefaultPointer);
    ASSERT_TRUE(s.until([&] { return g.Form6.Label2(1).Visible; }, 1000)); // its build-up is in the stored trace
    s.click("Form6", "Label2", 1);
    EXPECT_TRUE(!g.Form6.loaded() && b.Enabled && plain(b, first));
    EXPECT_EQ(b.Label6(second).MousePointer, tk::kCustomPointer);
    s.wait(20000);
    EXPECT_EQ(b.Label4.Caption, "DOMANDA DA 50 EURO"); // no more nudges for this question
    s.click("Form1", "Label6", second);
    EXPECT_TRUE(g.Form6.shown() && marked(b, second) && plain(b, first));
}

// Closing the window from its title bar acts as "NO", whether it has built up or not, and a
// window closed half built leaves the next one to build up from the frame.
TEST(FinalAnswerTest, ClosingTheWindowTakesTheAnswerBackAndTheNextOneBuildsUpFromTheFrame)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 1);
    int right = right_position(g);
    for (tk::Millis open_for : {200, 600}) {
        s.click("Form1", "Label6", right);
        s.wait(open_for);
        s.close("Form6");
        EXPECT_TRUE(!g.Form6.loaded() && b.Enabled && plain(b, right)) << open_for;
        EXPECT_FALSE(b.Timer7.Enabled || b.Timer8.Enabled);
        s.click("Form1", "Label6", right);
        s.wait(50);
        EXPECT_EQ(built(g.Form6), 1) << "after closing at " << open_for << " ms";
        EXPECT_TRUE(g.Form6.Shape1.Visible);
        s.close("Form6");
    }
}

// "SI" clicked in the 50 ms before "NO" shows: at the next question the window starts again from
// the frame.
TEST(FinalAnswerTest, ASiClickedBeforeNoShowsLeavesTheNextOpeningToBuildUpFromTheFrame)
{
    sim::Simulation s;
    Game& g = s.game();
    play_to_question(s, 1);
    s.click("Form1", "Label6", right_position(g));
    s.wait(500);
    ASSERT_TRUE(g.Form6.Label2(0).Visible && !g.Form6.Label2(1).Visible);
    s.click("Form6", "Label2", 0);
    EXPECT_TRUE(g.Form1.Timer7.Enabled);
    play_to_question(s, 2);
    s.click("Form1", "Label6", 0);
    s.wait(50);
    EXPECT_TRUE(g.Form6.Shape1.Visible && !g.Form6.Label2(1).Visible);
}

} // namespace
