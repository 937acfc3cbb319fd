#include "toolkit/timer.h"

#include "toolkit/form.h"
#include "toolkit/runtime.h"

#include <string>
#include <utility>

namespace tk {

Timer::Timer(Form& owner, std::string_view name, int interval, bool enabled, std::function<void()> handler)
    : owner_(owner)
    , name_(name)
    , design_interval_(interval)
    , design_enabled_(enabled)
    , handler_(std::move(handler))
{
    Interval.ms_ = interval;
    owner.timers_.push_back(this);
    owner.runtime().timers_.push_back(this);
}

Timer::EnabledProperty& Timer::EnabledProperty::operator=(bool on)
{
    timer_.set_enabled(on);
    return *this;
}

Timer::IntervalProperty& Timer::IntervalProperty::operator=(int ms)
{
    timer_.set_interval(ms);
    return *this;
}

void Timer::set_enabled(bool on)
{
    Runtime& rt = owner_.runtime();
#ifndef NDEBUG
    // A window that is not loaded runs no handlers: a tick of one is a step of the show gone astray.
    if (on && !owner_.loaded())
        rt.fail(control_path(owner_, name_) + " enabled while " + std::string(owner_.name()) + " is not loaded");
#endif
    bool changed = Enabled.on_ != on;
    if (changed)
        rt.notify([](RuntimeObserver& o) { o.before_change(); });
    Enabled.on_ = on;
    ++generation_;
    if (on) {
        due_ = rt.now() + Interval.ms_;
        order_ = rt.next_order();
    }
    rt.activity_ = true;
    if (changed)
        rt.notify([this](RuntimeObserver& o) { o.timer_changed(*this, "Enabled"); });
}

void Timer::set_interval(int ms)
{
    // A timer cannot tick more often than every millisecond.
    if (ms < 1)
        ms = 1;
    Runtime& rt = owner_.runtime();
    bool changed = Interval.ms_ != ms;
    if (changed)
        rt.notify([](RuntimeObserver& o) { o.before_change(); });
    Interval.ms_ = ms;
    if (changed)
        rt.notify([this](RuntimeObserver& o) { o.timer_changed(*this, "Interval"); });
}

void Timer::reset_to_design()
{
    Interval.ms_ = design_interval_;
    Enabled.on_ = false;
    if (design_enabled_)
        set_enabled(true);
}

void Timer::stop()
{
    Enabled.on_ = false;
    ++generation_;
}

} // namespace tk
