// The three lifeline pictures on the board: the computer's 50:50, opening and closing the friend's
// and the audience's windows, and all three in one real game.
#include "tests/lifeline_board.h"
#include "tests/support.h"
#include "toolkit/inspect.h"

#include <gtest/gtest.h>

using namespace lifeline_board;

// What stays, by the right answer's position: scanning A to D the computer takes the first two
// wrong answers it meets, scanning D to A likewise from the bottom.
TEST(FiftyFifty, TakesTwoWrongAnswersInTheLevelsScanOrder)
{
    constexpr std::array<const char*, 4> kScanningAtoD = {"AD", "BD", "CD", "CD"};
    constexpr std::array<const char*, 4> kScanningDtoA = {"AB", "AB", "AC", "AD"};
    for (int level = 1; level <= 15; ++level) {
        bool a_to_d = level <= 3 || (level >= 8 && level <= 11);
        for (std::size_t right = 0; right <= 3; ++right) {
            SCOPED_TRACE("level " + std::to_string(level) + ", right answer " + kLetters[right]);
            sim::Simulation s;
            Game& g = s.game();
            Board& b = g.Form1;
            set_question(g, level, static_cast<int>(right));
            s.wait(5000);
            ASSERT_TRUE(s.click("Form1", "Image2"));
            s.wait(6001); // the computer's two messages play in the stored trace
            EXPECT_EQ(b.Label4.Caption, b.valdom);
            EXPECT_EQ(letters_left(g), (a_to_d ? kScanningAtoD : kScanningDtoA)[right]);
            EXPECT_TRUE(b.Enabled && !b.Timer13.Enabled);
            for (int i = 0; i <= 3; ++i) {
                bool stays = b.Label3(i).Visible;
                EXPECT_TRUE(b.Label3(i).Enabled == stays && b.Label6(i).Enabled == stays && b.Shape3(i).Visible);
                // A click on a removed letter reaches nothing that would take it.
                auto r = tk::control_rect(b, "Label6", i);
                tk::Hit hit = g.runtime.hit_test(b, r->x + r->w / 2, r->y + r->h / 2);
                EXPECT_EQ(hit.control == "Label6" && hit.enabled, stays) << kLetters[static_cast<std::size_t>(i)];
            }
        }
    }
}

// The phone and the audience: the host's value line comes back over a nudge, the picture is crossed
// out, and the board waits closed until the window hands it back, by its button or its title bar.
TEST(PhoneAndAudience, OpenOverAClosedBoardAndGiveItBackHoweverTheWindowIsClosed)
{
    for (bool phone : {true, false}) {
        for (bool by_title_bar : {false, true}) {
            SCOPED_TRACE(std::string(phone ? "phone" : "audience") + (by_title_bar ? ", title bar" : ", button"));
            sim::Simulation s;
            Game& g = s.game();
            Board& b = g.Form1;
            set_question(g, 7, 2);
            g.runtime.dispatch([&] { b.Label4.Caption = "SEI INDECISO?...."; });
            tk::Form& window = phone ? static_cast<tk::Form&>(g.Form4) : g.Form5;
            auto& cross = phone ? b.Line4 : b.Line5;
            tk::Picture& picture = phone ? b.Image3 : b.Image4;

            ASSERT_TRUE(s.click("Form1", phone ? "Image3" : "Image4"));
            EXPECT_EQ(b.Label4.Caption, b.valdom);
            EXPECT_TRUE(!b.Timer6.Enabled && !b.Enabled && !picture.Enabled);
            EXPECT_TRUE(cross(0).Visible && cross(1).Visible);
            EXPECT_EQ(g.runtime.stacking().back(), &window) << "the lifeline's window opens in front";
            EXPECT_EQ(b.aiuti, 2);
            s.wait(4000);
            s.click("Form1", "Image2");
            EXPECT_FALSE(b.Timer13.Enabled) << "the board answered a click while the window was open";

            if (by_title_bar)
                s.close(window.name());
            else
                s.click(window.name(), phone ? "Label2" : "Label10");
            EXPECT_TRUE(!window.loaded() && b.Enabled && !s.ended());
            EXPECT_FALSE(picture.Enabled) << "a lifeline is used once";
            EXPECT_FALSE(b.Timer6.Enabled) << "the nudges do not come back for this question";
        }
    }
}

// All three at question 1: the friend and the audience respect the 50:50; the crosses stay for the
// rest of the game, and with no lifeline left the host gives no more nudges.
TEST(AllThreeLifelines, InOneQuestionThenNoNudgesForTheRestOfTheGame)
{
    using namespace testing_support;
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 1);
    s.click("Form1", "Image2");
    ASSERT_TRUE(s.until([&] { return board_waits(g); }, 7000));
    std::string left = letters_left(g);
    s.click("Form1", "Image3");
    s.wait(1800);
    EXPECT_NE(left.find(g.Form4.lett), std::string::npos) << "the friend named a removed answer";
    s.click("Form4", "Label2");
    s.click("Form1", "Image4");
    s.wait(3000);
    int sum = 0;
    for (int i = 0; i <= 3; ++i) {
        sum += g.Form5.perc(i + 1);
        EXPECT_TRUE(b.Label3(i).Visible || g.Form5.perc(i + 1) == 0);
    }
    EXPECT_EQ(sum, 100);
    s.click("Form5", "Label10");
    ASSERT_TRUE(board_waits(g));
    EXPECT_EQ(b.aiuti, 0);

    choose_and_confirm(s, right_position(g));
    play_to_question(s, 2);
    for (int t = 1; t <= 16; ++t) {
        s.wait(1000);
        EXPECT_EQ(b.Label4.Caption, b.valdom) << "a nudge " << t << " s into question 2";
    }
    EXPECT_FALSE(b.Image2.Enabled || b.Image3.Enabled || b.Image4.Enabled);
    EXPECT_TRUE(b.Line3(0).Visible && b.Line4(0).Visible && b.Line5(0).Visible);
    EXPECT_EQ(letters_left(g), "ABCD") << "the 50:50 belonged to question 1 only";
}
