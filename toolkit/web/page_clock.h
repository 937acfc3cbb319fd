// The page's clock: the browser's monotonic milliseconds for the timers, and the time of day at the
// page's start, which seeds the show's chance. A test page starts at a fixed time of day, as
// simulate --start does, and so does a replayed show.
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
    int start_of_day() const override { return start_of_day_; }

private:
    double origin_;
    int start_of_day_;
};

} // namespace tk::web
