// The opening: the blinking invitation, the logo click, the board's reveal and the ladder sweep,
// in virtual time and as drawn off screen.
#include "tests/support.h"
#include "toolkit/sdl/snapshot.h"

#include <gtest/gtest.h>

namespace {

using namespace colors;

// Seven hours and more of nobody clicking: the counter wraps without overflowing and the
// invitation keeps its rhythm.
TEST(OpeningTest, TheInvitationKeepsBlinkingThroughTheNight)
{
    sim::Simulation s;
    Board& b = s.game().Form1;
    s.wait(10LL * 3600 * 1000 - 1);
    // Tick n (from 0) falls at 800 (n + 1) ms and shows the text when n is even.
    long long ticks = (10LL * 3600 * 1000 - 1) / 800;
    EXPECT_EQ(b.Label4.Caption, (ticks - 1) % 2 == 0 ? "CLICCA SUL LOGO PER INIZIARE!!!" : "");
    std::string before = b.Label4.Caption;
    s.wait(800);
    EXPECT_NE(b.Label4.Caption, before);
}

TEST(OpeningTest, AClickBeforeTheFirstBlinkStartsAtOnceAndTheInvitationNeverComesBack)
{
    sim::Simulation s;
    Board& b = s.game().Form1;
    s.wait(100);
    s.click("Form1", "Image1");
    EXPECT_FALSE(b.Image1.Enabled);
    EXPECT_EQ(b.Image1.ToolTipText, "");
    EXPECT_TRUE(b.Timer2.Enabled);
    s.wait(4000);
    EXPECT_NE(b.Label4.Caption, "CLICCA SUL LOGO PER INIZIARE!!!");
    int reveals = b.y;
    s.click("Form1", "Image1"); // the logo answers only once
    s.wait(100);
    EXPECT_EQ(b.y, reveals + 1);
}

TEST(OpeningTest, ClicksDuringTheRevealAndTheSweepDoNothing)
{
    sim::Simulation s;
    Game& g = s.game();
    s.click("Form1", "Image1");
    s.wait(4500);
    s.click("Form1", "Label5");
    s.click("Form1", "Image2");
    s.click("Form1", "Label3", 0);
    EXPECT_FALSE(g.Form2.loaded() || g.Form4.loaded() || g.Form5.loaded() || g.Form6.loaded());
    EXPECT_EQ(g.Form1.aiuti, 3);
}

// Drawn off screen at scale 1: the lit rung is green, the others the board's blue, the logo there.
TEST(OpeningTest, SnapshotsShowTheLightOnTheLadder)
{
    sim::Simulation s;
    Board& b = s.game().Form1;
    s.click("Form1", "Image1");
    s.wait(4300 + 40 * 5); // the fifth rung is lit
    ASSERT_EQ(b.Label1(4).BackColor, kGreen);
    auto shot = tk::sdl::render(b);
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->w, 823);
    EXPECT_EQ(shot->h, 731);
    auto inside = [&](const tk::Label& l) {
        return tk::sdl::pixel(shot.get(), (l.Left + l.Width - 150) / 15, (l.Top + 60) / 15);
    };
    EXPECT_EQ(inside(b.Label1(4)), kGreen);
    EXPECT_EQ(inside(b.Label1(3)), kBoard);
    EXPECT_EQ(inside(b.Label1(5)), kBoard);
    // The rung's frame is drawn over its label.
    EXPECT_EQ(tk::sdl::pixel(shot.get(), b.Label1(3).Left / 15, (b.Label1(3).Top + 100) / 15), kFrame);
    // The logo is drawn: its centre is not the board's blue.
    EXPECT_NE(
        tk::sdl::pixel(shot.get(), (b.Image1.Left + b.Image1.Width / 2) / 15, (b.Image1.Top + 1000) / 15), kBoard);
}

} // namespace
