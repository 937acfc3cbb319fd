// The same steps as in virtual time, played with the real clock in real SDL windows: a wait is a
// real wait while the windows run the show, a click goes through the windows' hit-testing, and
// until, answer and snapshot work as they do in virtual time.
//
// Every step keeps the time it has in virtual time (a click after "wait 900" is a click due at
// 900 ms), so the show follows the very schedule of the virtual run, and each line of the trace
// carries, after the time it was due, the real time at which the change was made:
//   1000 1000.214 Form1.Shape1(0).Visible true
// The difference is how late the player saw it. The time of day starts at --start and follows
// the show's own clock, so re-seeding the random source draws as in virtual time.
#pragma once

#include "game/game.h"
#include "toolkit/random.h"
#include "toolkit/recording.h"
#include "toolkit/sdl/backend.h"
#include "toolkit/sdl/system_clock.h"
#include "tools/sim/simulation.h"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace sim {

class RealTime {
public:
    // Opens the real windows; ok() is false (with the reason on stderr) when there is no display.
    // With timings, every wait and until reports on stderr the real time and CPU time it took,
    // the redraws and pixels it sent to the display, and the end the peak resident memory; with
    // a server_pid, the CPU time of that process (the display server) is counted beside the game's.
    RealTime(int start_seconds, std::ostream* trace, bool timings, int server_pid = 0,
        const bank::Pack& pack = bank::built_in());
    ~RealTime();
    RealTime(const RealTime&) = delete;
    RealTime& operator=(const RealTime&) = delete;

    bool ok() const { return backend_ != nullptr; }
    Game& game() { return *game_; }
    tk::Runtime& runtime() { return game_->runtime; }
    bool ended() const { return game_->runtime.finished(); }

    // The show runs in its windows for ms of real time, from the step's virtual time.
    void wait(tk::Millis ms);
    // The show runs until pred() holds after some tick (checked first at once); false after max_ms.
    template <typename Pred> bool until(Pred pred, tk::Millis max_ms = 600000)
    {
        return until_holds(std::function<bool()>(pred), max_ms);
    }
    bool click(std::string_view form, std::string_view control, int index = -1);
    bool click(const ControlRef& ref) { return click(ref.form, ref.control, ref.index); }
    bool close(std::string_view form);
    std::optional<std::string> read(const ControlRef& ref, bool raw = false) { return read_game(*game_, ref, raw); }
    void dump(std::ostream& out) { dump_game(*game_, out); }
    // Writes the show down as ruvantia --registra does, from now on. end_recording() stops the
    // show where the steps left it, as closing the board would, and gives what was written.
    void record(std::string_view pack_id);
    std::optional<tk::Recording> end_recording();

private:
    class Stamps;

    bool until_holds(const std::function<bool()>& pred, tk::Millis max_ms);
    void check_end();
    // For --timings: where a step began, and the line that tells what it cost.
    struct Mark {
        tk::Millis due = 0;
        double real = 0, cpu = 0, server_cpu = 0;
        tk::sdl::Backend::Sent sent;
    };
    Mark mark() const;
    void report(const char* step, const Mark& from) const;

    tk::sdl::SystemClock real_;
    tk::Random random_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<tk::sdl::Backend> backend_;
    std::unique_ptr<Stamps> stamps_;
    std::unique_ptr<tk::Recorder> recorder_;
    tk::Millis step_time_ = 0; // the virtual time the steps have reached
    bool timings_ = false;
    int server_pid_ = 0;
    bool end_traced_ = false;
};

} // namespace sim
