// The real windows: one SDL window per shown form, mouse input turned into clicks, and the
// event loop that sleeps until input or the next due tick.
#pragma once

#include "toolkit/runtime.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/sdl/painter.h"
#include "toolkit/sdl/system_clock.h"

#include <SDL2/SDL.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace tk::sdl {

class Backend {
public:
    // Starts SDL's video. Returns nullptr, with a one-line reason on stderr, when there is no
    // graphical display.
    static std::unique_ptr<Backend> create(Runtime& runtime, SystemClock& clock);
    ~Backend();
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // Runs the show until no window is left. Returns the process exit status.
    int run();
    // The same loop for the real-time tools: it also returns, with true, as soon as stop() holds
    // after a tick, or once the clock has reached `until` and every tick due by then has run.
    // Returns false once no window is left.
    bool run_until(const std::function<bool()>& stop, std::optional<Millis> until);

    // Called after every pass of the loop (the real-time tools hook in here).
    void set_idle_hook(std::function<void()> hook) { idle_hook_ = std::move(hook); }

    double scale() const { return scale_; }

private:
    Backend(Runtime& runtime, SystemClock& clock);
    struct Window {
        Form* form = nullptr;
        SDL_Window* window = nullptr;
        SDL_Renderer* renderer = nullptr;
        std::unique_ptr<Painter> painter;
        std::uint64_t drawn_hash = 0;
        bool dirty = true;
        Uint64 next_frame = 0; // the earliest moment of the next redraw: one per display frame
        double redraw_ms = 0; // what its last redraws took (the longest, fading)
        double held_until = 0; // a redraw waits for a tick due at this moment
        bool pressed = false;
    };
    void sync_windows();
    Window* window_of(Uint32 id);
    Viewport viewport(const Window& w) const;
    void handle(const SDL_Event& e);
    void redraw(Window& w, Uint64 now_ms);
    bool hold_redraw(Window& w, std::optional<Millis> upcoming);
    void update_pointer(Window& w, int x, int y);
    void place(Window& w);
    std::optional<double> next_wake(Uint64 now_ms);
    void choose_scale();

    Runtime& runtime_;
    SystemClock& clock_;
    Fonts fonts_;
    std::map<Form*, Window> windows_;
    Form* front_ = nullptr;
    double scale_ = 1.0;
    SDL_Cursor* hand_ = nullptr;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Surface* icon_ = nullptr;
    bool hand_shown_ = false;
    // Tooltip: the control under a still pointer, and when its tip shows.
    Form* hover_form_ = nullptr;
    const void* hover_control_ = nullptr;
    std::string hover_tip_;
    int hover_x_ = 0, hover_y_ = 0;
    Uint64 hover_since_ = 0;
    bool tip_shown_ = false;
    bool quit_ = false;
    std::function<void()> idle_hook_;
};

// The hash of everything a window shows, to redraw only what changed.
std::uint64_t appearance_hash(Form& form);

} // namespace tk::sdl
