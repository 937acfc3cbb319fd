// The verdict after "SI": a right answer blinks green and climbs one rung, a wrong one blinks red
// and names the right letter; the timings hold to the millisecond.
#include "tests/support.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace colors;
using namespace testing_support;
using Seen = std::vector<std::pair<tk::Millis, std::string>>;

std::string hex(tk::Color c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(c));
    return text;
}

// The host line, the colour of one answer box, and whether the board takes clicks.
std::string verdict(Board& b, int box)
{
    return b.Label4.Caption + "|" + hex(b.Label3(box).BackColor) + (b.Enabled ? "|on" : "|off");
}

// Blinks every 100 ms from `from`: green, orange, green, ... seven times, at `text` in the host line.
void add_blinks(Seen& seen, tk::Millis from, const std::string& text)
{
    for (int i = 0; i < 7; ++i)
        seen.emplace_back(from + 100 * i, text + "|" + hex(i % 2 == 0 ? kGreen : kOrange) + "|off");
}

TEST(RevealTest, ARightAnswerIsAnnouncedBlinksAndClimbsOneRungThenTheNextQuestionFollows)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 1);
    int right = right_position(g);
    choose_and_confirm(s, right);
    tk::Millis si = s.now();

    // The first right answer of a game has one idle tick of 1 ms, and Timer9 one of 100 ms; the
    // board stays locked until the next question's answers stand.
    Seen seen = watch(
        s, [&] { return verdict(b, right); }, 20802, si);
    Seen expected {{2, "LA RISPOSTA E'....|#FF8000|off"}, {3002, "ESATTA!!!!|#FF8000|off"}};
    add_blinks(expected, 3202, "ESATTA!!!!");
    expected.insert(expected.end(),
        {{5802, "|#000040|off"}, {8802, std::string(b.frasi(2, b.qq)) + "|#000040|off"},
            {11802, "DOMANDA DA 100 EURO|#000040|off"}, {20802, "DOMANDA DA 100 EURO|#000040|on"}});
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(b.conta, 2);
    EXPECT_EQ(b.Label1(0).BackColor, kGreen);
    EXPECT_EQ(b.Label1(0).ForeColor, kPurple);

    // From the second right answer on, the verdict comes at the first tick and the blinking too.
    right = right_position(g);
    choose_and_confirm(s, right);
    si = s.now();
    seen = watch(
        s, [&] { return verdict(b, right); }, 5701, si);
    expected = {{1, "LA RISPOSTA E'....|#FF8000|off"}, {3001, "ESATTA!!!!|#FF8000|off"}};
    add_blinks(expected, 3101, "ESATTA!!!!");
    expected.emplace_back(5701, "|#000040|off");
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(b.Label1(1).BackColor, kGreen);
    EXPECT_EQ(b.Label1(0).BackColor, kBoard);
    EXPECT_EQ(b.Label1(0).ForeColor, kRungText);
    EXPECT_TRUE(b.Timer4.Enabled && !b.Label3(right).Visible && !b.Label6(right).Enabled);
    EXPECT_EQ(b.Label6(right).MousePointer, tk::kCustomPointer);
}

TEST(RevealTest, AWrongAnswerBlinksRedNamesTheRightLetterAndHandsOverToTheEnding)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 1);
    int wrong = wrong_position(g), right = right_position(g);
    choose_and_confirm(s, wrong);
    Seen seen = watch(
        s, [&] { return verdict(b, wrong); }, 9902, s.now());
    Seen expected {{2, "LA RISPOSTA E'....|#FF8000|off"}, {3002, "SBAGLIATA....|#FF8000|off"}};
    for (int i = 0; i < 9; ++i) // red, orange, ..., red
        expected.emplace_back(3102 + 100 * i, "SBAGLIATA....|" + hex(i % 2 == 0 ? kRed : kOrange) + "|off");
    expected.insert(expected.end(),
        {{6902, "LA RISPOSTA ESATTA....|#FF0000|off"},
            {9902, "ERA LA LETTERA " + std::string(1, "ABCD"[right]) + "|#FF0000|off"}});
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(b.Timer10.Enabled && !b.Timer8.Enabled);
    EXPECT_TRUE(b.Label3(wrong).ForeColor == kPurple && b.Label3(right).BackColor == kBoard);
    EXPECT_EQ(b.Label6(right).MousePointer, tk::kDefaultPointer);
}

TEST(RevealTest, AfterTheFifthQuestionTheLadderIsLeftToTheMilestone)
{
    sim::Simulation s;
    Game& g = s.game();
    Board& b = g.Form1;
    play_to_question(s, 5);
    choose_and_confirm(s, right_position(g));
    ASSERT_TRUE(s.until([&] { return b.Timer14.Enabled; }, 10000));
    EXPECT_FALSE(b.Timer9.Enabled || b.Timer4.Enabled || b.Label3(0).Visible || b.Label6(3).Visible);
    EXPECT_TRUE(b.Label1(3).BackColor == kGreen && b.Label1(4).BackColor == kBoard);
    EXPECT_EQ(b.Label4.Caption, "ESATTA!!!!");
}

} // namespace
