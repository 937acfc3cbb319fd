// A scripted game through questions 1 to 4, traced line by line and compared with the stored
// trace, so that any change of timing or text shows up. The same trace comes from
//   simulate --start 12:00:00 --trace STEPS...
// with the steps below; RUVANTIA_UPDATE_GOLDEN=1 makes this test write it afresh.
#include "tests/support.h"
#include "tools/sim/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using namespace testing_support;

// The player hesitates through every nudge at question 1, takes a wrong answer back with "NO",
// then answers right up to question 3 and wrong at question 4, until the ending takes over.
const std::vector<std::string> kSteps = {
    "wait 900", "click Form1.Image1", "until Form1.Timer6.Enabled=true", "wait 16000", "answer wrong", "wait 600",
    "click Form6.Label2(1)", "answer right", "wait 600", "click Form6.Label2(0)", "until Form1.Timer6.Enabled=true",
    "answer right", "wait 600", "click Form6.Label2(0)", "until Form1.Timer6.Enabled=true", "answer right",
    "wait 600", "click Form6.Label2(0)", "until Form1.Timer6.Enabled=true", "answer wrong", "wait 600",
    "click Form6.Label2(0)", "until Form1.Timer10.Enabled=true",
};

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Where the two traces part, with the lines around it: "-" stored, "+" now.
std::string difference(const std::vector<std::string>& want, const std::vector<std::string>& got)
{
    std::size_t at = std::mismatch(want.begin(), want.end(), got.begin(), got.end()).first - want.begin();
    std::ostringstream out;
    out << "traces part at line " << at + 1 << " (stored " << want.size() << " lines, now " << got.size() << ")\n";
    for (std::size_t i = at < 3 ? 0 : at - 3; i < at; ++i)
        out << "  " << want[i] << '\n';
    for (std::size_t i = at; i < std::min(want.size(), at + 4); ++i)
        out << "- " << want[i] << '\n';
    for (std::size_t i = at; i < std::min(got.size(), at + 4); ++i)
        out << "+ " << got[i] << '\n';
    return out.str();
}

TEST(GoldenTest, QuestionsOneToFourKeepTheirTimingAndTexts)
{
    std::ostringstream trace;
    {
        sim::Simulation s(12 * 3600, &trace);
        ASSERT_EQ(sim::run_steps(s, kSteps), 0);
        ASSERT_TRUE(s.game().Form1.Timer10.Enabled);
    }
    std::string path = std::string(kGolden) + "/questions_1_to_4.trace";
    if (std::getenv("RUVANTIA_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << trace.str();
        GTEST_SKIP() << "wrote " << path;
    }
    std::vector<std::string> want = lines_of(read_file(path)), got = lines_of(trace.str());
    ASSERT_FALSE(want.empty()) << "no stored trace at " << path;
    EXPECT_TRUE(want == got) << difference(want, got);
}

} // namespace
