// The event loop's rules, for every backend: one step runs what is due at a moment, redraws the
// windows whose look changed (one redraw a display frame, never in the way of a tick about to
// fall due), shows a tooltip when the pointer has rested, and says when it must wake next. The
// desktop sleeps between steps; a browser would call step() from its own timer; the tools play
// virtual time with play_until().
//
// Pointer input arrives here already translated into the core's terms: a pointer at a pixel of a
// window, a press, a release. (A close from the title bar goes straight to Runtime::close.)
#pragma once

#include "toolkit/clock.h"
#include "toolkit/geometry.h"
#include "toolkit/runtime.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tk {

enum class Cursor : std::uint8_t { Arrow, Hand };

// A tooltip to draw over a window: its text at a pixel of the window.
struct Tip {
    std::string text;
    int x = 0, y = 0;
    bool operator==(const Tip&) const = default;
};

// What the driver needs of a backend's windows.
class Display {
public:
    virtual ~Display() = default;
    // Every shown form gets a window; the windows of unloaded forms go (and the driver is told
    // through Driver::forget).
    virtual void sync_windows() = 0;
    // The size of a form's drawing area in pixels, or nothing when it has no window.
    virtual std::optional<PixelRect> output_size(Form& form) = 0;
    // Draws these regions of the window again, with the tooltip over them when tip is given, and
    // shows them: the rest of the window still shows what it showed.
    virtual void draw(Form& form, const Viewport& view, const Tip* tip, const std::vector<PixelRect>& regions) = 0;
    // Where a tooltip is drawn in the window.
    virtual PixelRect tip_area(Form& form, const Tip& tip) = 0;
    virtual void show_cursor(Cursor cursor) = 0;
};

// The hash of everything a window shows: a window is redrawn when it changes.
std::uint64_t appearance_hash(Form& form);

class Driver {
public:
    // The clock is the real one on the desktop, a manual one in virtual time. Without a display
    // nothing is drawn: the steps only run the show.
    Driver(Runtime& runtime, const Clock& clock, Display* display = nullptr);

    struct Step {
        bool stopped = false; // stop() held after a tick; nothing was redrawn
        std::optional<double> wake; // when the next step is needed (the clock's ms); none: only input
    };
    // Runs every tick due by now (and by `until`, when given), in order; stops at once when
    // stop() holds after one. Then redraws what needs it and says when to wake.
    Step step(const std::function<bool()>& stop = {}, std::optional<Millis> until = std::nullopt);

    // Virtual time on a manual clock: each tick due up to `until` runs with the clock at its own
    // moment. True as soon as stop() holds after a tick, the clock left at that tick; otherwise
    // the clock ends at `until`, as does the show's time, and the result is false.
    bool play_until(ManualClock& clock, Millis until, const std::function<bool()>& stop = {});

    // Input, in pixels of a window's drawing area.
    void pointer_moved(Form& form, int x, int y);
    void pointer_left(Form& form);
    void pressed(Form& form);
    void released(Form& form, int x, int y);
    // The window was uncovered, resized or moved: it is drawn whole again.
    void exposed(Form& form);
    // The backend closed the form's window.
    void forget(Form& form);

    // The window a form is drawn in: its client area fitted to its drawing area.
    std::optional<Viewport> viewport(Form& form);

    // A control's look, and the pixels it covers when it is shown.
    struct Look {
        std::uint64_t hash = 0;
        PixelRect area;
        bool uncut = false; // a slanting line: drawn whole or not at all
    };

private:
    struct Window {
        std::vector<Look> looks; // every control as last seen, back to front
        std::optional<Viewport> view; // the viewport the looks were taken in
        std::vector<PixelRect> changed; // what must be drawn again since the last redraw
        bool whole = true; // everything must be drawn again
        bool unseen = false; // the show ran since the looks were taken: something may have changed
        bool tip_changed = false; // the tooltip came or went
        PixelRect tip_drawn; // where the tooltip was drawn last, if it was
        Tip tip_shown; // and what it said where
        bool dirty() const { return whole || unseen || tip_changed || !changed.empty(); }
        Millis next_frame = 0; // the earliest moment of the next redraw: one per display frame
        double redraw_ms = 0; // what its last redraws took (the longest, fading)
        double held_until = 0; // a redraw waits for a tick due at this moment
        bool pressed = false;
    };
    void sync();
    void note_changes(Form& form, Window& w);
    void redraw(Form& form, Window& w, Millis now);
    bool hold_redraw(Window& w, std::optional<Millis> upcoming);
    std::optional<double> next_wake(Millis now);
    void hide_tip();

    Runtime& runtime_;
    const Clock& clock_;
    Display* display_;
    std::map<Form*, Window> windows_;
    // The pointer: the control it rests on, the cursor shown, and when the tooltip shows.
    Cursor cursor_ = Cursor::Arrow;
    Form* hover_form_ = nullptr;
    const void* hover_control_ = nullptr;
    Tip hover_;
    Millis hover_since_ = 0;
    bool tip_shown_ = false;
};

} // namespace tk
