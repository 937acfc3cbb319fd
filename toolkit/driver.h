// The event loop's rules, for every backend: one step runs what is due at a moment, redraws the
// windows whose look changed (one redraw a display frame, never in the way of a tick about to
// fall due), shows a tooltip when the pointer has rested, and says when it must wake next. The
// desktop sleeps between steps; a browser would call step() from its own timer; the tools play
// virtual time with play_until().
//
// Every input comes in here as one event with its moment (Driver::input): a backend only
// translates its own events, the tools and a replay hand theirs. The driver runs every tick due by
// that moment, then the input at that moment, so the show's clock never goes back and the same
// inputs at the same moments make the same show everywhere. A window that owns a shown dialog
// takes no input, for every backend alike.
#pragma once

#include "toolkit/clock.h"
#include "toolkit/geometry.h"
#include "toolkit/runtime.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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

// One input of the player, at its moment on the show's clock.
struct Input {
    enum class Kind : std::uint8_t {
        Move, // the pointer at pixel (x, y) of the form's drawing area
        Press, // the button went down there
        Release, // and up: a click on what lies there
        Leave, // the pointer left the form's window
        Close, // the window's close button
        Choose, // a control chosen directly: a key, a screen reader's button, a replayed click
        Quit, // the program is asked to end
    };
    Kind kind = Kind::Move;
    Millis at = 0;
    Form* form = nullptr; // none for Quit
    int x = 0, y = 0;
    std::string control; // Choose
    int index = -1;
};

// A replayed input, with the line of the recording it came from.
struct ScriptedInput {
    Input input;
    int line = 0;
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

    // An input at its moment: every tick due by then runs first. Returns whether it reached the
    // show (a handler ran). While a replay plays, the player's own inputs are ignored, but for a
    // close, which ends the replay and the show.
    bool input(const Input& in);
    // A key pressed at `at` on a window, or, with none, on the front window that takes input:
    // the control bound to it is chosen, exactly as a click on it at that moment would be.
    // Returns whether a control is bound to that key there, whether or not it took the key.
    bool key(Form* form, std::string_view key, Millis at);
    // A recorded show played again: each input is handed over at its moment, as the show's time
    // reaches it (by step() or play_until()). An input that no longer reaches the show stops the
    // replay: failed() then tells its line.
    void replay(std::vector<ScriptedInput> script);
    bool replaying() const { return replaying_; }
    bool replay_done() const { return script_.empty(); }
    std::optional<int> failed() const { return failed_; }

    // The window was uncovered, resized or moved: it is drawn whole again.
    void exposed(Form& form);
    // The backend closed the form's window.
    void forget(Form& form);

    // Whether a shown window takes input: not while a dialog it owns is up.
    bool takes_input(Form& form) const;

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
    bool apply(const Input& in);
    std::string aimed_at(const Input& in);
    // The next tick or replayed input, whichever comes first.
    std::optional<Millis> next_event() const;
    void run_due(Millis t, std::optional<Millis> until, const std::function<bool()>& stop, bool& stopped);
    void pointer_moved(Form& form, int x, int y);
    void pointer_left(Form& form);
    void pressed(Form& form);
    bool released(Form& form, int x, int y);
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
    bool hover_stale_ = false; // a click changed the show: what lies under the pointer is looked at again
    // A replay: the inputs still to come, earliest first.
    std::deque<ScriptedInput> script_;
    bool replaying_ = false;
    std::optional<int> failed_;
};

} // namespace tk
