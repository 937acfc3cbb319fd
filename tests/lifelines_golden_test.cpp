// A scripted game that uses each lifeline, traced line by line and compared with the stored trace:
// the 50:50 at question 4 (scanning D to A), the friend at question 7 after a nudge, the audience at
// question 12 after the nudges, closed from its title bar; at question 13 no nudge comes any more,
// and a wrong answer starts the ending. The same trace comes from
//   simulate --start 12:00:00 --trace STEPS...
// with the steps below; RUVANTIA_UPDATE_GOLDEN=1 makes this test write it afresh.
#include "tests/support.h"
#include "tools/sim/commands.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

std::vector<std::string> steps()
{
    const std::string waits = "until Form1.Timer6.Enabled=true";
    const std::vector<std::string> right = {"answer right", "wait 600", "click Form6.Label2(0)", waits};
    std::vector<std::string> s = {"wait 900", "click Form1.Image1", waits};
    auto add = [&s](const std::vector<std::string>& more) { s.insert(s.end(), more.begin(), more.end()); };
    for (int q = 1; q <= 3; ++q)
        add(right);
    add({"wait 2000", "click Form1.Image2", "until Form1.Timer13.Enabled=false"});
    for (int q = 4; q <= 6; ++q)
        add(right);
    add({"wait 9500", "click Form1.Image3", "wait 1800", "click Form4.Label2"});
    for (int q = 7; q <= 11; ++q)
        add(right);
    add({"wait 14000", "click Form1.Image4", "wait 3000", "close Form5"});
    add(right);
    add({"wait 16000", "answer wrong", "wait 600", "click Form6.Label2(0)", "until Form1.Timer10.Enabled=true"});
    return s;
}

TEST(LifelinesGolden, AGameThatUsesEachLifelineKeepsItsTimingAndTexts)
{
    expect_golden("lifelines", steps(), [](Game& g) {
        EXPECT_EQ(g.Form1.aiuti, 0);
        EXPECT_TRUE(g.Form1.Timer10.Enabled);
    });
}

} // namespace
