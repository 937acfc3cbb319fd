// The real-time mode plays the very show that virtual time plays: the same changes at the same
// due times, each made no earlier than it was due. (How late is the bench's business, not a
// test's: nothing here depends on the machine's speed.)
#include "tests/support.h"
#include "tools/sim/realtime.h"
#include "tools/sim/simulation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using testing_support::lines_of;

TEST(RealTimeTest, PlaysTheVirtualScheduleAndNothingHappensEarly)
{
    std::ostringstream virtual_trace, real_trace;
    {
        sim::Simulation s(12 * 3600, &virtual_trace);
        s.wait(900);
        s.click("Form1", "Image1");
        s.wait(1500);
    }
    {
        sim::RealTime r(12 * 3600, &real_trace, false);
        ASSERT_TRUE(r.ok());
        r.wait(900);
        ASSERT_TRUE(r.click("Form1", "Image1"));
        r.wait(1500);
    }
    std::vector<std::string> want = lines_of(virtual_trace.str()), got = lines_of(real_trace.str());
    ASSERT_EQ(want.size(), got.size()) << real_trace.str();
    ASSERT_GT(want.size(), 20u);
    for (std::size_t i = 0; i < got.size(); ++i) {
        // "<due> <real> <change>": without the real time, the virtual line.
        std::size_t a = got[i].find(' '), b = got[i].find(' ', a + 1);
        ASSERT_NE(b, std::string::npos) << got[i];
        EXPECT_EQ(got[i].substr(0, a) + got[i].substr(b), want[i]);
        EXPECT_GE(std::stod(got[i].substr(a + 1, b - a - 1)), std::stod(got[i].substr(0, a))) << got[i];
    }
}

} // namespace
