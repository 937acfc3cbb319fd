// A window timer: while Enabled, its handler runs once every Interval milliseconds.
//
// Enabling starts the interval afresh; after a tick the next one is due at the previous due
// time plus the current Interval, so a change made inside the handler applies from the next
// tick and a long game never drifts.
#pragma once

#include "toolkit/clock.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace tk {

class Form;
class Runtime;

class Timer {
public:
    class EnabledProperty {
    public:
        EnabledProperty& operator=(bool on);
        operator bool() const { return on_; }

    private:
        friend class Timer;
        explicit EnabledProperty(Timer& t)
            : timer_(t)
        {
        }
        Timer& timer_;
        bool on_ = false;
    };

    class IntervalProperty {
    public:
        IntervalProperty& operator=(int ms);
        operator int() const { return ms_; }

    private:
        friend class Timer;
        explicit IntervalProperty(Timer& t)
            : timer_(t)
        {
        }
        Timer& timer_;
        int ms_ = 0;
    };

    Timer(Form& owner, std::string_view name, int interval, bool enabled, std::function<void()> handler);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    EnabledProperty Enabled {*this};
    IntervalProperty Interval {*this};

    std::string_view name() const { return name_; }
    Form& owner() const { return owner_; }
    Millis due() const { return due_; }
    std::uint64_t order() const { return order_; }

private:
    friend class Runtime;
    friend class Form;
    void set_enabled(bool on);
    void set_interval(int ms);
    void reset_to_design(); // on load: design interval, design enabled state
    void stop(); // on unload

    Form& owner_;
    std::string_view name_;
    int design_interval_;
    bool design_enabled_;
    std::function<void()> handler_;
    Millis due_ = 0;
    std::uint64_t order_ = 0; // scheduling order: ties run first-scheduled first
    std::uint64_t generation_ = 0; // bumped by every enable/disable, so a tick knows it was restarted
};

} // namespace tk
