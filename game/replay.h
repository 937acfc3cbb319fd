// A recorded show played again: what makes a recording fit this program and these questions, and
// the rehearsal in virtual time that every replay goes through first, so that a recording that
// does not hold together gets a message instead of a show that goes astray.
#pragma once

#include "game/game.h"
#include "toolkit/driver.h"
#include "toolkit/recording.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace replay {

// How a recording names its questions: the built-in ones, or a pack file by the SHA-256 of its bytes.
inline constexpr std::string_view kBuiltIn = "built-in";
std::string pack_id(std::string_view pack_file_bytes);

// What a recording of a show of this program, with these questions, says at its start.
tk::RecordingHeader header(std::string_view pack_id, int start, std::uint64_t seed);

// Whether this program can play the recording again with the questions named by pack_id.
std::optional<tk::RecordingProblem> check_origin(const tk::RecordingHeader& header, std::string_view pack_id);

// Plays a recording on a game that has just started, in virtual time, to the recording's end:
// each input at its moment must reach the show as it did, and at the end the show must be over.
// after() runs after every tick and input.
std::optional<tk::RecordingProblem> play(const tk::Recording& recording, Game& game, tk::ManualClock& clock,
    tk::Driver& driver, const std::function<void()>& after = {});

// What is said of a replayed input that no longer reaches the show.
tk::RecordingProblem no_effect(int line);

// The same on a game of its own, with nothing drawn: a rehearsal that takes milliseconds.
std::optional<tk::RecordingProblem> rehearse(const tk::Recording& recording, const bank::Pack& pack);

// A recording file named by the player, read and checked as far as it can be without the show:
// its bytes, its lines, and that it fits this program and the questions named by pack_id.
struct Loaded {
    tk::Recording recording;
    std::optional<tk::RecordingProblem> problem;
};
Loaded load(const std::string& path, std::string_view pack_id);
Loaded read(std::string_view bytes, std::string_view pack_id);

// The problem as the game prints it: "ruvantia: FILE:LINE: what".
std::string report(std::string_view program, std::string_view file, const tk::RecordingProblem& problem);

} // namespace replay
