// The random player: its games end every way a game can end, it can be replayed, and its checks
// do catch a show that breaks its promises.
#include "tests/support.h"
#include "tools/sim/commands.h"
#include "tools/sim/monkey.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using testing_support::play_to_question;

TEST(MonkeyTest, ThreeHundredGamesEndEveryWayAndBreakNoPromise)
{
    std::ostringstream report;
    sim::MonkeyTally tally = sim::run_monkey(300, 42, report);
    EXPECT_EQ(tally.violations, 0) << report.str();
    EXPECT_EQ(tally.games, 300);
    EXPECT_GT(tally.wrong, 0);
    EXPECT_GT(tally.walked, 0);
    EXPECT_GT(tally.million, 0);
    EXPECT_GT(tally.closed, 0);
    EXPECT_EQ(tally.wrong + tally.walked + tally.million + tally.closed, tally.games);
    EXPECT_EQ(sim::summary(tally).rfind("300 games: wrong ", 0), 0u);
}

// The steps a monkey prints replay its game exactly, through the plain simulate steps.
TEST(MonkeyTest, ItsStepsReplayTheSameGame)
{
    for (std::uint64_t seed : {3u, 11u, 26u}) {
        sim::Monkey monkey(seed);
        monkey.play();
        ASSERT_FALSE(monkey.violation()) << monkey.report();
        sim::Monkey again(seed);
        again.play();
        EXPECT_EQ(again.steps(), monkey.steps());

        sim::Simulation replay(monkey.start_seconds());
        EXPECT_EQ(sim::run_steps(replay, monkey.steps()), 0);
        EXPECT_TRUE(replay.ended());
        Game& a = monkey.simulation().game();
        Game& b = replay.game();
        EXPECT_EQ(b.Form1.Label4.Caption, a.Form1.Label4.Caption);
        EXPECT_EQ(b.Form1.Label2.Caption, a.Form1.Label2.Caption);
        EXPECT_EQ(b.Form1.conta, a.Form1.conta);
        EXPECT_EQ(b.Form1.aiuti, a.Form1.aiuti);
        EXPECT_EQ(b.Form1.sa, a.Form1.sa);
        EXPECT_EQ(b.Form3.ds, a.Form3.ds);
    }
}

// A show that breaks a promise is caught: the checks run on a game tampered with.
TEST(MonkeyTest, ItsChecksCatchABrokenShow)
{
    auto tampered = [](auto tamper) {
        sim::Monkey monkey(7);
        play_to_question(monkey.simulation(), 1);
        monkey.check();
        EXPECT_FALSE(monkey.violation()) << *monkey.violation();
        tamper(monkey.simulation().game());
        monkey.check();
        return monkey.violation().value_or("");
    };
    EXPECT_NE(
        tampered([](Game& g) { g.Form1.Enabled = false; }).find("nothing running to enable it"), std::string::npos);
    EXPECT_NE(tampered([](Game& g) { g.Form1.clic = 2; }).find("refuses every answer"), std::string::npos);
    EXPECT_NE(tampered([](Game& g) { g.Form1.Label4.Caption = "DOMANDA DA 100 EURO"; }).find("during question 1"),
        std::string::npos);
    EXPECT_NE(tampered([](Game& g) {
        g.Form1.Label4.Caption = "TORNI A CASA A MANI VUOTE....";
    }).find("before the game has ended"),
        std::string::npos);
    EXPECT_NE(tampered([](Game& g) {
        g.Form1.Label4.Caption = "NE HAI ANCORA A DISPOSIZIONE 2";
    }).find("with 3 lifelines left"),
        std::string::npos);
    EXPECT_NE(tampered([](Game& g) { g.Form1.Label4.Caption = "CIAO"; }).find("not the game's"), std::string::npos);
    EXPECT_NE(tampered([](Game& g) {
        for (int i = 0; i <= 3; ++i)
            if (g.Form1.Label3(i).Caption == g.Form1.risgiusta)
                g.Form1.Label3(i).Visible = false;
    }).find("right answer is not on the board"),
        std::string::npos);
    EXPECT_NE(tampered([](Game& g) { g.Form1.indlab = 4; }).find("indlab is 4"), std::string::npos);
}

} // namespace
