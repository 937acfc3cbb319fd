// The real clock: monotonic milliseconds since start and the local time of day.
#pragma once

#include "toolkit/clock.h"

#include <chrono>

namespace tk::sdl {

class SystemClock final : public Clock {
public:
    using Steady = std::chrono::steady_clock;
    SystemClock()
        : start_(Steady::now())
    {
    }
    Millis now() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start_).count();
    }
    int seconds_since_midnight() const override;
    // The moment at which a virtual millisecond falls due.
    Steady::time_point at(Millis t) const { return start_ + std::chrono::milliseconds(t); }
    double now_exact() const override
    {
        return std::chrono::duration<double, std::milli>(Steady::now() - start_).count();
    }

private:
    Steady::time_point start_;
};

} // namespace tk::sdl
