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

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// An input the runtime handed to the show: a click on a control, a window closed from its title
// bar, or the program asked to end. Reported once, at its moment, before its handler runs.
struct Dispatched {
    enum class Kind : std::uint8_t { Click, Close, Quit };
    Kind kind = Kind::Click;
    Form* form = nullptr; // none for Quit
    std::string_view control;
    int index = -1;
    Millis at = 0;
};

// Told of everything that changes and every input dispatched: the tracer, the recorder, the tools.
class RuntimeObserver {
public:
    virtual ~RuntimeObserver() = default;
    virtual void before_change() { } // something is about to be recorded: settle pending diffs
    virtual void form_loaded(Form&) { }
    virtual void form_shown(Form&) { }
    virtual void form_unloaded(Form&) { }
    virtual void timer_changed(Timer&, std::string_view property) { (void)property; }
    virtual void handler_done() { }
    virtual void dispatched(const Dispatched&) { }
};

// What a point of a window hits: the topmost visible label or picture there.
struct Hit {
    std::string_view control;
    int index = -1;
    bool enabled = false;
    const Label* label = nullptr;
    const Picture* picture = nullptr;
};

// A window's label or picture by name and index: nothing when the window has no such control,
// else whether it takes a click now (shown and enabled).
std::optional<bool> takes_clicks(Form& form, std::string_view control, int index);

// A key that chooses a control of a window as a click on it would. Keys are named as the
// backends name them: a letter or a digit ("A", "1"), "Enter", "Space", "Escape".
struct KeyBinding {
    std::string_view form;
    std::string_view key;
    std::string_view control;
    int index = -1;
};

// A control as the messages name it: "Form1.Label6(2)", "Form1.Image1", or the window alone
// when there is no control.
std::string control_path(const Form& form, std::string_view control, int index = -1);

class Runtime {
public:
    Runtime(Clock& clock, Random& random);

    Clock& clock() const { return clock_; }
    Random& random() const { return random_; }

    // Re-seed the random source from the time of day, which follows the show's own moments.
    void Randomize() { random_.Randomize(seconds_since_midnight()); }
    int seconds_since_midnight() const { return static_cast<int>((clock_.start_of_day() + now_ / 1000) % 86400); }

    // The time of the event being handled: a tick's due time, or the moment of an input. It never
    // goes backwards.
    Millis now() const { return now_; }
    // An input arrives at this moment (the driver has run every tick due by then). One from before
    // now() stops a debug build, naming what the input was aimed at ("Form1.Label6(2)").
    void advance(Millis at, const std::function<std::string()>& aimed_at = {});

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

    // Input, at the moment now() (the driver's Driver::input is the way in). Each returns whether
    // a handler ran. A click at a point of a window, in twips: the one hit test of a click.
    bool click_at(Form& form, int x, int y);
    Hit hit_test(Form& form, int x, int y) const;
    // A control chosen directly (a key, a screen reader's button, a replayed click): it takes the
    // click when a click on it would, that is when it and its window are shown and enabled.
    bool choose(Form& form, std::string_view control, int index);
    // The show's keys, one table for every window; the table outlives the runtime.
    void bind_keys(std::span<const KeyBinding> keys) { keys_ = keys; }
    // What a key chooses in a window, if anything.
    const KeyBinding* bound(const Form& form, std::string_view key) const;
    // The player closes a window from its title bar.
    bool close(Form& form);
    // The program is asked to end (interrupted, or a replay cut short): every window goes.
    bool quit();
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

    // A bug of the show: stops the program with the message and the handler that was running.
    [[noreturn]] void fail(const std::string& message) const;

    // True once no window is loaded after a handler returned.
    bool finished() const { return finished_; }
    // Anything changed since the last call (for redrawing only when needed).
    bool take_activity()
    {
        bool a = activity_;
        activity_ = false;
        return a;
    }

    void add_observer(RuntimeObserver* o) { observers_.push_back(o); }
    void remove_observer(RuntimeObserver* o);
    // Tells every observer: notify([](RuntimeObserver& o) { o.handler_done(); }).
    template <typename F> void notify(F&& f)
    {
        for (RuntimeObserver* o : observers_)
            f(*o);
    }

private:
    friend class Timer;
    friend class Form;
    void after_handler();
    Timer* earliest() const;
    void form_loaded(Form&);
    void form_shown(Form&);
    void form_unloaded(Form&);
    std::uint64_t next_order() { return ++order_; }
    template <typename F> bool dispatch_input(const Dispatched& input, F&& handler);
    template <typename F> void run_handler(const Form* form, std::string_view control, int index, F&& handler);

    // The handler running now, for the messages of fail().
    struct Running {
        const Form* form = nullptr;
        std::string_view control;
        int index = -1;
    };

    Clock& clock_;
    Random& random_;
    std::vector<RuntimeObserver*> observers_;
    std::vector<Form*> forms_;
    std::vector<Form*> stacking_;
    std::span<const KeyBinding> keys_;
    std::vector<Timer*> timers_; // every timer of every window
    Running running_;
    Millis now_ = 0;
    std::uint64_t order_ = 0;
    int depth_ = 0;
    bool finished_ = false;
    bool activity_ = true;
};

} // namespace tk
