// A scripted game through questions 1 to 4, traced line by line and compared with the stored
// trace, so that any change of timing or text shows up. The same trace comes from
//   simulate --start 12:00:00 --trace STEPS...
// with the steps below; RUVANTIA_UPDATE_GOLDEN=1 makes this test write it afresh.
#include "tests/support.h"
#include "tools/sim/commands.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

// The player hesitates through every nudge at question 1, takes a wrong answer back with "NO",
// then answers right up to question 3 and wrong at question 4, until the ending takes over.
const std::vector<std::string> kSteps = {
    "wait 900",
    "click Form1.Image1",
    "until Form1.Timer6.Enabled=true",
    "wait 16000",
    "answer wrong",
    "wait 600",
    "click Form6.Label2(1)",
    "answer right",
    "wait 600",
    "click Form6.Label2(0)",
    "until Form1.Timer6.Enabled=true",
    "answer right",
    "wait 600",
    "click Form6.Label2(0)",
    "until Form1.Timer6.Enabled=true",
    "answer right",
    "wait 600",
    "click Form6.Label2(0)",
    "until Form1.Timer6.Enabled=true",
    "answer wrong",
    "wait 600",
    "click Form6.Label2(0)",
    "until Form1.Timer10.Enabled=true",
};

TEST(GoldenTest, QuestionsOneToFourKeepTheirTimingAndTexts)
{
    expect_golden("questions_1_to_4", kSteps, [](Game& g) { EXPECT_TRUE(g.Form1.Timer10.Enabled); });
}

} // namespace
