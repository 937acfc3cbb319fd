// The friend at home: the letter named in each level band, the sentences, and the window.
#include "tests/lifeline_board.h"

#include <gtest/gtest.h>

#include <set>

using namespace lifeline_board;

// Each draw of ty names the right answer or the first wrong one still on the board, whatever the
// computer took away before; up to question 5 nothing is drawn and the friend is always right.
TEST(Phone, EachDrawNamesTheRightAnswerOrTheFirstWrongOneLeft)
{
    struct Case {
        int level, right;
        std::vector<int> removed;
        const char *when_right, *when_wrong;
        int last_right_ty;
    };
    for (const Case& c : {Case {3, 2, {}, "C", "C", 9}, Case {5, 3, {0, 1}, "D", "D", 9}, Case {8, 0, {}, "A", "B", 8},
             Case {6, 0, {1, 2}, "A", "D", 8}, Case {10, 2, {}, "C", "A", 8}, Case {14, 0, {}, "A", "B", 4},
             Case {12, 3, {0, 2}, "D", "B", 4}, Case {15, 1, {0, 3}, "B", "C", 4}}) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        sim::Simulation s;
        Game& g = s.game();
        set_question(g, c.level, c.right, c.removed);
        std::set<int> seen;
        for (int n = 0; n < 200; ++n) {
            reopen(g, g.Form4);
            seen.insert(g.Form4.ty);
            EXPECT_EQ(g.Form4.lett, g.Form4.ty <= c.last_right_ty ? c.when_right : c.when_wrong) << g.Form4.ty;
        }
        std::set<int> every_draw = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, no_draw = {-1};
        EXPECT_EQ(seen, c.level <= 5 ? no_draw : every_draw);
    }
}

TEST(Phone, TheFriendIsRightNineTimesInTenThenOneInTwo)
{
    for (auto [level, low, high] : {std::tuple {7, 0.87, 0.93}, std::tuple {13, 0.46, 0.54}}) {
        sim::Simulation s;
        Game& g = s.game();
        set_question(g, level, 2);
        int right = 0, calls = 4000;
        for (int n = 0; n < calls; ++n) {
            reopen(g, g.Form4);
            right += g.Form4.lett == "C";
        }
        EXPECT_TRUE(right > low * calls && right < high * calls) << "level " << level << ": " << right;
    }
}

// The letter is settled as the window opens; the sentence comes 1.5 s after the button, so a
// player who hangs up during that pause hears nothing.
TEST(Phone, HangingUpBeforeTheFriendSpeaksClosesTheCall)
{
    sim::Simulation s;
    Game& g = s.game();
    set_question(g, 3, 2);
    s.click("Form1", "Image3");
    EXPECT_EQ(g.Form4.lett, "C");
    s.wait(1699);
    EXPECT_TRUE(g.Form4.Label2.Visible && g.Form4.Label1.Caption.empty() && !g.Form1.Enabled);
    s.click("Form4", "Label2");
    s.wait(2000);
    EXPECT_TRUE(!g.Form4.loaded() && g.Form1.Enabled);
    EXPECT_EQ(g.Form4.fg, 0) << "the friend spoke after hanging up";
}

// Every one of the ten sentences of each band can be heard, worded as the friend says it.
TEST(Phone, EverySentenceOfEachBandCanBeDrawn)
{
    struct Band {
        int level;
        std::string some, another; // '#' stands for the letter
    };
    for (const Band& band :
        {Band {2, "Come fai a non saperla? E' la #", "E' la #, ne sono sicuro"},
            Band {6, "Spero sia la #, ma non posso dirti di esserne sicuro", "Dovrebbe essere la #, però ragionaci su"},
            Band {11, "Non so, sarà la #?!", "Non so, prova con la #, tuttavia è un gioco"}}) {
        sim::Simulation s;
        Game& g = s.game();
        set_question(g, band.level, 1);
        s.click("Form1", "Image3");
        s.wait(200);
        std::set<std::string> heard;
        for (int n = 0; n < 200; ++n) {
            g.runtime.dispatch([&] {
                g.Form4.dh = 4;
                g.Form4.Timer1_Timer();
            });
            heard.insert(g.Form4.Label1.Caption);
        }
        EXPECT_EQ(heard.size(), 10u) << "level " << band.level;
        for (std::string sentence : {band.some, band.another}) {
            sentence.replace(sentence.find('#'), 1, g.Form4.lett);
            EXPECT_TRUE(heard.count(sentence)) << sentence;
        }
    }
}
