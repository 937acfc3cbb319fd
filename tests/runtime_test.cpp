// The forms runtime: timers, loading and unloading, clicks, the end of the program, chance.
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct TestControls {
    tk::Label Front {.Width = 100, .Height = 100, .Caption = "front"};
    tk::Label Back {.Width = 200, .Height = 200, .Caption = "back"};
    tk::Shape Frame {.Width = 300, .Height = 300};
};

// A window whose handlers write down what happened.
class TestForm final : public tk::Form, public TestControls {
public:
    TestForm(tk::Runtime& rt, std::vector<std::string>& log, const char* name = "Form9")
        : tk::Form(rt, tk::FormDesign {name, "test", 3000, 3000})
        , log_(log)
    {
    }
    void visit_controls(tk::ControlVisitor& v) override
    {
        tk::visit(v, "Frame", Frame);
        tk::visit(v, "Back", Back);
        tk::visit(v, "Front", Front);
    }
    void click(std::string_view control, int) override { log_.push_back(std::string(control)); }
    int loads = 0;
    int kept = 0; // a window variable
    std::function<void()> on_a, on_b;
    tk::Timer A {*this, "A", 100, false, [this] {
                     log_.push_back("A@" + std::to_string(runtime().now()));
                     if (on_a)
                         on_a();
                 }};
    tk::Timer B {*this, "B", 100, false, [this] {
                     log_.push_back("B@" + std::to_string(runtime().now()));
                     if (on_b)
                         on_b();
                 }};

protected:
    void Form_Load() override { ++loads; }
    void reset_controls() override { static_cast<TestControls&>(*this) = TestControls {}; }

private:
    std::vector<std::string>& log_;
};

struct RuntimeTest : ::testing::Test {
    tk::ManualClock clock;
    tk::Random random;
    tk::Runtime rt {clock, random};
    std::vector<std::string> log;
    TestForm form {rt, log};
    void advance(tk::Millis t)
    {
        while (auto due = rt.next_due()) {
            if (*due > t)
                break;
            clock.set(*due);
            rt.run_next(*due);
        }
        clock.set(t);
        rt.run_until(t);
    }
    void show()
    {
        rt.dispatch([&] { form.Show(); });
    }
};

TEST_F(RuntimeTest, TimersTickEarliestFirstAndTiesInSchedulingOrder)
{
    show();
    rt.dispatch([&] {
        form.B.Enabled = true;
        form.A.Enabled = true;
    });
    advance(250);
    EXPECT_EQ(log, (std::vector<std::string> {"B@100", "A@100", "B@200", "A@200"}));
}

TEST_F(RuntimeTest, IntervalChangedInsideHandlerAppliesFromTheNextTickWithoutDrift)
{
    show();
    form.on_a = [&] { form.A.Interval = 30; };
    rt.dispatch([&] { form.A.Enabled = true; });
    advance(200);
    EXPECT_EQ(log, (std::vector<std::string> {"A@100", "A@130", "A@160", "A@190"}));
}

TEST_F(RuntimeTest, ReEnablingInsideItsOwnHandlerRestartsTheInterval)
{
    show();
    int n = 0;
    form.on_a = [&] {
        if (++n == 1) {
            form.A.Enabled = false;
            form.A.Interval = 50;
            form.A.Enabled = true;
        }
    };
    rt.dispatch([&] { form.A.Enabled = true; });
    advance(220);
    EXPECT_EQ(log, (std::vector<std::string> {"A@100", "A@150", "A@200"}));
}

TEST_F(RuntimeTest, DisabledTimerInsideAnotherHandlerDoesNotTick)
{
    show();
    form.on_a = [&] { form.B.Enabled = false; };
    rt.dispatch([&] {
        form.A.Enabled = true;
        form.B.Enabled = true;
    });
    advance(150);
    EXPECT_EQ(log, (std::vector<std::string> {"A@100"}));
}

TEST_F(RuntimeTest, ReloadRestoresDesignControlsButKeepsVariables)
{
    show();
    rt.dispatch([&] {
        form.Front.Caption = "changed";
        form.kept = 7;
        form.A.Interval = 999;
        form.A.Enabled = true;
        form.Unload();
    });
    EXPECT_TRUE(rt.finished()); // nothing loaded after the handler: the program ends
    tk::Runtime rt2 {clock, random};
    std::vector<std::string> log2;
    TestForm other(rt2, log2);
    rt2.dispatch([&] {
        other.Show();
        other.Front.Caption = "x";
        other.kept = 5;
        other.Unload();
        other.Show(); // unloaded and shown again inside one handler: the program goes on
    });
    EXPECT_FALSE(rt2.finished());
    EXPECT_EQ(other.Front.Caption, "front");
    EXPECT_EQ(other.kept, 5);
    EXPECT_EQ(other.loads, 2);
    EXPECT_EQ(int(other.A.Interval), 100);
}

TEST_F(RuntimeTest, UnloadStopsTimersAndAHandlerMayUnloadItsOwnWindow)
{
    TestForm second(rt, log, "Form8");
    show();
    rt.dispatch([&] { second.Show(); });
    form.on_a = [&] {
        form.Unload();
        form.kept = 1; // the window object outlives its controls
    };
    rt.dispatch([&] {
        form.A.Enabled = true;
        form.B.Enabled = true;
    });
    advance(500);
    EXPECT_EQ(log, (std::vector<std::string> {"A@100"}));
    EXPECT_FALSE(rt.finished());
    rt.dispatch([&] { second.Unload(); });
    EXPECT_TRUE(rt.finished());
}

TEST_F(RuntimeTest, ClicksGoToTheTopmostVisibleLabelAndStopThereWhenDisabled)
{
    show();
    EXPECT_TRUE(rt.click_at(form, 50, 50));
    form.Front.Visible = false;
    EXPECT_TRUE(rt.click_at(form, 50, 50));
    form.Front.Visible = true;
    form.Front.Enabled = false; // covers Back: the click is lost, not passed beneath
    EXPECT_FALSE(rt.click_at(form, 50, 50));
    EXPECT_TRUE(rt.click_at(form, 150, 150));
    form.Enabled = false;
    EXPECT_FALSE(rt.click_at(form, 150, 150));
    form.Enabled = true;
    EXPECT_FALSE(rt.click_at(form, 250, 250)); // only the shape lies there
    EXPECT_EQ(log, (std::vector<std::string> {"Front", "Back", "Back"}));
}

TEST_F(RuntimeTest, AStallReanchorsTimersInsteadOfFiringEveryMissedTick)
{
    show();
    rt.dispatch([&] { form.A.Enabled = true; });
    clock.set(5000);
    rt.reanchor(5000, 1000);
    advance(5250);
    EXPECT_EQ(log, (std::vector<std::string> {"A@5000", "A@5100", "A@5200"}));
}

TEST(RandomTest, ReseedingTwiceInTheSameSecondGivesIndependentDraws)
{
    tk::Random r;
    std::set<int> draws;
    for (int i = 0; i < 50; ++i) {
        r.Randomize(43200);
        draws.insert(r.below(1000000));
    }
    EXPECT_EQ(draws.size(), 50u);
    double lo = 1, hi = 0;
    for (int i = 0; i < 10000; ++i) {
        double v = r.Rnd();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
    EXPECT_LT(lo, 0.01);
    EXPECT_GT(hi, 0.99);
}

} // namespace
