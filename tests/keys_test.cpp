// The show's keys: each chooses, in the window in front, what a click would choose there, and
// only where that click would count.
#include "tests/support.h"

#include <sstream>

namespace {

using testing_support::board_waits;
using testing_support::right_position;
using testing_support::wrong_position;

// One show, the same moments either way: a key pressed where nothing takes it, the friend on the
// phone sent back, a final answer taken back and then given, a walk-away refused and then taken.
std::string show(bool by_keys)
{
    std::ostringstream trace;
    sim::Simulation s(12 * 3600, &trace);
    Game& g = s.game();
    auto press = [&](std::string key, std::string_view form, std::string_view control, int index = -1) {
        if (by_keys)
            EXPECT_TRUE(s.driver().key(nullptr, key, s.now())) << key;
        else
            s.click(form, control, index);
    };
    auto letter = [](int i) { return std::string(1, static_cast<char>('A' + i)); };
    s.wait(1500);
    if (by_keys) {
        // A letter before any question is bound but takes nothing; Esc never closes the board.
        EXPECT_TRUE(s.driver().key(nullptr, "A", s.now()));
        EXPECT_FALSE(s.driver().key(nullptr, "Escape", s.now()));
    }
    press("Enter", "Form1", "Image1");
    EXPECT_TRUE(s.until([&] { return board_waits(g); }, 120000));
    press("T", "Form1", "Image3");
    EXPECT_TRUE(s.until([&] { return g.Form4.loaded() && g.Form4.Label2.Visible; }, 60000));
    press("Escape", "Form4", "Label2");
    EXPECT_TRUE(s.until([&] { return board_waits(g); }, 10000));
    int wrong = wrong_position(g);
    press(letter(wrong), "Form1", "Label6", wrong);
    EXPECT_TRUE(s.until([&] { return g.Form6.loaded() && g.Form6.Label2(1).Visible; }, 5000));
    press("N", "Form6", "Label2", 1);
    EXPECT_TRUE(s.until([&] { return board_waits(g); }, 10000));
    int right = right_position(g);
    press(std::to_string(right + 1), "Form1", "Label6", right);
    EXPECT_TRUE(s.until([&] { return g.Form6.loaded() && g.Form6.Label2(0).Visible; }, 5000));
    press("Enter", "Form6", "Label2", 0);
    EXPECT_TRUE(s.until([&] { return board_waits(g) && g.Form1.conta == 2; }, 120000));
    press("R", "Form1", "Label5");
    EXPECT_TRUE(s.until([&] { return g.Form2.loaded() && g.Form2.Label3.Visible; }, 10000));
    press("Escape", "Form2", "Label3");
    EXPECT_TRUE(s.until([&] { return board_waits(g); }, 10000));
    press("R", "Form1", "Label5");
    EXPECT_TRUE(s.until([&] { return g.Form2.loaded() && g.Form2.Label3.Visible; }, 10000));
    press("S", "Form2", "Label2");
    EXPECT_TRUE(s.until([&] { return s.ended(); }, 600000));
    return trace.str();
}

TEST(KeysTest, AShowPlayedByKeysIsTheShowPlayedByClicks)
{
    std::string keys = show(true);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(keys, show(false));
}

} // namespace
