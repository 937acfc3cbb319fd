#include "toolkit/driver.h"

#include "toolkit/visitor.h"

#include <algorithm>
#include <cstring>

namespace tk {

namespace {

constexpr Millis kFrameMs = 16; // at most one redraw per display frame
constexpr double kRedrawMarginMs = 0.5; // a redraw must end this long before the next tick
constexpr Millis kTooltipMs = 600; // a still pointer shows the tooltip after this
constexpr Millis kStallMs = 1000; // timers further behind than this are re-anchored
constexpr Millis kNoTipMs = 3600 * 1000; // after a press, no tooltip until the pointer moves

// Every field that changes what a control looks like, traced or not.
struct Hasher final : ControlVisitor {
    std::uint64_t h = 1469598103934665603ULL;
    void add(std::uint64_t v)
    {
        h ^= v;
        h *= 1099511628211ULL;
    }
    void add_text(std::string_view s)
    {
        for (char c : s)
            add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
        add(0xFFu);
    }
    template <typename C> void traced(const C& c)
    {
        for_each_property(c, [&](const Property& p) {
            if (p.kind == Property::Kind::Text)
                add_text(p.text);
            else
                add(static_cast<std::uint64_t>(p.number));
        });
    }
    void visit(std::string_view, int, Label& c) override
    {
        traced(c);
        add(static_cast<std::uint64_t>(c.Alignment));
        add_text(c.Font.Name);
        // The point size's bits (the browser build's library has no std::bit_cast).
        std::uint64_t size_bits = 0;
        static_assert(sizeof size_bits == sizeof c.Font.Size);
        std::memcpy(&size_bits, &c.Font.Size, sizeof size_bits);
        add(size_bits);
        add(c.Font.Bold);
        add(c.Font.Italic);
    }
    void visit(std::string_view, int, Shape& c) override
    {
        traced(c);
        add(static_cast<std::uint64_t>(c.BorderWidth));
    }
    void visit(std::string_view, int, Line& c) override
    {
        traced(c);
        add(static_cast<std::uint64_t>(c.BorderWidth));
    }
    void visit(std::string_view, int, Picture& c) override
    {
        traced(c);
        add_text(c.Source);
    }
};

// Each control's look on its own, with where it draws. Where the look is the one taken before
// (`before`, in the same viewport), so is the place, and it is not worked out again.
struct LookTaker final : ControlVisitor {
    const Viewport& view;
    const std::vector<Driver::Look>* before;
    std::vector<Driver::Look>& looks;
    LookTaker(const Viewport& v, const std::vector<Driver::Look>* b, std::vector<Driver::Look>& l)
        : view(v)
        , before(b)
        , looks(l)
    {
    }
    template <typename C, typename Area> void take(C& c, Area area, bool uncut = false)
    {
        Hasher h;
        h.visit({}, 0, c);
        std::size_t i = looks.size();
        if (before && i < before->size() && (*before)[i].hash == h.h)
            looks.push_back((*before)[i]);
        else
            looks.push_back({h.h, c.Visible ? area() : PixelRect {}, uncut && c.Visible});
    }
    void visit(std::string_view, int, Label& c) override
    {
        take(c, [&] { return view.rect(c.Left, c.Top, c.Width, c.Height); });
    }
    void visit(std::string_view, int, Shape& c) override
    {
        take(c, [&] { return view.rect(c.Left, c.Top, c.Width, c.Height); });
    }
    void visit(std::string_view, int, Line& c) override
    {
        take(
            c, [&] { return line_area(c, view); }, slanting(c));
    }
    void visit(std::string_view, int, Picture& c) override
    {
        take(c, [&] { return view.rect(c.Left, c.Top, c.Width, c.Height); });
    }
};

} // namespace

std::uint64_t appearance_hash(Form& form)
{
    Hasher v;
    form.visit_controls(v);
    return v.h;
}

Driver::Driver(Runtime& runtime, const Clock& clock, Display* display)
    : runtime_(runtime)
    , clock_(clock)
    , display_(display)
{
}

void Driver::sync()
{
    if (!display_)
        return;
    display_->sync_windows();
    for (auto it = windows_.begin(); it != windows_.end();) {
        if (!it->first->shown()) {
            if (hover_form_ == it->first)
                hover_form_ = nullptr;
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
    for (Form* form : runtime_.stacking())
        windows_.try_emplace(form);
}

void Driver::forget(Form& form)
{
    windows_.erase(&form);
    if (hover_form_ == &form) {
        hover_form_ = nullptr;
        tip_shown_ = false;
    }
}

std::optional<Viewport> Driver::viewport(Form& form)
{
    std::optional<PixelRect> size = display_ ? display_->output_size(form) : std::nullopt;
    if (!size)
        return std::nullopt;
    return fit(form.design(), size->w, size->h);
}

// What changed in a window since it was last looked at: the old and the new place of every
// control whose look differs. A new viewport, or a different set of controls, changes it all.
void Driver::note_changes(Form& form, Window& w)
{
    std::optional<Viewport> view = viewport(form);
    w.unseen = false;
    if (!view)
        return;
    std::vector<Look> looks;
    looks.reserve(w.looks.size());
    LookTaker taker(*view, view == w.view ? &w.looks : nullptr, looks);
    form.visit_controls(taker);
    if (view != w.view || looks.size() != w.looks.size()) {
        w.whole = true;
    } else if (!w.whole) {
        for (std::size_t i = 0; i < looks.size(); ++i) {
            if (looks[i].hash == w.looks[i].hash)
                continue;
            for (const PixelRect& r : {w.looks[i].area, looks[i].area})
                if (!r.empty())
                    w.changed.push_back(r);
        }
    }
    w.looks = std::move(looks);
    w.view = view;
}

void Driver::redraw(Form& form, Window& w, Millis now)
{
    double start = clock_.now_exact();
    std::optional<PixelRect> size = display_->output_size(form);
    if (size) {
        // A tooltip that came, went or moved since the last redraw: both its places change.
        const Tip* tip = tip_shown_ && hover_form_ == &form ? &hover_ : nullptr;
        PixelRect tip_now;
        if (tip)
            tip_now = !w.tip_drawn.empty() && w.tip_shown == *tip ? w.tip_drawn : display_->tip_area(form, *tip);
        if (tip_now != w.tip_drawn) {
            w.changed.push_back(w.tip_drawn);
            w.changed.push_back(tip_now);
        }
        w.tip_drawn = tip_now;
        if (tip)
            w.tip_shown = *tip;
        PixelRect output {0, 0, size->w, size->h};
        std::vector<PixelRect> regions {output};
        if (!w.whole) {
            std::vector<PixelRect> uncut;
            for (const Look& look : w.looks)
                if (look.uncut)
                    uncut.push_back(look.area);
            regions = regions_to_redraw(w.changed, output, uncut);
        }
        if (!regions.empty())
            display_->draw(form, fit(form.design(), size->w, size->h), tip, regions);
    }
    w.whole = false;
    w.tip_changed = false;
    w.changed.clear();
    w.next_frame = now + kFrameMs;
    w.redraw_ms = std::max(clock_.now_exact() - start, w.redraw_ms * 0.9);
    w.held_until = 0;
}

// A redraw that would still be going on when a tick falls due waits for that tick: the tick
// comes on time, and the redraw right after it shows both. It never waits past one more frame.
bool Driver::hold_redraw(Window& w, std::optional<Millis> upcoming)
{
    if (!upcoming)
        return false;
    double now = clock_.now_exact();
    double due = static_cast<double>(*upcoming);
    if (due - now > w.redraw_ms + kRedrawMarginMs || now >= static_cast<double>(w.next_frame + kFrameMs))
        return false;
    w.held_until = due;
    return true;
}

// When the next step is needed, in the clock's milliseconds: the next tick, a redraw held back
// to the frame rate, or a tooltip coming due.
std::optional<double> Driver::next_wake(Millis now)
{
    std::optional<double> wake;
    auto sooner = [&](double t) { wake = wake ? std::min(*wake, t) : t; };
    const std::optional<Millis> due = next_event();
    if (due)
        sooner(static_cast<double>(*due));
    for (auto& [form, w] : windows_) {
        if (!w.dirty())
            continue;
        // A redraw waiting for its frame rides on a tick that falls due within that frame: the
        // show wakes once, not twice, and the frame shows the tick's change as well.
        Millis frame = std::max(now, w.next_frame);
        if (w.held_until == 0 && frame > now && due && *due >= frame && *due < frame + kFrameMs)
            continue;
        sooner(std::max(static_cast<double>(frame), w.held_until));
    }
    if (!tip_shown_ && !hover_.text.empty() && hover_form_ && hover_since_ + kTooltipMs >= now)
        sooner(static_cast<double>(hover_since_ + kTooltipMs));
    return wake;
}

std::optional<Millis> Driver::next_event() const
{
    std::optional<Millis> due = runtime_.next_due();
    if (!script_.empty() && (!due || script_.front().input.at < *due))
        due = script_.front().input.at;
    return due;
}

// Runs what is due by t, in order: ticks, and the replay's inputs, an input after a tick due at the
// same moment. Stops at once when stop() holds after one.
void Driver::run_due(Millis t, std::optional<Millis> until, const std::function<bool()>& stop, bool& stopped)
{
    if (until && *until < t)
        t = *until;
    std::optional<Millis> due = runtime_.next_due();
    if (due && t - *due > kStallMs)
        runtime_.reanchor(t, kStallMs);
    while (!runtime_.finished()) {
        due = runtime_.next_due();
        const ScriptedInput* next = script_.empty() ? nullptr : &script_.front();
        if (next && next->input.at <= t && (!due || next->input.at < *due)) {
            ScriptedInput in = script_.front();
            script_.pop_front();
            if (!apply(in.input)) {
                failed_ = in.line;
                script_.clear();
            }
        } else if (due && *due <= t) {
            runtime_.run_next(*due);
        } else {
            break;
        }
        if (stop && stop()) {
            stopped = true;
            return;
        }
    }
}

Driver::Step Driver::step(const std::function<bool()>& stop, std::optional<Millis> until)
{
    if (runtime_.finished())
        return {};
    bool stopped = false;
    run_due(clock_.now(), until, stop, stopped);
    if (stopped)
        return Step {true, std::nullopt};
    if (runtime_.finished())
        return {};
    std::optional<Millis> due = next_event();
    if (!display_)
        return Step {false, due ? std::optional<double>(static_cast<double>(*due)) : std::nullopt};
    // The tools act at once on what they waited for; the windows catch up on the next step.
    // Windows come and go only with the show's activity.
    bool changed = runtime_.take_activity();
    if (changed)
        sync();
    Millis now = clock_.now();
    // What falls due next: a tick, a replayed input, or the moment the caller asked to be back.
    std::optional<Millis> upcoming = due;
    if (until && (!upcoming || *until < *upcoming))
        upcoming = until;
    if (hover_stale_ && hover_form_ && windows_.count(hover_form_))
        pointer_moved(*hover_form_, hover_.x, hover_.y);
    hover_stale_ = false;
    for (auto& [form, w] : windows_) {
        // What changed is looked for once the window may be drawn again: the ticks of a frame
        // in between are not looked at one by one.
        w.unseen = w.unseen || changed;
        if (w.unseen && now >= w.next_frame)
            note_changes(*form, w);
        if (!tip_shown_ && !hover_.text.empty() && hover_form_ == form && now >= hover_since_ + kTooltipMs) {
            tip_shown_ = true;
            w.tip_changed = true;
        }
        if (w.dirty() && now >= w.next_frame && !hold_redraw(w, upcoming))
            redraw(*form, w, now);
    }
    return Step {false, next_wake(now)};
}

bool Driver::play_until(ManualClock& clock, Millis until, const std::function<bool()>& stop)
{
    for (;;) {
        Step s = step(stop, until);
        if (s.stopped)
            return true;
        if (runtime_.finished() || !s.wake || *s.wake > static_cast<double>(until))
            break;
        clock.set(static_cast<Millis>(*s.wake));
    }
    if (clock.now() < until && !runtime_.finished()) {
        clock.set(until);
        runtime_.run_until(until);
    }
    return false;
}

void Driver::hide_tip()
{
    if (tip_shown_ && hover_form_)
        if (auto it = windows_.find(hover_form_); it != windows_.end())
            it->second.tip_changed = true;
    tip_shown_ = false;
}

bool Driver::input(const Input& in)
{
    if (runtime_.finished())
        return false;
    bool stopped = false;
    run_due(in.at, std::nullopt, {}, stopped);
    if (replaying_) {
        // Watching a replay: the player's clicks are not part of it; a close ends it.
        if (in.kind != Input::Kind::Close)
            return false;
        script_.clear();
        return apply(Input {Input::Kind::Quit, in.at});
    }
    return apply(in);
}

bool Driver::key(Form* form, std::string_view key, Millis at)
{
    if (runtime_.finished())
        return false;
    // The window in front is the one in front at the key's moment.
    bool stopped = false;
    run_due(at, std::nullopt, {}, stopped);
    if (!form) {
        const std::vector<Form*>& shown = runtime_.stacking();
        auto front = std::find_if(shown.rbegin(), shown.rend(), [&](Form* f) { return takes_input(*f); });
        if (front == shown.rend())
            return false;
        form = *front;
    }
    const KeyBinding* k = runtime_.bound(*form, key);
    if (!k)
        return false;
    input({Input::Kind::Choose, at, form, 0, 0, std::string(k->control), k->index});
    return true;
}

void Driver::replay(std::vector<ScriptedInput> script)
{
    script_.assign(script.begin(), script.end());
    replaying_ = true;
    failed_.reset();
    pointer_left(*runtime_.forms().front());
}

// A window whose dialog is up leaves the input to the dialog.
bool Driver::takes_input(Form& form) const
{
    if (!form.shown())
        return false;
    for (Form* other : runtime_.stacking())
        if (other != &form && other->design().owner == form.name())
            return false;
    return true;
}

// An input whose moment has come: everything due before it has run.
bool Driver::apply(const Input& in)
{
    if (runtime_.finished())
        return false;
    runtime_.advance(in.at, [&] { return aimed_at(in); });
    Form* form = in.form;
    switch (in.kind) {
    case Input::Kind::Move:
        if (takes_input(*form))
            pointer_moved(*form, in.x, in.y);
        else
            pointer_left(*form);
        return false;
    case Input::Kind::Leave:
        pointer_left(*form);
        return false;
    case Input::Kind::Press:
        if (!takes_input(*form))
            return false;
        pointer_moved(*form, in.x, in.y);
        pressed(*form);
        return false;
    case Input::Kind::Release:
        return takes_input(*form) && released(*form, in.x, in.y);
    case Input::Kind::Choose:
        return takes_input(*form) && runtime_.choose(*form, in.control, in.index);
    case Input::Kind::Close:
        return runtime_.close(*form);
    case Input::Kind::Quit:
        return runtime_.quit();
    }
    return false;
}

// What an input was aimed at, for the messages of a debug build: the control chosen or under the
// pointer, else the window.
std::string Driver::aimed_at(const Input& in)
{
    if (!in.form)
        return "every window";
    bool pointer = in.kind == Input::Kind::Move || in.kind == Input::Kind::Press || in.kind == Input::Kind::Release;
    if (std::optional<Viewport> view = pointer ? viewport(*in.form) : std::nullopt) {
        Hit hit = runtime_.hit_test(*in.form, view->twips_x(in.x), view->twips_y(in.y));
        return control_path(*in.form, hit.control, hit.index);
    }
    return control_path(*in.form, in.control, in.index);
}

void Driver::pointer_moved(Form& form, int x, int y)
{
    std::optional<Viewport> view = viewport(form);
    if (!view)
        return;
    Hit hit = runtime_.hit_test(form, view->twips_x(x), view->twips_y(y));
    int pointer = hit.label ? hit.label->MousePointer : hit.picture ? hit.picture->MousePointer : 0;
    Cursor cursor = pointer == kCustomPointer ? Cursor::Hand : Cursor::Arrow;
    if (cursor != cursor_ && display_) {
        display_->show_cursor(cursor);
        cursor_ = cursor;
    }
    const void* control = hit.label ? static_cast<const void*>(hit.label) : hit.picture;
    std::string tip;
    if (hit.enabled && form.Enabled)
        tip = hit.label ? hit.label->ToolTipText : hit.picture ? hit.picture->ToolTipText : "";
    if (control != hover_control_ || &form != hover_form_ || tip != hover_.text) {
        hide_tip();
        hover_form_ = &form;
        hover_control_ = control;
        hover_.text = tip;
        hover_since_ = clock_.now();
    }
    hover_.x = x;
    hover_.y = y;
}

void Driver::pointer_left(Form&)
{
    hide_tip();
    hover_form_ = nullptr;
    hover_control_ = nullptr;
    hover_.text.clear();
}

void Driver::pressed(Form& form)
{
    auto it = windows_.find(&form);
    if (it == windows_.end())
        return;
    it->second.pressed = true;
    hide_tip();
    hover_since_ = clock_.now() + kNoTipMs;
}

bool Driver::released(Form& form, int x, int y)
{
    auto it = windows_.find(&form);
    if (it == windows_.end() || !it->second.pressed)
        return false;
    it->second.pressed = false;
    std::optional<Viewport> view = viewport(form);
    if (!view)
        return false;
    int tx = view->twips_x(x), ty = view->twips_y(y);
    // Clicks on the bars around a resized board are not on the board. What lies under the
    // pointer after the click is looked at again on the next step, once the show has moved on.
    hover_stale_ = true;
    return on_client(form.design(), tx, ty) && runtime_.click_at(form, tx, ty);
}

void Driver::exposed(Form& form)
{
    if (auto it = windows_.find(&form); it != windows_.end())
        it->second.whole = true;
}

} // namespace tk
