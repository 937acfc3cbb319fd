// Where the show reads the time: monotonic milliseconds for the timers, and the time of day
// that seeds the random source. The program uses the system clock; tests drive a manual one.
#pragma once

#include <cstdint>

namespace tk {

using Millis = std::int64_t;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis now() const = 0; // monotonic, from program start
    virtual int seconds_since_midnight() const = 0; // local time of day
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
    int seconds_since_midnight() const override { return static_cast<int>((start_ + now_ / 1000) % 86400); }
    void set(Millis t) { now_ = t; }

private:
    std::int64_t start_;
    Millis now_ = 0;
};

} // namespace tk
