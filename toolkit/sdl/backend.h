// The real windows: one SDL window per shown form, SDL's input turned into the driver's, and the
// event loop that sleeps until input or the moment the driver asks to be woken.
#pragma once

#include "toolkit/driver.h"
#include "toolkit/runtime.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/sdl/painter.h"
#include "toolkit/sdl/system_clock.h"
#include "toolkit/sdl/x11_wait.h"

#include <SDL2/SDL.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace tk::sdl {

class Backend final : public Display {
public:
    // Starts SDL's video. Returns nullptr, with a one-line reason on stderr, when there is no
    // graphical display.
    static std::unique_ptr<Backend> create(Runtime& runtime, SystemClock& clock);
    ~Backend() override;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // Runs the show until no window is left. Returns the process exit status.
    int run();
    // An input from elsewhere than the windows (the real-time tools' steps), as SDL's own go in.
    bool input(const Input& in) { return driver_.input(in); }
    // Plays a recorded show instead of taking the player's clicks (the driver's replay).
    void replay(std::vector<ScriptedInput> script) { driver_.replay(std::move(script)); }
    // The same loop for the real-time tools: it also returns, with true, as soon as stop() holds
    // after a tick, or once the clock has reached `until` and every tick due by then has run.
    // Returns false once no window is left.
    bool run_until(const std::function<bool()>& stop, std::optional<Millis> until);

    // Display.
    void sync_windows() override;
    std::optional<PixelRect> output_size(Form& form) override;
    void draw(Form& form, const Viewport& view, const Tip* tip, const std::vector<PixelRect>& regions) override;
    PixelRect tip_area(Form& form, const Tip& tip) override;
    void show_cursor(Cursor cursor) override;

    // What the windows have sent to the display so far: redraws, and the pixels they carried.
    struct Sent {
        long redraws = 0;
        long long pixels = 0;
    };
    const Sent& sent() const { return sent_; }

private:
    Backend(Runtime& runtime, SystemClock& clock);
    struct Window {
        SDL_Window* window = nullptr;
        SDL_Renderer* renderer = nullptr;
        std::unique_ptr<Painter> painter;
    };
    Form* form_of(Uint32 id);
    void handle(const SDL_Event& e);
    void open(Form& form);
    void close(std::map<Form*, Window>::iterator it);
    PixelRect usable() const;

    Runtime& runtime_;
    SystemClock& clock_;
    Driver driver_;
    Fonts fonts_;
    std::map<Form*, Window> windows_;
    Form* front_ = nullptr;
    double scale_ = 1.0;
    SDL_Cursor* hand_ = nullptr;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Surface* icon_ = nullptr;
    Sent sent_;
    std::optional<X11Wait> x11_; // the display's connection, when it is X11
};

} // namespace tk::sdl
