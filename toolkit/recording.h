// A recorded show: everything that makes a show what it was, written down as text, so that it can be
// played again, on the desktop, in the page or in virtual time, and shared. A show is fully decided
// by its program, its questions, the time of day and the seed it started with, and the player's
// inputs at their moments; a recording is exactly that:
//
//   ruvantia-puntata 1 gioco 1.0.0 domande built-in inizio 12:00:00 seme 2545f4914f6cdd1d
//   900 click Form1.Image1
//   14250 click Form1.Label6(2)
//   20110 close Form4
//   312480 end
//
// The first line names the format, the game's version, the pack ("built-in", or "sha256:" and the
// SHA-256 of the pack file's bytes), the time of day and the seed. Then one line for every input
// that reached the show, in order, with its moment in ms; "quit" is the program interrupted. The
// last line is the moment the recording ends. A recording read from a file or a link is untrusted:
// reading it checks everything a replay needs and names the first line at fault.
#pragma once

#include "toolkit/clock.h"
#include "toolkit/driver.h"
#include "toolkit/runtime.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

inline constexpr int kRecordingFormat = 1;
// More than this is not a recording of one show.
inline constexpr std::size_t kMaxRecordingBytes = 256 * 1024;
inline constexpr std::size_t kMaxRecordedInputs = 10000;

struct RecordingHeader {
    std::string game; // the program's version
    std::string pack; // "built-in" or "sha256:" and 64 hex digits
    int start = 12 * 3600; // the time of day at the start, in seconds since midnight
    std::uint64_t seed = 0; // the random source's seed
};

struct RecordedInput {
    Dispatched::Kind kind = Dispatched::Kind::Click;
    Millis at = 0;
    std::string form, control;
    int index = -1;
    int line = 0; // where it stands in its file
};

struct Recording {
    RecordingHeader header;
    std::vector<RecordedInput> inputs;
    Millis end = 0; // the moment the recording ends
    int end_line = 0; // and the line that says so
};

// The first thing wrong with a recording; line 0 is the file as a whole.
struct RecordingProblem {
    int line = 0;
    std::string what;
};

struct RecordingReading {
    Recording recording;
    std::optional<RecordingProblem> problem;
};

// Reads a recording's bytes: its first line, its inputs in order of their moments, its end.
RecordingReading read_recording(std::string_view bytes);
std::string write_recording(const Recording& recording);

// The inputs of a recording for this runtime's windows, to be replayed by its driver; the first
// one that names a window or control the show does not have is the problem.
std::optional<RecordingProblem> script_of(
    const Recording& recording, Runtime& runtime, std::vector<ScriptedInput>& out);

// "12:00:00" and back.
std::string time_of_day_text(int seconds);
std::optional<int> parse_time_of_day(std::string_view text);

// Writes down every input that reaches the show, as it reaches it.
class Recorder final : public RuntimeObserver {
public:
    Recorder(Runtime& runtime, RecordingHeader header);
    void dispatched(const Dispatched& input) override;
    // The show so far, ending now; nothing when it has more inputs than a recording may hold.
    std::optional<Recording> recording() const;
    // Its inputs as they are written, one a line ("14250 click Form1.Label6(2)").
    std::vector<std::string> lines() const;
    std::size_t count() const { return recording_.inputs.size(); }

private:
    Runtime& runtime_;
    Recording recording_;
    bool overflow_ = false;
};

} // namespace tk
