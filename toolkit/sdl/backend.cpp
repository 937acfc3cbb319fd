#include "toolkit/sdl/backend.h"

#include "toolkit/sdl/art.h"
#include "toolkit/sdl/x11_errors.h"
#include "toolkit/visitor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tk::sdl {

namespace {

constexpr Uint64 kFrameMs = 16; // at most one redraw per display frame
constexpr double kRedrawMarginMs = 0.5; // a redraw must end this long before the next tick
constexpr Uint64 kTooltipMs = 600; // a still pointer shows the tooltip after this
constexpr Millis kStallMs = 1000; // timers further behind than this are re-anchored

SDL_Surface* rasterise(std::string_view name, int w, int h)
{
    if (!art::find(name))
        return nullptr;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (s && !art::fill(name, s->pixels, s->pitch, w, h)) {
        SDL_FreeSurface(s);
        s = nullptr;
    }
    return s;
}

} // namespace

namespace {

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
    template <typename C> void all(const C& c)
    {
        for_each_property(c, [&](const Property& p) {
            if (p.kind == Property::Kind::Text)
                add_text(p.text);
            else
                add(static_cast<std::uint64_t>(p.number));
        });
    }
    void visit(std::string_view, int, Label& c) override { all(c); }
    void visit(std::string_view, int, Shape& c) override { all(c); }
    void visit(std::string_view, int, Line& c) override { all(c); }
    void visit(std::string_view, int, Picture& c) override { all(c); }
};

} // namespace

std::uint64_t appearance_hash(Form& form)
{
    Hasher v;
    form.visit_controls(v);
    return v.h;
}

Backend::Backend(Runtime& runtime, SystemClock& clock)
    : runtime_(runtime)
    , clock_(clock)
{
}

std::unique_ptr<Backend> Backend::create(Runtime& runtime, SystemClock& clock)
{
    // The software renderer on the window's own surface: no GPU context, fast to start, small.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    // Closing the last window is the game's decision (Form3 ends the show), not SDL's.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A click on a window that is not focused still counts, as on any desktop.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_APP_NAME, "RUVANTIA");
    // Without a desktop to show the windows on, SDL would quietly draw into memory and the show
    // would play to nobody: say so and stop.
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    bool headless_asked = driver && *driver;
    if (!headless_asked && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "ruvantia: needs a graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return nullptr;
    }
    setenv("SDL_VIDEO_X11_WMCLASS", "ruvantia", 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", "ruvantia", 0);
    tolerate_messages_to_closed_windows();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "ruvantia: needs a graphical display, and none could be opened (%s)\n", SDL_GetError());
        return nullptr;
    }
    std::string_view current = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (!headless_asked && (current == "offscreen" || current == "dummy")) {
        std::fprintf(stderr, "ruvantia: needs a graphical display, and none could be opened\n");
        SDL_Quit();
        return nullptr;
    }
    std::unique_ptr<Backend> b(new Backend(runtime, clock));
    b->choose_scale();
    b->arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    int cursor = std::max(24, static_cast<int>(std::lround(32 * std::min(b->scale_, 2.0))));
    if (SDL_Surface* hand = rasterise("hand.svg", cursor, cursor)) {
        // The fingertip of hand.svg is at (11, 1) of its 32 x 32.
        b->hand_ = SDL_CreateColorCursor(hand, 11 * cursor / 32, cursor / 32);
        SDL_FreeSurface(hand);
    }
    if (!b->hand_)
        b->hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    b->icon_ = rasterise("icon.svg", 64, 64);
    return b;
}

Backend::~Backend()
{
    for (auto& [form, w] : windows_) {
        w.painter.reset();
        SDL_DestroyRenderer(w.renderer);
        SDL_DestroyWindow(w.window);
    }
    windows_.clear();
    if (hand_)
        SDL_FreeCursor(hand_);
    if (arrow_)
        SDL_FreeCursor(arrow_);
    if (icon_)
        SDL_FreeSurface(icon_);
    SDL_Quit();
}

// One scale for every window: the display's pixel density, made smaller where the board
// would not fit the screen and larger on a screen where it would look like a stamp.
void Backend::choose_scale()
{
    constexpr double board_w = 12345 / 15.0, board_h = 10965 / 15.0;
    SDL_Rect usable {0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        SDL_GetDisplayBounds(0, &usable);
    float hdpi = 0;
    double scale = 1.0;
    if (SDL_GetDisplayDPI(0, nullptr, &hdpi, nullptr) == 0 && hdpi > 0)
        scale = std::max(1.0, hdpi / 96.0);
    while ((scale + 1) * board_h <= 0.8 * usable.h && (scale + 1) * board_w <= 0.9 * usable.w)
        scale += 1;
    double fit = std::min((usable.w - 16) / board_w, (usable.h - 48) / board_h);
    scale_ = std::max(0.25, std::min(scale, fit));
}

Viewport Backend::viewport(const Window& w) const
{
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(w.renderer, &ow, &oh);
    double cw = w.form->design().ClientWidth / 15.0, ch = w.form->design().ClientHeight / 15.0;
    double s = std::min(ow / cw, oh / ch);
    return Viewport {
        s, static_cast<int>(std::lround((ow - cw * s) / 2)), static_cast<int>(std::lround((oh - ch * s) / 2))};
}

// The board opens centred; the dialogs open over the top of the board so that the question and
// the answers stay in sight; the goodbye screen opens centred.
void Backend::place(Window& w)
{
    int width = 0, height = 0;
    SDL_GetWindowSize(w.window, &width, &height);
    Form* board = runtime_.form("Form1");
    auto it = board ? windows_.find(board) : windows_.end();
    if (w.form == board || it == windows_.end() || !board->shown()) {
        SDL_SetWindowPosition(w.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        return;
    }
    int bx = 0, by = 0, bw = 0, bh = 0;
    SDL_GetWindowPosition(it->second.window, &bx, &by);
    SDL_GetWindowSize(it->second.window, &bw, &bh);
    Viewport v = viewport(it->second);
    int x = bx + (bw - width) / 2;
    int y = by + v.py(1320);
    SDL_Rect usable {0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0) {
        x = std::clamp(x, usable.x, std::max(usable.x, usable.x + usable.w - width));
        y = std::clamp(y, usable.y + 24, std::max(usable.y + 24, usable.y + usable.h - height));
    }
    SDL_SetWindowPosition(w.window, x, y);
}

void Backend::sync_windows()
{
    // Windows whose form was unloaded go.
    for (auto it = windows_.begin(); it != windows_.end();) {
        if (!it->first->shown()) {
            if (hover_form_ == it->first)
                hover_form_ = nullptr;
            it->second.painter.reset();
            SDL_DestroyRenderer(it->second.renderer);
            SDL_DestroyWindow(it->second.window);
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
    // Shown forms get a window.
    for (Form* form : runtime_.stacking()) {
        if (windows_.count(form))
            continue;
        int w = static_cast<int>(std::lround(form->design().ClientWidth * scale_ / 15.0));
        int h = static_cast<int>(std::lround(form->design().ClientHeight * scale_ / 15.0));
        Window win;
        win.form = form;
        win.window = SDL_CreateWindow(form->Caption.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, w, h,
            SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
        if (!win.window) {
            std::fprintf(stderr, "ruvantia: cannot open a window: %s\n", SDL_GetError());
            continue;
        }
        if (icon_)
            SDL_SetWindowIcon(win.window, icon_);
        SDL_SetWindowMinimumSize(win.window, std::max(1, w / 3), std::max(1, h / 3));
        win.renderer = SDL_CreateRenderer(win.window, -1, SDL_RENDERER_SOFTWARE);
        if (!win.renderer) {
            std::fprintf(stderr, "ruvantia: cannot draw in a window: %s\n", SDL_GetError());
            SDL_DestroyWindow(win.window);
            continue;
        }
        win.painter = std::make_unique<Painter>(win.renderer, fonts_);
        auto& placed = windows_.emplace(form, std::move(win)).first->second;
        place(placed);
        SDL_ShowWindow(placed.window);
    }
    // Titles follow the forms' captions; the form shown last is in front.
    for (auto& [form, w] : windows_)
        if (form->Caption != SDL_GetWindowTitle(w.window))
            SDL_SetWindowTitle(w.window, form->Caption.c_str());
    Form* front = runtime_.stacking().empty() ? nullptr : runtime_.stacking().back();
    if (front != front_) {
        front_ = front;
        if (auto it = windows_.find(front); it != windows_.end())
            SDL_RaiseWindow(it->second.window);
    }
}

Backend::Window* Backend::window_of(Uint32 id)
{
    SDL_Window* sw = SDL_GetWindowFromID(id);
    for (auto& [form, w] : windows_)
        if (w.window == sw)
            return &w;
    return nullptr;
}

void Backend::update_pointer(Window& w, int x, int y)
{
    Viewport v = viewport(w);
    Hit hit = runtime_.hit_test(*w.form, v.twips_x(x), v.twips_y(y));
    int pointer = hit.label ? hit.label->MousePointer : hit.picture ? hit.picture->MousePointer : 0;
    bool hand = pointer == kCustomPointer;
    if (hand != hand_shown_) {
        SDL_SetCursor(hand ? hand_ : arrow_);
        hand_shown_ = hand;
    }
    const void* control = hit.label ? static_cast<const void*>(hit.label) : hit.picture;
    std::string tip;
    if (hit.enabled && w.form->Enabled)
        tip = hit.label ? hit.label->ToolTipText : hit.picture ? hit.picture->ToolTipText : "";
    if (control != hover_control_ || w.form != hover_form_ || tip != hover_tip_) {
        if (tip_shown_ && hover_form_)
            if (auto it = windows_.find(hover_form_); it != windows_.end())
                it->second.dirty = true;
        tip_shown_ = false;
        hover_form_ = w.form;
        hover_control_ = control;
        hover_tip_ = tip;
        hover_since_ = SDL_GetTicks64();
    }
    hover_x_ = x;
    hover_y_ = y;
}

void Backend::handle(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_QUIT:
        // Interrupted or asked to terminate: the show closes cleanly.
        quit_ = true;
        break;
    case SDL_WINDOWEVENT:
        if (Window* w = window_of(e.window.windowID)) {
            if (e.window.event == SDL_WINDOWEVENT_CLOSE)
                runtime_.close(*w->form);
            else if (e.window.event == SDL_WINDOWEVENT_LEAVE) {
                if (tip_shown_)
                    w->dirty = true;
                tip_shown_ = false;
                hover_form_ = nullptr;
                hover_control_ = nullptr;
                hover_tip_.clear();
            } else
                w->dirty = true;
        }
        break;
    case SDL_MOUSEMOTION:
        if (Window* w = window_of(e.motion.windowID))
            update_pointer(*w, e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (Window* w = window_of(e.button.windowID); w && e.button.button == SDL_BUTTON_LEFT) {
            w->pressed = true;
            if (tip_shown_)
                w->dirty = true;
            tip_shown_ = false;
            hover_since_ = SDL_GetTicks64() + 3600 * 1000; // no tooltip again until the pointer moves
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (Window* w = window_of(e.button.windowID); w && e.button.button == SDL_BUTTON_LEFT && w->pressed) {
            w->pressed = false;
            Viewport v = viewport(*w);
            int tx = v.twips_x(e.button.x), ty = v.twips_y(e.button.y);
            // Clicks on the bars around a resized board are not on the board.
            if (tx >= 0 && ty >= 0 && tx < w->form->design().ClientWidth && ty < w->form->design().ClientHeight)
                runtime_.click_at(*w->form, tx, ty);
            if (windows_.count(w->form))
                update_pointer(*w, e.button.x, e.button.y);
        }
        break;
    default:
        break;
    }
}

void Backend::redraw(Window& w, Uint64 now_ms)
{
    double start = clock_.now_exact();
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(w.renderer, &ow, &oh);
    w.painter->paint(*w.form, viewport(w), ow, oh);
    if (tip_shown_ && hover_form_ == w.form)
        w.painter->paint_tooltip(hover_tip_, hover_x_, hover_y_, ow, oh, scale_);
    SDL_RenderPresent(w.renderer);
    w.dirty = false;
    w.next_frame = now_ms + kFrameMs;
    w.redraw_ms = std::max(clock_.now_exact() - start, w.redraw_ms * 0.9);
    w.held_until = 0;
}

// A redraw that would still be going on when a tick falls due waits for that tick: the tick
// comes on time, and the redraw right after it shows both. It never waits past one more frame.
bool Backend::hold_redraw(Window& w, std::optional<Millis> upcoming)
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

// When the loop must wake next, in the clock's milliseconds: the next tick, a redraw held
// back to the frame rate, or a tooltip coming due.
std::optional<double> Backend::next_wake(Uint64 now_ms)
{
    std::optional<double> wake;
    auto sooner = [&](double t) { wake = wake ? std::min(*wake, t) : t; };
    if (auto due = runtime_.next_due())
        sooner(static_cast<double>(*due));
    Uint64 ticks = SDL_GetTicks64();
    for (auto& [form, w] : windows_)
        if (w.dirty)
            sooner(std::max({static_cast<double>(std::max(now_ms, w.next_frame)), w.held_until}));
    if (!tip_shown_ && !hover_tip_.empty() && hover_form_ && hover_since_ + kTooltipMs >= ticks)
        sooner(static_cast<double>(now_ms + (hover_since_ + kTooltipMs - ticks)));
    return wake;
}

int Backend::run()
{
    run_until({}, std::nullopt);
    return 0;
}

bool Backend::run_until(const std::function<bool()>& stop, std::optional<Millis> until)
{
    while (!runtime_.finished()) {
        sync_windows();
        Millis now = clock_.now();
        if (auto due = runtime_.next_due(); due && now - *due > kStallMs)
            runtime_.reanchor(now, kStallMs);
        bool stopped = false;
        while (auto due = runtime_.next_due()) {
            if (*due > clock_.now() || (until && *due > *until) || runtime_.finished())
                break;
            runtime_.run_next(*due);
            if (stop && stop()) {
                stopped = true;
                break;
            }
        }
        if (runtime_.finished())
            break;
        // The tools act at once on what they waited for; the windows catch up on the next pass.
        if (stopped)
            return true;
        sync_windows();
        now = clock_.now();
        bool changed = runtime_.take_activity();
        Uint64 now_ms = static_cast<Uint64>(now);
        // What falls due next: a tick, or the moment the tools asked to be back.
        std::optional<Millis> upcoming = runtime_.next_due();
        if (until && (!upcoming || *until < *upcoming))
            upcoming = until;
        for (auto& [form, w] : windows_) {
            if (changed) {
                std::uint64_t h = appearance_hash(*form);
                if (h != w.drawn_hash) {
                    w.drawn_hash = h;
                    w.dirty = true;
                }
            }
            if (!tip_shown_ && !hover_tip_.empty() && hover_form_ == form
                && SDL_GetTicks64() >= hover_since_ + kTooltipMs) {
                tip_shown_ = true;
                w.dirty = true;
            }
            if (w.dirty && now_ms >= w.next_frame && !hold_redraw(w, upcoming))
                redraw(w, now_ms);
        }
        if (idle_hook_)
            idle_hook_();
        if (until && clock_.now() >= *until) {
            auto due = runtime_.next_due();
            if (!due || *due > *until)
                return true;
        }
        // Sleep until input or the next thing due; never poll.
        SDL_Event e;
        bool got = false;
        std::optional<double> wake = next_wake(now_ms);
        if (until)
            wake = std::min(wake.value_or(static_cast<double>(*until)), static_cast<double>(*until));
        if (wake) {
            // The kernel may end a wait for input up to a thousandth of its length late (2 ms
            // in 2 s), so the wait stops short by that much and sleep_until lands on time.
            double remaining = *wake - clock_.now_exact();
            if (remaining > 2.0)
                got = SDL_WaitEventTimeout(&e, static_cast<int>((remaining - 1.0) / 1.001) - 1) == 1;
            else
                got = SDL_PollEvent(&e) == 1;
            if (!got)
                std::this_thread::sleep_until(clock_.at(static_cast<Millis>(std::ceil(*wake))));
        } else {
            got = SDL_WaitEvent(&e) == 1;
        }
        while (got) {
            handle(e);
            got = SDL_PollEvent(&e) == 1;
        }
        if (quit_) {
            runtime_.dispatch([this] {
                for (Form* f : runtime_.forms())
                    f->Unload();
            });
        }
    }
    return false;
}

} // namespace tk::sdl
