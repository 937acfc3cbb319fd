// The forms runtime: timers, loading and unloading, clicks, the end of the program, redraws. Chance is
// the poll's test: polls taken in one second must not repeat.
#include "toolkit/driver.h"
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct TestControls {
    tk::Label Front {.Width = 100, .Height = 100, .Caption = "front"};
    tk::Label Back {.Width = 200, .Height = 200, .Caption = "back"};
    tk::Shape Frame {.Width = 300, .Height = 300};
    tk::ControlArray<tk::Label, 2> Pair;
};

// A window whose handlers write down what happened.
class TestForm final : public tk::Form, public TestControls {
public:
    TestForm(tk::Runtime& rt, std::vector<std::string>& log, const char* name = "Form9", const char* owner = "")
        : tk::Form(rt,
            tk::FormDesign {.name = name, .title = "test", .ClientWidth = 3000, .ClientHeight = 3000, .owner = owner})
        , log_(log)
    {
    }
    void visit_controls(tk::ControlVisitor& v) override
    {
        tk::visit(v, "Pair", Pair);
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
    tk::Driver driver {rt, clock};
    void advance(tk::Millis t) { driver.play_until(clock, t); }
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
    EXPECT_TRUE(rt.click_at(form, 100, 100)); // a label ends where its width does: this is Back's
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
    EXPECT_EQ(log, (std::vector<std::string> {"Front", "Back", "Back", "Back"}));
}

// The loop's driver on a manual clock, drawing into a display that only writes down what it drew
// and when; each redraw takes `cost` ms of the clock.
struct FakeDisplay final : tk::Display {
    tk::ManualClock& clock;
    std::vector<std::string>& log;
    tk::Millis cost = 0;
    FakeDisplay(tk::ManualClock& c, std::vector<std::string>& l)
        : clock(c)
        , log(l)
    {
    }
    void sync_windows() override { }
    std::optional<tk::PixelRect> output_size(tk::Form&) override { return tk::PixelRect {0, 0, 200, 200}; }
    void draw(tk::Form&, const tk::Viewport&, const tk::Tip* tip, const std::vector<tk::PixelRect>& regions) override
    {
        std::string part; // a part of the window: where and how big
        for (const tk::PixelRect& r : regions)
            if (r != tk::PixelRect {0, 0, 200, 200})
                part += " " + std::to_string(r.x) + "," + std::to_string(r.y) + "+" + std::to_string(r.w) + "x"
                    + std::to_string(r.h);
        log.push_back("draw@" + std::to_string(clock.now()) + part + (tip ? " tip " + tip->text : ""));
        clock.set(clock.now() + cost);
    }
    tk::PixelRect tip_area(tk::Form&, const tk::Tip& tip) override { return {tip.x, tip.y + 20, 50, 20}; }
    void show_cursor(tk::Cursor c) override { log.push_back(c == tk::Cursor::Hand ? "hand" : "arrow"); }
};

struct DriverTest : RuntimeTest {
    FakeDisplay display {clock, log};
    tk::Driver shown {rt, clock, &display};
    std::optional<double> step_at(tk::Millis t)
    {
        clock.set(t);
        return shown.step().wake;
    }
};

TEST_F(DriverTest, AStallReanchorsTimersInsteadOfFiringEveryMissedTick)
{
    show();
    rt.dispatch([&] { form.A.Enabled = true; });
    EXPECT_EQ(step_at(0), 100.0);
    EXPECT_EQ(step_at(5000), 5100.0); // the computer slept: one tick now, then the old pace
    EXPECT_EQ(step_at(5100), 5200.0);
    EXPECT_EQ(log, (std::vector<std::string> {"draw@0", "A@5000", "A@5100"}));
}

TEST_F(DriverTest, RedrawsOncePerFrameAndNeverInTheWayOfATickAboutToFallDue)
{
    show();
    display.cost = 5;
    form.on_a = [&] {
        form.Front.Caption += ".";
        form.A.Interval = 20;
    };
    rt.dispatch([&] { form.A.Enabled = true; });
    EXPECT_EQ(step_at(0), 100.0);
    EXPECT_EQ(step_at(100), 120.0); // drawn at 100; a redraw takes 5 ms
    // A change within the frame waits for it, riding on the tick at 120 that falls due in it.
    clock.set(110);
    EXPECT_TRUE(rt.click_at(form, 50, 50));
    form.Front.Caption = "clicked";
    EXPECT_EQ(shown.step().wake, 120.0);
    EXPECT_EQ(step_at(120), 140.0);
    // Once the frame is open, a change 3 ms before a tick waits for it rather than delay it
    // with a 5 ms redraw, and the redraw right after shows both.
    clock.set(137);
    EXPECT_TRUE(rt.click_at(form, 50, 50));
    form.Front.Caption = "clicked";
    EXPECT_EQ(shown.step().wake, 140.0);
    EXPECT_EQ(step_at(140), 160.0);
    // Only the label that changed is drawn again: the first 7 x 7 pixels.
    EXPECT_EQ(log,
        (std::vector<std::string> {"draw@0", "A@100", "draw@100 0,0+7x7", "Front", "A@120", "draw@120 0,0+7x7", "Front",
            "A@140", "draw@140 0,0+7x7"}));
}

TEST_F(DriverTest, APointerAtRestShowsTheHandAndTheTooltipWhichAPressTakesAway)
{
    show();
    form.Front.MousePointer = tk::kCustomPointer;
    form.Front.ToolTipText = "davanti";
    step_at(0);
    // 3000 twips in 200 pixels: the front label is the first 6 pixels.
    shown.input({tk::Input::Kind::Move, 0, &form, 3, 3});
    EXPECT_EQ(shown.step().wake, 600.0);
    EXPECT_EQ(step_at(600), std::nullopt);
    shown.input({tk::Input::Kind::Press, 600, &form, 3, 3});
    step_at(700);
    shown.input({tk::Input::Kind::Release, 700, &form, 3, 3});
    shown.input({tk::Input::Kind::Press, 700, &form, 150, 150});
    shown.input({tk::Input::Kind::Release, 700, &form, 150, 150}); // on the frame: a shape takes no click
    // The tooltip comes and goes by drawing its own box again, not the window.
    EXPECT_EQ(log,
        (std::vector<std::string> {
            "draw@0", "hand", "draw@600 3,23+50x20 tip davanti", "draw@700 3,23+50x20", "Front", "arrow"}));
}

// Inputs reach the show at their own moment, after every tick due by then, however late the loop
// takes them; each one the show takes is told once to whoever listens, and a window whose dialog
// is up takes none.
TEST_F(DriverTest, AnInputRunsAfterTheTicksDueByItsMomentAndIsToldOnce)
{
    struct Listener final : tk::RuntimeObserver {
        std::vector<std::string>& log;
        explicit Listener(std::vector<std::string>& l)
            : log(l)
        {
        }
        void dispatched(const tk::Dispatched& d) override
        {
            log.push_back("told " + std::string(d.control.empty() ? "close" : d.control) + "@" + std::to_string(d.at));
        }
    } listener {log};
    rt.add_observer(&listener);
    show();
    step_at(0);
    log.clear();
    rt.dispatch([&] { form.A.Enabled = true; });
    // The loop has not stepped since: the tick due at 100 runs before the click that came at 130.
    clock.set(130);
    shown.input({tk::Input::Kind::Press, 130, &form, 3, 3});
    shown.input({tk::Input::Kind::Release, 130, &form, 3, 3});
    EXPECT_EQ(rt.now(), 130);
    shown.input({tk::Input::Kind::Choose, 250, &form, 0, 0, "Back", -1});
    // A dialog of this window is up: nothing reaches the window until it goes.
    TestForm dialog(rt, log, "Form8", "Form9");
    rt.dispatch([&] { dialog.Show(); });
    EXPECT_FALSE(shown.input({tk::Input::Kind::Choose, 260, &form, 0, 0, "Back", -1}));
    shown.input({tk::Input::Kind::Press, 260, &form, 3, 3});
    EXPECT_FALSE(shown.input({tk::Input::Kind::Release, 260, &form, 3, 3}));
    // A close is an input like the others.
    EXPECT_TRUE(shown.input({tk::Input::Kind::Close, 420, &dialog}));
    EXPECT_EQ(log,
        (std::vector<std::string> {
            "A@100", "told Front@130", "Front", "A@200", "told Back@250", "Back", "A@300", "A@400", "told close@420"}));
    rt.remove_observer(&listener);
}

#ifndef NDEBUG
// A debug build stops a show gone astray, naming the window and the control: a timer started on a
// window that is not loaded, an index off a control array, a window shown while it is up, and an
// input from before the moment the show reached (a bug of the backend that sent it).
TEST_F(DriverTest, AShowGoneAstrayStopsADebugBuildNamingWindowAndControl)
{
    EXPECT_DEATH(rt.dispatch([&] { form.A.Enabled = true; }), "Form9\\.A enabled while Form9 is not loaded");
    show();
    EXPECT_DEATH(form.Pair(2), "Form9\\.Pair index 2 out of range");
    form.on_a = [&] { form.Show(); };
    rt.dispatch([&] { form.A.Enabled = true; });
    EXPECT_DEATH(advance(100), "Form9 shown while it is already shown \\(in Form9\\.A\\)");
    form.on_a = nullptr;
    advance(150);
    EXPECT_DEATH(shown.input({tk::Input::Kind::Press, 120, &form, 3, 3}),
        "an input to Form9\\.Front at 120 ms came after the show reached 150 ms");
}
#endif

TEST(AppearanceTest, EveryDrawnFieldOfEveryControlChangesTheHash)
{
    struct Controls {
        tk::Label label;
        tk::Shape shape;
        tk::Line line;
        tk::Picture picture;
        void each_control(tk::ControlVisitor& v)
        {
            tk::visit_all(v, "label", label, "shape", shape, "line", line, "picture", picture);
        }
    };
// One change of one field, the rest as designed.
#define CHANGE(field, value) [](Controls& c) { c.field = value; }
    std::vector<std::function<void(Controls&)>> changes = {CHANGE(label.Left, 1), CHANGE(label.Top, 1),
        CHANGE(label.Width, 1), CHANGE(label.Height, 1), CHANGE(label.Caption, "x"), CHANGE(label.BackColor, 1),
        CHANGE(label.ForeColor, 1), CHANGE(label.BackStyle, 0), CHANGE(label.Alignment, tk::Align::Right),
        CHANGE(label.Visible, false), CHANGE(label.Enabled, false), CHANGE(label.MousePointer, 99),
        CHANGE(label.ToolTipText, "x"), CHANGE(label.Font.Name, "Arial"), CHANGE(label.Font.Size, 9),
        CHANGE(label.Font.Bold, true), CHANGE(label.Font.Italic, true), CHANGE(shape.Left, 1), CHANGE(shape.Top, 1),
        CHANGE(shape.Width, 1), CHANGE(shape.Height, 1), CHANGE(shape.BorderColor, 1), CHANGE(shape.BackColor, 1),
        CHANGE(shape.BackStyle, 1), CHANGE(shape.BorderWidth, 2), CHANGE(shape.Visible, false), CHANGE(line.X1, 1),
        CHANGE(line.Y1, 1), CHANGE(line.X2, 1), CHANGE(line.Y2, 1), CHANGE(line.BorderColor, 1),
        CHANGE(line.BorderWidth, 5), CHANGE(line.Visible, false), CHANGE(picture.Left, 1), CHANGE(picture.Top, 1),
        CHANGE(picture.Width, 1), CHANGE(picture.Height, 1), CHANGE(picture.Source, "logo.svg"),
        CHANGE(picture.Visible, false), CHANGE(picture.Enabled, false), CHANGE(picture.MousePointer, 99),
        CHANGE(picture.ToolTipText, "x")};
#undef CHANGE
    tk::ManualClock clock;
    tk::Random random;
    tk::Runtime rt {clock, random};
    tk::FormOf<Controls> form {rt, tk::FormDesign {"Form9", "test", 3000, 3000}};
    std::uint64_t plain = tk::appearance_hash(form);
    std::set<std::uint64_t> seen {plain};
    for (std::size_t i = 0; i < changes.size(); ++i) {
        static_cast<Controls&>(form) = Controls {};
        changes[i](form);
        EXPECT_TRUE(seen.insert(tk::appearance_hash(form)).second) << "change " << i << " left the hash as it was";
    }
}

} // namespace
