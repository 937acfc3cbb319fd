// Where the show reads the time: monotonic milliseconds for the timers, and the time of day at
// their start, from which the runtime tells the time of day that seeds the random source at any
// moment of the show. The program uses the system clock; tests drive a manual one.
#pragma once

#include <cstdint>

namespace tk {

using Millis = std::int64_t;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis now() const = 0; // monotonic, from program start
    // The local time of day, in whole seconds since midnight, when now() was 0. The show's time of
    // day follows its own moments from there: a replay with the same start draws the same chances.
    virtual int start_of_day() const = 0;
    // The same time as now(), in fractions of a millisecond where the clock has them.
    virtual double now_exact() const { return static_cast<double>(now()); }
};

// Virtual time that only moves when told to: every run is repeatable.
class ManualClock final : public Clock {
public:
    explicit ManualClock(int start_seconds_since_midnight = 12 * 3600)
        : start_(start_seconds_since_midnight)
    {
    }
    Millis now() const override { return now_; }
    int start_of_day() const override { return start_; }
    void set(Millis t) { now_ = t; }

private:
    int start_;
    Millis now_ = 0;
};

} // namespace tk
