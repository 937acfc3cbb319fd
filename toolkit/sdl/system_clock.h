// The real clock: monotonic milliseconds since start, and the local time of day at that start.
#pragma once

#include "toolkit/clock.h"

#include <chrono>
#include <optional>

namespace tk::sdl {

class SystemClock final : public Clock {
public:
    using Steady = std::chrono::steady_clock;
    // start: the time of day at the start, in seconds since midnight; nothing for the machine's own.
    explicit SystemClock(std::optional<int> start_seconds = std::nullopt);
    Millis now() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start_).count();
    }
    int start_of_day() const override { return start_of_day_; }
    // The moment at which a virtual millisecond falls due.
    Steady::time_point at(Millis t) const { return start_ + std::chrono::milliseconds(t); }
    double now_exact() const override
    {
        return std::chrono::duration<double, std::milli>(Steady::now() - start_).count();
    }

private:
    Steady::time_point start_;
    int start_of_day_;
};

} // namespace tk::sdl
