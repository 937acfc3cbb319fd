// A game played in virtual time: the instrument behind tools/simulate and the tests.
//
// Build one, click and wait as a player would, and look at the controls; a whole game from
// the logo to the goodbye screen runs in milliseconds.
#pragma once

#include "game/game.h"
#include "toolkit/clock.h"
#include "toolkit/driver.h"
#include "toolkit/random.h"
#include "toolkit/recording.h"
#include "toolkit/tracer.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace sim {

// FORM.CONTROL or FORM.CONTROL(I), optionally followed by .PROPERTY.
struct ControlRef {
    std::string form;
    std::string control; // empty for the window itself
    int index = -1;
    std::string property;
};
std::optional<ControlRef> parse_ref(std::string_view text, bool with_property);

class Simulation {
public:
    // start: the time of day, in seconds since midnight, when the program starts. With a display,
    // the windows are drawn as the desktop draws them, at the moments it would.
    // The questions come from pack, which must outlive the simulation.
    explicit Simulation(int start_seconds = 12 * 3600, std::ostream* trace = nullptr, tk::Display* display = nullptr,
        const bank::Pack& pack = bank::built_in(), std::uint64_t seed = tk::kFixedSeed);

    Game& game() { return *game_; }
    tk::Runtime& runtime() { return game_->runtime; }
    tk::Millis now() const { return clock_.now(); }
    bool ended() const { return game_->runtime.finished(); }

    // Advance virtual time by ms, running every tick that falls due up to and including it.
    void wait(tk::Millis ms);
    // Advance until pred() holds after some tick (checked first at once); false after max_ms.
    template <typename Pred> bool until(Pred pred, tk::Millis max_ms = 600000)
    {
        if (pred())
            return true;
        driver_.play_until(clock_, clock_.now() + max_ms, [&] {
            check_end();
            return pred();
        });
        check_end();
        return pred();
    }
    // A click on a control, now: it reaches the control when a real click on it would. Returns
    // false when there is no such window.
    bool click(std::string_view form, std::string_view control, int index = -1);
    bool click(const ControlRef& ref) { return click(ref.form, ref.control, ref.index); }
    // The player closes a window from its title bar.
    bool close(std::string_view form);
    // A property as the trace prints it (strings quoted), or the raw text with raw = true.
    std::optional<std::string> read(const ControlRef& ref, bool raw = false);
    // Every property of every control of every loaded window.
    void dump(std::ostream& out);
    // Plays a recorded show from now on: its inputs reach the show as the waits reach their
    // moments. play_recording() then waits to its end; it says where it stopped making sense.
    std::optional<tk::RecordingProblem> replay(const tk::Recording& recording);
    std::optional<tk::RecordingProblem> play_recording(const tk::Recording& recording);
    tk::Driver& driver() { return driver_; }

private:
    void check_end();
    tk::ManualClock clock_;
    tk::Random random_;
    std::unique_ptr<Game> game_;
    tk::Driver driver_;
    std::unique_ptr<tk::Tracer> tracer_;
    bool end_traced_ = false;
};

// Clicks the letter whose answer is right, or the first visible one whose answer is wrong, through
// the normal hit-testing. Works for any player that has game() and click() (virtual or real time).
template <typename S> bool answer(S& s, bool right)
{
    Board& b = s.game().Form1;
    for (int i = 0; i <= 3; ++i) {
        bool is_right = b.Label3(i).Caption == b.risgiusta;
        if (right ? is_right : (!is_right && b.Label6(i).Visible))
            return s.click("Form1", "Label6", i);
    }
    return false;
}

// A property of a game's window, control or timer as the trace prints it (raw: text unquoted),
// and every property of every loaded window: shared by the virtual and the real-time runs.
std::optional<std::string> read_game(Game& game, const ControlRef& ref, bool raw = false);
void dump_game(Game& game, std::ostream& out);

} // namespace sim
