// The forms runtime: the windows of the show, their timers, clicks, and the event loop's core.
//
// One thing at a time: a tick or a click runs to its end before the next. Due ticks run
// earliest first, ties in the order they were scheduled. The program ends when, after a
// handler returns, no window is loaded.
#pragma once

#include "toolkit/clock.h"
#include "toolkit/form.h"
#include "toolkit/random.h"
#include "toolkit/timer.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tk {

// Told of everything that changes, for the tracing tools and the display.
class RuntimeObserver {
public:
    virtual ~RuntimeObserver() = default;
    virtual void before_change() { } // something is about to be recorded: settle pending diffs
    virtual void form_loaded(Form&) { }
    virtual void form_shown(Form&) { }
    virtual void form_unloaded(Form&) { }
    virtual void timer_changed(Timer&, std::string_view property) { (void)property; }
    virtual void handler_done() { }
};

// What a point of a window hits: the topmost visible label or picture there.
struct Hit {
    std::string_view control;
    int index = -1;
    bool enabled = false;
    const Label* label = nullptr;
    const Picture* picture = nullptr;
};

class Runtime {
public:
    Runtime(Clock& clock, Random& random);

    Clock& clock() const { return clock_; }
    Random& random() const { return random_; }

    // Re-seed the random source from the time of day.
    void Randomize() { random_.Randomize(clock_.seconds_since_midnight()); }

    // The time of the event being handled: a tick's due time, or the moment of a click.
    Millis now() const { return now_; }

    void add_form(Form& form) { forms_.push_back(&form); }
    const std::vector<Form*>& forms() const { return forms_; }
    Form* form(std::string_view name) const;
    // Shown windows, back to front.
    const std::vector<Form*>& stacking() const { return stacking_; }

    // The next due tick, if any timer is enabled.
    std::optional<Millis> next_due() const;
    // Runs every tick due at or before t, in order; then now() is t.
    void run_until(Millis t);
    // Runs the one earliest tick if it is due at or before t. Returns whether it ran.
    bool run_next(Millis t);
    // After a stall (the computer slept), timers far behind are re-anchored to now instead of
    // firing every missed tick at once.
    void reanchor(Millis now, Millis tolerance);

    // Input. A click at a point of a window, in twips; returns whether a handler ran.
    bool click_at(Form& form, int x, int y);
    Hit hit_test(Form& form, int x, int y) const;
    // The player closes a window from its title bar.
    void close(Form& form);
    // Run any piece of game code as one handler (start-up, tests).
    template <typename F> void dispatch(F&& f)
    {
        if (finished_)
            return;
        ++depth_;
        f();
        --depth_;
        if (depth_ == 0)
            after_handler();
    }

    // True once no window is loaded after a handler returned.
    bool finished() const { return finished_; }
    // Anything changed since the last call (for redrawing only when needed).
    bool take_activity()
    {
        bool a = activity_;
        activity_ = false;
        return a;
    }

    void set_observer(RuntimeObserver* o) { observer_ = o; }
    RuntimeObserver* observer() const { return observer_; }

private:
    friend class Timer;
    friend class Form;
    void after_handler();
    Timer* earliest() const;
    void form_loaded(Form&);
    void form_shown(Form&);
    void form_unloaded(Form&);
    std::uint64_t next_order() { return ++order_; }

    Clock& clock_;
    Random& random_;
    RuntimeObserver* observer_ = nullptr;
    std::vector<Form*> forms_;
    std::vector<Form*> stacking_;
    std::vector<Timer*> timers_; // every timer of every window
    Millis now_ = 0;
    std::uint64_t order_ = 0;
    int depth_ = 0;
    bool finished_ = false;
    bool activity_ = true;
};

} // namespace tk
