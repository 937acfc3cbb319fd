// The page's clock: the browser's monotonic milliseconds for the timers, and the time of day that
// seeds the show's chance. A test page starts at a fixed time of day, as simulate --start does.
// While the page hands the show a click, the clock holds still, so that the click and the ticks
// run before it share one moment, as they do in virtual time.
#pragma once

#include "toolkit/clock.h"

#include <optional>

namespace tk::web {

class PageClock final : public Clock {
public:
    // start: seconds since midnight at the page's start; nothing for the machine's own time of day.
    explicit PageClock(std::optional<int> start_seconds);

    Millis now() const override;
    double now_exact() const override;
    int seconds_since_midnight() const override;

    void hold(Millis at) { held_ = at; }
    void release() { held_.reset(); }

private:
    double origin_;
    std::optional<int> start_;
    std::optional<Millis> held_;
};

} // namespace tk::web
