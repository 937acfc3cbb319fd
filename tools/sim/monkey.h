// The monkey: a random player who plays whole games in virtual time and checks, after every
// click, close and tick, that the show keeps its promises.
//
// It clicks any label or picture of any loaded window (enabled or not, hidden or covered: the
// click reaches it only where a real one would), closes windows from their title bars, and waits
// from 0 ms to a minute, now and then much longer, always acting again within the hour. What it
// checks:
//   - the game ends, and the time the show spends running on its own (not waiting for the
//     player) stays within what its phases and the player's actions can take;
//   - the board is never left disabled with no dialog open and nothing running to enable it again;
//     a dialog can always be closed; a waiting board always takes a choice;
//   - the host line shows only the game's own texts, each in its place: the lead-in and the value
//     of the question being played, the lifelines really left, the right letter, and at the end
//     the sum the prize rules give for the question reached and the way the game ended;
//   - the poll adds up to 100 with 0 % for removed answers, the friend names an answer on the
//     board, the 50:50 never removes the right one;
//   - the game's indexes stay in range (the checked control arrays stop the program otherwise:
//     then the replay of the game is printed before it stops).
// Game i of a run with seed S is played by the player seeded S + i, so "--monkey 1 --seed S+i"
// plays it again alone; its steps are also printed as a plain simulate command line.
#pragma once

#include "tools/sim/simulation.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sim {

// How a game ended: a wrong answer, walking away, the million, or the board closed from its title
// bar before the show could end it (closing the goodbye screen early leaves the ending as it was).
enum class Ending { None, Wrong, Walked, Million, Closed };

struct MonkeyTally {
    long games = 0, wrong = 0, walked = 0, million = 0, closed = 0, violations = 0;
};

// One game played by one random player.
class Monkey {
public:
    struct Style;

    explicit Monkey(std::uint64_t seed, const bank::Pack& pack = bank::built_in());
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Plays until the program ends or an invariant breaks.
    void play();

    // How the game ended (None while it runs), and the first broken invariant, if any.
    Ending ending() const;
    const std::optional<std::string>& violation() const { return violation_; }

    // Checks every invariant now, as after an event (also for tests that tamper with a game).
    void check();

    Simulation& simulation() { return *sim_; }
    int start_seconds() const { return start_; }
    // The steps played so far, as simulate steps ("wait 250", "click Form1.Label6(2)").
    const std::vector<std::string>& steps() const { return steps_; }
    // The virtual time the show has run on its own, not waiting for the player.
    tk::Millis own_time() const { return own_time_; }
    // The question being played when the game's end was decided (15 for the million).
    int question_reached() const { return ending_question_; }
    // A description of the violation with everything needed to replay it.
    std::string report() const;
    // Who played, and the two ways of playing the game again.
    std::string replay() const;

private:
    void act();
    void wait(long long ms);
    void click(const std::string& form, const std::string& control, int index);
    void close(const std::string& form);
    void fail(std::string what);
    void check_board();
    void check_host_line();
    void check_lifelines();
    void account_time();
    bool waits_for_player() const;
    std::optional<int> right_position();
    std::string expected_sum_message() const;

    // The clicks the runtime lets through to a control, as it tells whoever listens.
    struct Landed {
        std::string control;
        int index = -1;
    };
    class Listener;

    std::uint64_t seed_;
    std::uint64_t rng_;
    int start_ = 0;
    std::unique_ptr<Style> style_;
    std::unique_ptr<Simulation> sim_;
    std::unique_ptr<Listener> listener_;
    std::optional<Landed> landed_;
    std::vector<std::string> steps_;
    std::optional<std::string> violation_;

    // What the player knows of the game, independently of the game's own variables.
    int won_ = 0; // right answers confirmed
    int lifelines_ = 3; // lifelines not yet taken
    int marked_ = -1; // the letter whose click opened the final-answer window
    Ending decided_ = Ending::None;
    bool closed_ = false;
    bool goodbye_seen_ = false;
    bool sum_seen_ = false;
    long actions_ = 0;

    // Bookkeeping of the checks.
    std::string last_host_;
    std::string oracle_question_; // the question the oracle last looked up in the bank
    std::string asked_; // the question box's text when last checked
    std::string oracle_answer_; // its right answer, as the board shows it
    bool verdict_right_ = false; // whether the last answer confirmed was right
    int ending_question_ = 0; // the question being played when the game's end was decided
    tk::Millis last_time_ = 0;
    tk::Millis own_time_ = 0;
    bool waiting_ = false;
    std::optional<tk::Millis> stuck_since_;
    bool fifty_running_ = false;
    bool phone_loaded_ = false;
    bool poll_loaded_ = false;
};

// Plays `games` games, the first with player seed `seed`, and stops at the first violation,
// describing it on `report`. The tally says how each game ended.
MonkeyTally run_monkey(long games, std::uint64_t seed, std::ostream& report, const bank::Pack& pack = bank::built_in());

// What the host must say about the sum kept, by the prize rules, for a game that ended this way
// on this question.
std::string sum_message(Ending ending, int question);

// The host's comment, 3 s after the sum, on walking away at this question.
std::string walk_comment(int question);

// The one line that sums up a run.
std::string summary(const MonkeyTally& tally);

} // namespace sim
