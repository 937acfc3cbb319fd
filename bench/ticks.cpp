// The lateness of real timer ticks: one board-sized window whose timer ticks every 10 ms (the pace
// of the goodbye screen's chase) and shows the count each time, run by the real event loop.
// Prints how late each tick's handler started after its due time, in ms, one a line.
//
//   ticks [COUNT]     (default 1000)
#include "toolkit/random.h"
#include "toolkit/runtime.h"
#include "toolkit/sdl/backend.h"
#include "toolkit/timer.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class Ticker final : public tk::Form {
public:
    Ticker(tk::Runtime& runtime, const tk::sdl::SystemClock& clock, int count)
        : tk::Form(runtime, tk::FormDesign {"Ticker", "ticks", 12345, 10965, 0x000040})
        , clock_(clock)
        , count_(count)
    {
        lateness.reserve(static_cast<std::size_t>(count));
    }

    void visit_controls(tk::ControlVisitor& v) override { tk::visit(v, "Label1", Label1); }

    tk::Label Label1;
    // The first tick, a tenth of a second in, leaves the window's first frame out of the count.
    tk::Timer Timer1 {*this, "Timer1", 100, true, [this] { Timer1_Timer(); }};
    std::vector<double> lateness;

protected:
    void reset_controls() override
    {
        Label1 = tk::Label {240, 360, 11895, 375, "", 0x000040, 0x00FFFF, 1, tk::Align::Center};
        Label1.Font = tk::Typeface {"Times New Roman", 17.25, true};
    }

private:
    void Timer1_Timer()
    {
        if (Timer1.Interval != 10) {
            Timer1.Interval = 10;
            return;
        }
        lateness.push_back(clock_.now_exact() - static_cast<double>(runtime().now()));
        Label1.Caption = std::to_string(lateness.size());
        if (static_cast<int>(lateness.size()) == count_)
            Unload();
    }

    const tk::sdl::SystemClock& clock_;
    int count_;
};

} // namespace

int main(int argc, char** argv)
{
    int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    tk::sdl::SystemClock clock;
    tk::Random random;
    tk::Runtime runtime(clock, random);
    Ticker ticker(runtime, clock, count);
    auto backend = tk::sdl::Backend::create(runtime, clock);
    if (!backend)
        return 1;
    // The count starts once the window is up, as the show's first tick would.
    clock = tk::sdl::SystemClock();
    runtime.dispatch([&] { ticker.Show(); });
    backend->run();
    for (double late : ticker.lateness)
        std::printf("%.3f\n", late);
    return 0;
}
