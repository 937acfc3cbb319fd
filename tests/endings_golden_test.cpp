// One scripted game of each ending, traced line by line and compared with the stored traces:
// a wrong answer right after the first milestone, walking away (after a "NO") at question 3,
// and the million, with the 50:50 taken at the last question, on to the end of the goodbye
// screen. The same traces come from
//   simulate --start 12:00:00 --trace STEPS...
// with the steps below; RUVANTIA_UPDATE_GOLDEN=1 makes this test write them afresh.
#include "tests/support.h"
#include "tools/sim/commands.h"

#include <vector>

namespace {

using namespace testing_support;

// The logo, then `right` questions answered right, each as soon as its answers stand.
std::vector<std::string> answering_right(int right)
{
    std::vector<std::string> steps = {"wait 900", "click Form1.Image1", "until Form1.Timer6.Enabled=true"};
    for (int i = 0; i < right; ++i)
        steps.insert(
            steps.end(), {"answer right", "wait 600", "click Form6.Label2(0)", "until Form1.Timer6.Enabled=true"});
    return steps;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Up to the moment the board closes and the goodbye screen opens.
const std::vector<std::string> kToGoodbye = {"until Form1.Timer11.Enabled=true", "wait 2040"};

struct Script {
    const char* name;
    std::vector<std::string> steps;
    const char* won; // what the page's end says was taken home
};

const std::vector<Script> kScripts = {
    {"ending_wrong_answer",
        answering_right(5) + std::vector<std::string> {"answer wrong", "wait 600", "click Form6.Label2(0)"}
            + kToGoodbye,
        "500 €"},
    {"ending_walk_away",
        answering_right(2)
            + std::vector<std::string> {"click Form1.Label5", "wait 400", "click Form2.Label3", "wait 2000",
                "click Form1.Label5", "wait 400", "click Form2.Label2"}
            + kToGoodbye,
        "100 €"},
    {"ending_million",
        answering_right(14)
            + std::vector<std::string> {"wait 2000", "click Form1.Image2", "until Form1.Timer13.Enabled=false",
                "answer right", "wait 600", "click Form6.Label2(0)", "wait 60000"},
        "1.000.000 €"},
};

TEST(EndingsGoldenTest, EachEndingKeepsItsTimingAndTexts)
{
    for (const Script& script : kScripts) {
        SCOPED_TRACE(script.name);
        expect_golden(script.name, script.steps, [&script](Game& g) {
            EXPECT_FALSE(g.Form1.loaded());
            EXPECT_EQ(g.Form1.sum_won(), script.won);
            EXPECT_TRUE(g.Form3.loaded() || g.runtime.finished());
        });
    }
}

} // namespace
