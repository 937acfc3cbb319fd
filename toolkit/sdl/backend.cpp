#include "toolkit/sdl/backend.h"

#include "toolkit/sdl/art.h"
#include "toolkit/sdl/x11_dialog.h"
#include "toolkit/sdl/x11_errors.h"
#include "toolkit/visitor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <string>
#include <string_view>
#include <thread>

namespace tk::sdl {

namespace {

// A wait up to this long ends within the kernel's timer slack (50 us) of its end, so one wait
// on the display's connection is enough; a longer one may end a thousandth of its length late.
constexpr double kOneWaitMs = 50.0;

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

// A key as the show's table names it: a letter, a digit, "Enter", "Space" or "Escape"; nothing for
// any other key, or for one held with Ctrl, Alt or the logo key (the desktop's own shortcuts).
std::string key_name(const SDL_Keysym& k)
{
    if (k.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI))
        return {};
    SDL_Keycode c = k.sym;
    if (c >= SDLK_a && c <= SDLK_z)
        return std::string(1, static_cast<char>('A' + (c - SDLK_a)));
    if (c >= SDLK_0 && c <= SDLK_9)
        return std::string(1, static_cast<char>('0' + (c - SDLK_0)));
    if (c >= SDLK_KP_1 && c <= SDLK_KP_9)
        return std::string(1, static_cast<char>('1' + (c - SDLK_KP_1)));
    switch (c) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return "Enter";
    case SDLK_SPACE:
        return "Space";
    case SDLK_ESCAPE:
        return "Escape";
    default:
        return {};
    }
}

} // namespace

Backend::Backend(Runtime& runtime, SystemClock& clock)
    : runtime_(runtime)
    , clock_(clock)
    , driver_(runtime, clock, this)
{
}

std::unique_ptr<Backend> Backend::create(Runtime& runtime, SystemClock& clock)
{
    // Big pictures and texts get pages of their own, and memory freed at the top of the heap
    // goes back: without fixed thresholds the allocator raises them as the show frees its first
    // pictures, and keeps everything that is ever freed.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024);
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
    // The show takes no typed text: Xlib's table of compose sequences for typing accented
    // letters (half a megabyte in a UTF-8 locale) is left unread.
    setenv("XCOMPOSEFILE", "/dev/null", 1);
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
    // Every font the windows and the tooltips use is found now, and fontconfig let go.
    struct Typefaces final : ControlVisitor {
        std::vector<Typeface> all {kTooltipFont};
        void visit(std::string_view, int, Label& c) override
        {
            if (std::find(all.begin(), all.end(), c.Font) == all.end())
                all.push_back(c.Font);
        }
        void visit(std::string_view, int, Shape&) override { }
        void visit(std::string_view, int, Line&) override { }
        void visit(std::string_view, int, Picture&) override { }
    } typefaces;
    for (Form* form : runtime.forms())
        form->visit_controls(typefaces);
    b->fonts_.find_all(typefaces.all);
    // One scale for every window, from the display's pixel density (96 dpi where it is unknown).
    float hdpi = 0;
    double density = SDL_GetDisplayDPI(0, nullptr, &hdpi, nullptr) == 0 && hdpi > 0 ? hdpi / 96.0 : 1.0;
    b->scale_ = choose_scale(runtime.forms(), b->usable(), density);
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

PixelRect Backend::usable() const
{
    SDL_Rect r {0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0 || r.w <= 0)
        SDL_GetDisplayBounds(0, &r);
    return PixelRect {r.x, r.y, r.w, r.h};
}

std::optional<PixelRect> Backend::output_size(Form& form)
{
    auto it = windows_.find(&form);
    if (it == windows_.end())
        return std::nullopt;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(it->second.renderer, &w, &h);
    return PixelRect {0, 0, w, h};
}

// A window for a form that is shown. A dialog belongs to the window that owns it: the window
// manager keeps it in front of its owner and out of the task bar, and it keeps its size.
void Backend::open(Form& form)
{
    PixelRect size = client_size(form.design(), scale_);
    Form* owner = form.design().owner.empty() ? nullptr : runtime_.form(form.design().owner);
    auto owner_window = owner ? windows_.find(owner) : windows_.end();
    bool dialog = !form.design().owner.empty();
    Uint32 flags = SDL_WINDOW_HIDDEN | (dialog ? SDL_WINDOW_SKIP_TASKBAR : SDL_WINDOW_RESIZABLE);
    Window win;
    win.window = SDL_CreateWindow(
        form.Caption.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, size.w, size.h, flags);
    if (!win.window) {
        std::fprintf(stderr, "ruvantia: cannot open a window: %s\n", SDL_GetError());
        return;
    }
    if (icon_)
        SDL_SetWindowIcon(win.window, icon_);
    if (!x11_)
        x11_.emplace(win.window);
    if (!dialog)
        SDL_SetWindowMinimumSize(win.window, std::max(1, size.w / 3), std::max(1, size.h / 3));
    win.renderer = SDL_CreateRenderer(win.window, -1, SDL_RENDERER_SOFTWARE);
    if (!win.renderer) {
        std::fprintf(stderr, "ruvantia: cannot draw in a window: %s\n", SDL_GetError());
        SDL_DestroyWindow(win.window);
        return;
    }
    win.painter = std::make_unique<Painter>(win.renderer, fonts_);
    // Where it opens: over its owner when the owner is on screen, centred otherwise.
    PixelRect owner_rect;
    std::optional<Viewport> owner_view;
    if (owner_window != windows_.end() && owner->shown()) {
        SDL_GetWindowPosition(owner_window->second.window, &owner_rect.x, &owner_rect.y);
        SDL_GetWindowSize(owner_window->second.window, &owner_rect.w, &owner_rect.h);
        owner_view = driver_.viewport(*owner);
        if (dialog) {
            SDL_SetWindowModalFor(win.window, owner_window->second.window);
            mark_as_dialog(win.window);
        }
    }
    if (owner_view) {
        PixelRect at = placement(form.design(), size.w, size.h, usable(), &owner_rect, &*owner_view);
        SDL_SetWindowPosition(win.window, at.x, at.y);
    } else {
        SDL_SetWindowPosition(win.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    SDL_Window* shown = win.window;
    windows_.emplace(&form, std::move(win));
    SDL_ShowWindow(shown);
}

void Backend::close(std::map<Form*, Window>::iterator it)
{
    driver_.forget(*it->first);
    it->second.painter.reset();
    SDL_DestroyRenderer(it->second.renderer);
    SDL_DestroyWindow(it->second.window);
    windows_.erase(it);
}

void Backend::sync_windows()
{
    bool touched = false;
    // Windows whose form was unloaded go.
    for (auto it = windows_.begin(); it != windows_.end();) {
        auto next = std::next(it);
        if (!it->first->shown()) {
            close(it);
            touched = true;
        }
        it = next;
    }
    // Shown forms get a window.
    for (Form* form : runtime_.stacking()) {
        if (!windows_.count(form)) {
            open(*form);
            touched = true;
        }
    }
    // Titles follow the forms' captions; the form shown last is in front.
    for (auto& [form, w] : windows_) {
        if (form->Caption != SDL_GetWindowTitle(w.window)) {
            SDL_SetWindowTitle(w.window, form->Caption.c_str());
            touched = true;
        }
    }
    Form* front = runtime_.stacking().empty() ? nullptr : runtime_.stacking().back();
    if (front != front_) {
        front_ = front;
        if (auto it = windows_.find(front); it != windows_.end())
            SDL_RaiseWindow(it->second.window);
        touched = true;
    }
    if (touched && x11_ && x11_->ok())
        x11_->flush();
}

void Backend::draw(Form& form, const Viewport& view, const Tip* tip, const std::vector<PixelRect>& regions)
{
    auto it = windows_.find(&form);
    if (it == windows_.end())
        return;
    Window& w = it->second;
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(w.renderer, &ow, &oh);
    w.painter->paint(form, view, regions);
    if (tip)
        w.painter->paint_tooltip(*tip, ow, oh, scale_, regions);
    ++sent_.redraws;
    // The renderer draws into the window's own pixels: only the regions drawn go to the display.
    std::vector<SDL_Rect> rects;
    for (const PixelRect& r : regions) {
        rects.push_back(sdl_rect(intersect(r, PixelRect {0, 0, ow, oh})));
        sent_.pixels += static_cast<long long>(rects.back().w) * rects.back().h;
    }
    if (SDL_RenderFlush(w.renderer) != 0
        || SDL_UpdateWindowSurfaceRects(w.window, rects.data(), static_cast<int>(rects.size())) != 0)
        SDL_RenderPresent(w.renderer);
}

PixelRect Backend::tip_area(Form& form, const Tip& tip)
{
    auto it = windows_.find(&form);
    if (it == windows_.end())
        return {};
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(it->second.renderer, &ow, &oh);
    return it->second.painter->tooltip_area(tip, ow, oh, scale_);
}

void Backend::show_cursor(Cursor cursor)
{
    SDL_SetCursor(cursor == Cursor::Hand ? hand_ : arrow_);
    if (x11_ && x11_->ok())
        x11_->flush();
}

Form* Backend::form_of(Uint32 id)
{
    SDL_Window* sw = SDL_GetWindowFromID(id);
    for (auto& [form, w] : windows_)
        if (w.window == sw)
            return form;
    return nullptr;
}

// SDL's events, each at the moment it is taken, as the driver's inputs.
void Backend::handle(const SDL_Event& e)
{
    Input in {Input::Kind::Move, clock_.now()};
    switch (e.type) {
    case SDL_QUIT:
        // Interrupted or asked to terminate: the show closes cleanly.
        in.kind = Input::Kind::Quit;
        break;
    case SDL_WINDOWEVENT:
        in.form = form_of(e.window.windowID);
        if (!in.form)
            return;
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
            in.kind = Input::Kind::Close;
        } else if (e.window.event == SDL_WINDOWEVENT_MINIMIZED && !in.form->design().owner.empty()) {
            // A dialog hidden away on its own would leave the board waiting for it with no
            // way back: it stays up while its owner does.
            bring_back(windows_.at(in.form).window);
            return;
        } else if (e.window.event == SDL_WINDOWEVENT_LEAVE) {
            in.kind = Input::Kind::Leave;
        } else {
            driver_.exposed(*in.form);
            return;
        }
        break;
    case SDL_KEYDOWN:
        // A key goes to the window that has the focus; held down, it counts once.
        if (Form* form = form_of(e.key.windowID); form && !e.key.repeat)
            driver_.key(form, key_name(e.key.keysym), in.at);
        return;
    case SDL_MOUSEMOTION:
        in = {Input::Kind::Move, in.at, form_of(e.motion.windowID), e.motion.x, e.motion.y};
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT)
            return;
        in = {e.type == SDL_MOUSEBUTTONDOWN ? Input::Kind::Press : Input::Kind::Release, in.at,
            form_of(e.button.windowID), e.button.x, e.button.y};
        break;
    default:
        return;
    }
    if (in.form || in.kind == Input::Kind::Quit)
        driver_.input(in);
}

int Backend::run()
{
    run_until({}, std::nullopt);
    return 0;
}

bool Backend::run_until(const std::function<bool()>& stop, std::optional<Millis> until)
{
    while (!runtime_.finished()) {
        Driver::Step step = driver_.step(stop, until);
        if (runtime_.finished())
            break;
        if (step.stopped)
            return true;
        if (until && clock_.now() >= *until) {
            auto due = runtime_.next_due();
            if (!due || *due > *until)
                return true;
        }
        // Sleep until input or the next thing due; never poll.
        SDL_Event e;
        bool got = false;
        std::optional<double> wake = step.wake;
        if (until)
            wake = std::min(wake.value_or(static_cast<double>(*until)), static_cast<double>(*until));
        if (x11_ && x11_->ok()) {
            // SDL's own queue first, without asking the server; SDL reads the connection only
            // when the wait says something came (or a signal did).
            got = SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
            std::optional<double> ms;
            bool twice = false;
            Millis due = 0;
            if (wake) {
                // A long wait stops short by the kernel's slack, and sleep_until lands on time.
                due = static_cast<Millis>(std::ceil(*wake));
                double remaining = static_cast<double>(due) - clock_.now_exact();
                twice = remaining > kOneWaitMs;
                ms = twice ? remaining / 1.001 - 0.1 : remaining;
            }
            // Only a wait that ran its whole time is followed by the fine sleep: one that input
            // or a signal ended goes straight back to the show.
            bool woken = got || x11_->wait(ms);
            if (woken && !got)
                got = SDL_PollEvent(&e) == 1;
            if (!woken && twice)
                std::this_thread::sleep_until(clock_.at(due));
        } else if (wake) {
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
    }
    return false;
}

} // namespace tk::sdl
