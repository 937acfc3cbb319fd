#include "tools/sim/commands.h"

#include "game/bank/bank.h"
#include "game/replay.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/sdl/snapshot.h"
#include "tools/sim/monkey.h"
#include "tools/sim/realtime.h"
#include "tools/sim/simulation.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

namespace sim {

namespace {

constexpr int kOk = 0;
constexpr int kTimedOut = 1;
constexpr int kMalformed = 2;

std::optional<long long> number(std::string_view s)
{
    long long v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || s.empty() || v < 0)
        return std::nullopt;
    return v;
}

int malformed(const std::string& step, const char* why)
{
    std::fprintf(stderr, "simulate: malformed step \"%s\": %s\n", step.c_str(), why);
    return kMalformed;
}

// Values compare as the trace prints them, but captions unquoted and colours in any case.
bool same_value(const std::string& actual, std::string value)
{
    if (actual == value)
        return true;
    if (!value.empty() && value[0] == '#') {
        for (char& c : value)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return actual == value;
    }
    return false;
}

// The whole pack, one question a line, answers as the board shows them.
int print_bank(const bank::Pack& pack)
{
    const std::string_view blanks = bank::kAnswerBlanks;
    for (int level = 1; level <= bank::kLevels; ++level) {
        const bank::Pool& pool = pack.pool(level);
        for (std::size_t q = 0; q < pool.size(); ++q) {
            const bank::Question& row = pool[q];
            std::cout << level << '\t' << q + 1 << '\t' << row.domanda << '\t' << blanks << row.giusta;
            for (std::string_view wrong : row.errate)
                std::cout << '\t' << blanks << wrong;
            std::cout << '\n';
        }
    }
    return kOk;
}

// The steps, in virtual time (Simulation) or in real time (RealTime).
template <typename S> int steps_on(S& s, const std::vector<std::string>& steps, std::size_t first)
{
    for (std::size_t i = first; i < steps.size(); ++i) {
        const std::string& step = steps[i];
        std::string_view sv(step);
        std::size_t space = sv.find(' ');
        std::string_view verb = sv.substr(0, space);
        std::string_view rest = space == std::string_view::npos ? std::string_view {} : sv.substr(space + 1);
        if (verb == "wait") {
            auto ms = number(rest);
            if (!ms)
                return malformed(step, "expected: wait MS");
            s.wait(*ms);
        } else if (verb == "click") {
            auto ref = parse_ref(rest, false);
            if (!ref)
                return malformed(step, "expected: click FORM.CONTROL or FORM.CONTROL(I)");
            if (!s.click(*ref))
                return malformed(step, "no such window or clickable control");
        } else if (verb == "until") {
            std::size_t eq = rest.find('=');
            if (eq == std::string_view::npos)
                return malformed(step, "expected: until FORM.CONTROL.PROPERTY=VALUE [MS]");
            auto ref = parse_ref(rest.substr(0, eq), true);
            if (!ref)
                return malformed(step, "expected: until FORM.CONTROL.PROPERTY=VALUE [MS]");
            std::string value(rest.substr(eq + 1));
            long long max_ms = 600000;
            if (std::size_t last = value.rfind(' '); last != std::string::npos) {
                if (auto ms = number(std::string_view(value).substr(last + 1))) {
                    max_ms = *ms;
                    value.resize(last);
                }
            }
            if (i + 1 < steps.size()) {
                if (auto ms = number(steps[i + 1])) {
                    max_ms = *ms;
                    ++i;
                }
            }
            if (!s.read(*ref, true))
                return malformed(step, "no such window, control or property");
            bool ok = s.until([&] { return same_value(*s.read(*ref, true), value); }, max_ms);
            if (!ok) {
                std::fprintf(stderr, "simulate: %s never became \"%s\" within %lld ms (it is %s)\n",
                    std::string(rest.substr(0, eq)).c_str(), value.c_str(), max_ms, s.read(*ref).value_or("?").c_str());
                return kTimedOut;
            }
        } else if (verb == "snapshot") {
            std::size_t sp = rest.find(' ');
            if (sp == std::string_view::npos || sp + 1 >= rest.size())
                return malformed(step, "expected: snapshot FORM FILE.png");
            tk::Form* f = s.runtime().form(rest.substr(0, sp));
            if (!f)
                return malformed(step, "no such window");
            if (!tk::sdl::write_png(*f, std::string(rest.substr(sp + 1))))
                return kMalformed;
        } else if (verb == "close") {
            if (!s.close(rest))
                return malformed(step, "no such window");
        } else if (verb == "dump") {
            s.dump(std::cout);
        } else if (verb == "answer") {
            if (rest != "right" && rest != "wrong")
                return malformed(step, "expected: answer right|wrong");
            answer(s, rest == "right");
        } else {
            return malformed(step, "unknown step");
        }
    }
    return kOk;
}

} // namespace

int run_steps(Simulation& s, const std::vector<std::string>& steps, std::size_t first)
{
    return steps_on(s, steps, first);
}

int run_command_line(const std::vector<std::string>& args)
{
    int start = 12 * 3600;
    bool trace = false;
    bool real_time = false, timings = false;
    long long server_pid = 0;
    std::optional<long long> monkey_games;
    long long seed = 1;
    bool list = false;
    std::optional<bank::Pack> pack;
    std::string pack_id(replay::kBuiltIn);
    std::optional<std::string> recording_file, record_file;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        if (args[i] == "--bank") {
            list = true;
        } else if (args[i] == "--pack") {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "simulate: --pack needs a file\n");
                return kMalformed;
            }
            // The game's own checks, fonts and all: a pack it would refuse is refused here.
            tk::sdl::Fonts fonts;
            bank::Reading r = bank::load_and_check(args[++i], fonts);
            if (!r.ok()) {
                std::fputs(bank::report(args[i], r.problems, "simulate").c_str(), stderr);
                return kMalformed;
            }
            pack = std::move(r.pack);
            pack_id = "sha256:" + r.digest;
        } else if (args[i] == "--replay") {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "simulate: --replay needs a recorded show\n");
                return kMalformed;
            }
            recording_file = args[++i];
        } else if (args[i] == "--record") {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "simulate: --record needs a file to write the show to\n");
                return kMalformed;
            }
            record_file = args[++i];
        } else if (args[i] == "--monkey" || args[i] == "--seed" || args[i] == "--server-pid") {
            auto n = i + 1 < args.size() ? number(args[i + 1]) : std::nullopt;
            if (!n) {
                std::fprintf(stderr, "simulate: %s needs a whole number\n", args[i].c_str());
                return kMalformed;
            }
            if (args[i] == "--monkey")
                monkey_games = *n;
            else if (args[i] == "--server-pid")
                server_pid = *n;
            else
                seed = *n;
            ++i;
        } else if (args[i] == "--trace") {
            trace = true;
        } else if (args[i] == "--real-time") {
            real_time = true;
        } else if (args[i] == "--timings") {
            timings = true;
        } else if (args[i] == "--start") {
            auto t = i + 1 < args.size() ? tk::parse_time_of_day(args[i + 1]) : std::nullopt;
            if (!t) {
                std::fprintf(stderr, "simulate: --start needs a time of day as HH:MM:SS\n");
                return kMalformed;
            }
            start = *t;
            ++i;
        } else if (args[i] == "--help" || args[i] == "-h") {
            std::printf("usage: simulate [--start HH:MM:SS] [--trace] STEP...\n"
                        "       simulate --real-time [--timings [--server-pid PID]] [--record FILE] [--start HH:MM:SS] "
                        "[--trace]"
                        " STEP...\n"
                        "       simulate --monkey GAMES [--seed N]\n"
                        "       simulate --bank\n"
                        "       simulate --replay FILE [--pack PACK] [--trace] [STEP...]\n"
                        "--pack FILE, anywhere before the steps, plays with the questions of that pack\n"
                        "steps: \"wait MS\", \"click FORM.CONTROL[(I)]\", "
                        "\"until FORM.CONTROL[(I)].PROPERTY=VALUE [MS]\",\n"
                        "       \"snapshot FORM FILE.png\", \"close FORM\", \"dump\", \"answer right|wrong\"\n");
            return kOk;
        } else {
            break;
        }
    }
    const bank::Pack& questions = pack ? *pack : bank::built_in();
    if (list)
        return print_bank(questions);
    if (monkey_games) {
        // Random players, game after game; the first broken promise stops the run.
        MonkeyTally tally
            = run_monkey(static_cast<long>(*monkey_games), static_cast<std::uint64_t>(seed), std::cerr, questions);
        std::cout << summary(tally) << std::endl;
        return tally.violations == 0 ? kOk : kTimedOut;
    }
    std::cout.sync_with_stdio(false);
    if (real_time) {
        RealTime r(start, trace ? &std::cout : nullptr, timings, static_cast<int>(server_pid), questions);
        if (!r.ok())
            return kMalformed;
        if (record_file)
            r.record(pack_id);
        int status = steps_on(r, args, i);
        std::cout.flush();
        if (record_file) {
            std::optional<tk::Recording> done = r.end_recording();
            std::ofstream out(*record_file, std::ios::binary);
            if (!done || !(out << tk::write_recording(*done)).flush()) {
                std::fprintf(stderr, "simulate: %s: the show could not be written down\n", record_file->c_str());
                return kMalformed;
            }
        }
        return status;
    }
    if (recording_file) {
        // A recorded show, in virtual time: to its end, or through the steps given after it.
        replay::Loaded loaded = replay::load(*recording_file, pack_id);
        if (loaded.problem) {
            std::fputs(replay::report("simulate", *recording_file, *loaded.problem).c_str(), stderr);
            return kMalformed;
        }
        const tk::RecordingHeader& h = loaded.recording.header;
        Simulation s(h.start, trace ? &std::cout : nullptr, nullptr, questions, h.seed);
        std::optional<tk::RecordingProblem> problem
            = i < args.size() ? s.replay(loaded.recording) : s.play_recording(loaded.recording);
        int status = problem ? kMalformed : run_steps(s, args, i);
        std::cout.flush();
        if (!problem && s.driver().failed())
            problem = replay::no_effect(*s.driver().failed());
        if (problem) {
            std::fputs(replay::report("simulate", *recording_file, *problem).c_str(), stderr);
            return kMalformed;
        }
        return status;
    }
    Simulation s(start, trace ? &std::cout : nullptr, nullptr, questions);
    int status = run_steps(s, args, i);
    std::cout.flush();
    return status;
}

} // namespace sim
