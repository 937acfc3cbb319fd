#include "toolkit/runtime.h"

#include <algorithm>
#include <utility>

namespace tk {

Runtime::Runtime(Clock& clock, Random& random)
    : clock_(clock)
    , random_(random)
{
}

Form* Runtime::form(std::string_view name) const
{
    for (Form* f : forms_)
        if (f->name() == name)
            return f;
    return nullptr;
}

Timer* Runtime::earliest() const
{
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (!t->Enabled)
            continue;
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_))
            best = t;
    }
    return best;
}

std::optional<Millis> Runtime::next_due() const
{
    if (finished_)
        return std::nullopt;
    if (Timer* t = earliest())
        return t->due_;
    return std::nullopt;
}

// A debug build keeps the handler running for the messages of fail(); a release build only runs it.
template <typename F> void Runtime::run_handler(const Form* form, std::string_view control, int index, F&& handler)
{
#ifndef NDEBUG
    Running outer = std::exchange(running_, Running {form, control, index});
    handler();
    running_ = outer;
#else
    (void)form, (void)control, (void)index;
    handler();
#endif
}

bool Runtime::run_next(Millis t)
{
    if (finished_)
        return false;
    Timer* timer = earliest();
    if (!timer || timer->due_ > t)
        return false;
    now_ = timer->due_;
    std::uint64_t generation = timer->generation_;
    ++depth_;
    run_handler(&timer->owner(), timer->name(), -1, timer->handler_);
    --depth_;
    // Not restarted or stopped inside its own handler: the next tick follows the previous
    // due time by the current interval, so nothing drifts.
    if (timer->Enabled && timer->generation_ == generation) {
        timer->due_ += timer->Interval;
        timer->order_ = next_order();
    }
    activity_ = true;
    after_handler();
    return true;
}

void Runtime::run_until(Millis t)
{
    while (run_next(t)) { }
    if (t > now_)
        now_ = t;
}

void Runtime::reanchor(Millis now, Millis tolerance)
{
    for (Timer* t : timers_)
        if (t->Enabled && t->due_ + tolerance < now)
            t->due_ = now;
}

Hit Runtime::hit_test(Form& form, int x, int y) const
{
    struct Finder final : ControlVisitor {
        int x, y;
        Hit hit;
        static bool inside(int px, int py, int l, int t, int w, int h)
        {
            return px >= l && px < l + w && py >= t && py < t + h;
        }
        void visit(std::string_view name, int index, Label& c) override
        {
            if (c.Visible && inside(x, y, c.Left, c.Top, c.Width, c.Height))
                hit = Hit {name, index, c.Enabled, &c, nullptr};
        }
        void visit(std::string_view name, int index, Picture& c) override
        {
            if (c.Visible && inside(x, y, c.Left, c.Top, c.Width, c.Height))
                hit = Hit {name, index, c.Enabled, nullptr, &c};
        }
        void visit(std::string_view, int, Shape&) override { }
        void visit(std::string_view, int, Line&) override { }
    } finder;
    finder.x = x;
    finder.y = y;
    if (form.loaded())
        form.visit_controls(finder);
    return finder.hit;
}

void Runtime::advance(Millis at, const std::function<std::string()>& aimed_at)
{
#ifndef NDEBUG
    if (at < now_)
        fail((aimed_at ? "an input to " + aimed_at() : std::string("an input")) + " at " + std::to_string(at)
            + " ms came after the show reached " + std::to_string(now_) + " ms: its clock would go back");
#else
    (void)aimed_at;
#endif
    now_ = std::max(now_, at);
}

std::string control_path(const Form& form, std::string_view control, int index)
{
    // Built by appending: g++ 12's release build takes "(" + std::string for an overlapping copy.
    std::string path(form.name());
    if (!control.empty())
        path.append(".").append(control);
    if (index >= 0)
        path.append("(").append(std::to_string(index)).append(")");
    return path;
}

void Runtime::fail(const std::string& message) const
{
    if (!running_.form)
        tk::fail(message);
    if (running_.control.empty())
        tk::fail(message + " (closing " + control_path(*running_.form, {}) + ")");
    tk::fail(message + " (in " + control_path(*running_.form, running_.control, running_.index) + ")");
}

// Every input that reaches the show is told to the observers first, then handled as one handler.
template <typename F> bool Runtime::dispatch_input(const Dispatched& input, F&& handler)
{
    activity_ = true;
    notify([&](RuntimeObserver& o) { o.dispatched(input); });
    dispatch([&] { run_handler(input.form, input.control, input.index, handler); });
    return true;
}

bool Runtime::click_at(Form& form, int x, int y)
{
    if (finished_ || !form.loaded() || !form.shown() || !form.Enabled)
        return false;
    Hit hit = hit_test(form, x, y);
    if (hit.control.empty() || !hit.enabled)
        return false;
    return dispatch_input(
        {Dispatched::Kind::Click, &form, hit.control, hit.index, now_}, [&] { form.click(hit.control, hit.index); });
}

std::optional<bool> takes_clicks(Form& form, std::string_view control, int index)
{
    struct Finder final : ControlVisitor {
        std::string_view control;
        int index;
        std::optional<bool> takes;
        void visit(std::string_view name, int i, Label& c) override { found(name, i, c.Visible && c.Enabled); }
        void visit(std::string_view name, int i, Picture& c) override { found(name, i, c.Visible && c.Enabled); }
        void visit(std::string_view, int, Shape&) override { }
        void visit(std::string_view, int, Line&) override { }
        void found(std::string_view name, int i, bool now)
        {
            if (name == control && i == index)
                takes = now;
        }
    } finder;
    finder.control = control;
    finder.index = index;
    form.visit_controls(finder);
    return finder.takes;
}

bool Runtime::choose(Form& form, std::string_view control, int index)
{
    if (finished_ || !form.loaded() || !form.shown() || !form.Enabled
        || !takes_clicks(form, control, index).value_or(false))
        return false;
    return dispatch_input({Dispatched::Kind::Click, &form, control, index, now_}, [&] { form.click(control, index); });
}

const KeyBinding* Runtime::bound(const Form& form, std::string_view key) const
{
    for (const KeyBinding& k : keys_)
        if (k.key == key && k.form == form.name())
            return &k;
    return nullptr;
}

bool Runtime::close(Form& form)
{
    if (finished_ || !form.loaded())
        return false;
    return dispatch_input({Dispatched::Kind::Close, &form, {}, -1, now_}, [&] { form.close_requested(); });
}

bool Runtime::quit()
{
    if (finished_)
        return false;
    return dispatch_input({Dispatched::Kind::Quit, nullptr, {}, -1, now_}, [&] {
        for (Form* f : forms_)
            f->Unload();
    });
}

void Runtime::remove_observer(RuntimeObserver* o)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

void Runtime::after_handler()
{
    notify([](RuntimeObserver& o) { o.handler_done(); });
    bool any = std::any_of(forms_.begin(), forms_.end(), [](const Form* f) { return f->loaded(); });
    if (!any)
        finished_ = true;
}

void Runtime::form_loaded(Form& f)
{
    activity_ = true;
    notify([&](RuntimeObserver& o) {
        o.before_change();
        o.form_loaded(f);
    });
}

void Runtime::form_shown(Form& f)
{
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), &f), stacking_.end());
    stacking_.push_back(&f);
    activity_ = true;
    notify([&](RuntimeObserver& o) {
        o.before_change();
        o.form_shown(f);
    });
}

void Runtime::form_unloaded(Form& f)
{
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), &f), stacking_.end());
    activity_ = true;
    notify([&](RuntimeObserver& o) { o.form_unloaded(f); });
}

} // namespace tk
