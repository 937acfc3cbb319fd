#include "tools/sim/realtime.h"

#include "game/replay.h"

#include "toolkit/inspect.h"
#include "toolkit/tracer.h"

#include <cstdio>
#include <streambuf>
#include <string>

namespace sim {

namespace {

// The most memory the process has held resident so far.
long peak_resident_kb()
{
    long kb = -1;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
                break;
        std::fclose(f);
    }
    return kb;
}

// The CPU time a process has run, in ms, from the scheduler's own count in nanoseconds (the
// first field of /proc/PID/schedstat); 0 where it cannot be read.
double cpu_ms(const char* path)
{
    unsigned long long ns = 0;
    if (std::FILE* f = std::fopen(path, "r")) {
        if (std::fscanf(f, "%llu", &ns) != 1)
            ns = 0;
        std::fclose(f);
    }
    return static_cast<double>(ns) / 1e6;
}

} // namespace

// Puts the real time beside the time each trace line was due. The tracer writes whole lines;
// every line gets the real time of the moment the runtime reported the change, taken before
// the tracer spends any time on it.
class RealTime::Stamps final : public std::streambuf, public tk::RuntimeObserver {
public:
    Stamps(tk::Runtime& runtime, const tk::sdl::SystemClock& real, std::ostream& out)
        : real_(real)
        , out_(out)
        , stream_(this)
        , tracer_(runtime, stream_)
    {
    }

    void before_change() override
    {
        stamp();
        tracer_.before_change();
    }
    void handler_done() override
    {
        stamp();
        tracer_.handler_done();
    }
    void form_loaded(tk::Form& f) override
    {
        stamp();
        tracer_.form_loaded(f);
    }
    void form_shown(tk::Form& f) override
    {
        stamp();
        tracer_.form_shown(f);
    }
    void form_unloaded(tk::Form& f) override
    {
        stamp();
        tracer_.form_unloaded(f);
    }
    void timer_changed(tk::Timer& t, std::string_view property) override
    {
        stamp();
        tracer_.timer_changed(t, property);
    }
    void end()
    {
        stamp();
        tracer_.end();
        out_.flush();
    }

private:
    void stamp() { now_ = real_.now_exact(); }
    int_type overflow(int_type c) override
    {
        if (c == traits_type::eof())
            return traits_type::not_eof(c);
        if (c != '\n') {
            line_.push_back(static_cast<char>(c));
            return c;
        }
        std::size_t space = line_.find(' ');
        char real[32];
        std::snprintf(real, sizeof real, " %.3f", now_);
        out_ << std::string_view(line_).substr(0, space) << real
             << (space == std::string::npos ? std::string_view {} : std::string_view(line_).substr(space)) << '\n';
        line_.clear();
        return c;
    }

    const tk::sdl::SystemClock& real_;
    std::ostream& out_;
    std::ostream stream_;
    tk::Tracer tracer_;
    std::string line_;
    double now_ = 0;
};

RealTime::RealTime(int start_seconds, std::ostream* trace, bool timings, int server_pid, const bank::Pack& pack)
    : real_(start_seconds)
    , game_(std::make_unique<Game>(real_, random_, pack))
    , timings_(timings)
    , server_pid_(server_pid)
{
    backend_ = tk::sdl::Backend::create(game_->runtime, real_);
    if (!backend_)
        return;
    // The show's time starts now that the display is open, as its first line is due at 0.
    real_ = tk::sdl::SystemClock(start_seconds);
    if (trace) {
        stamps_ = std::make_unique<Stamps>(game_->runtime, real_, *trace);
        game_->runtime.add_observer(stamps_.get());
    }
    game_->start();
    check_end();
}

RealTime::~RealTime()
{
    if (stamps_)
        game_->runtime.remove_observer(stamps_.get());
    if (recorder_)
        game_->runtime.remove_observer(recorder_.get());
    backend_.reset();
    if (timings_)
        std::fprintf(stderr, "peak resident memory %ld kB\n", peak_resident_kb());
}

void RealTime::record(std::string_view pack_id)
{
    recorder_
        = std::make_unique<tk::Recorder>(game_->runtime, replay::header(pack_id, real_.start_of_day(), tk::kFixedSeed));
    game_->runtime.add_observer(recorder_.get());
}

std::optional<tk::Recording> RealTime::end_recording()
{
    if (!recorder_)
        return std::nullopt;
    // The show stops here, as when its player closes the board: the recording says so.
    if (!ended()) {
        backend_->input({tk::Input::Kind::Quit, step_time_});
        check_end();
    }
    return recorder_->recording();
}

void RealTime::check_end()
{
    if (ended() && !end_traced_) {
        end_traced_ = true;
        if (stamps_)
            stamps_->end();
    }
}

void RealTime::wait(tk::Millis ms)
{
    Mark from = mark();
    tk::Millis target = step_time_ + ms;
    if (!ended())
        backend_->run_until({}, target);
    check_end();
    step_time_ = target;
    report("wait", from);
}

bool RealTime::until_holds(const std::function<bool()>& pred, tk::Millis max_ms)
{
    Mark from = mark();
    if (pred()) {
        report("until", from);
        return true;
    }
    tk::Millis limit = step_time_ + max_ms;
    auto after_tick = [&] {
        check_end();
        return pred();
    };
    bool held = !ended() && backend_->run_until(after_tick, limit) && pred();
    check_end();
    // Like the virtual run: the next step acts at the tick that made it hold, or at the limit.
    if (held || ended())
        step_time_ = std::max(step_time_, runtime().now());
    else
        step_time_ = limit;
    report("until", from);
    return held || pred();
}

bool RealTime::click(std::string_view form, std::string_view control, int index)
{
    tk::Form* f = runtime().form(form);
    if (!f || !tk::control_rect(*f, control, index))
        return false;
    tk::Input in {tk::Input::Kind::Choose, step_time_, f};
    in.control = std::string(control);
    in.index = index;
    backend_->input(in);
    check_end();
    return true;
}

bool RealTime::close(std::string_view form)
{
    tk::Form* f = runtime().form(form);
    if (!f)
        return false;
    backend_->input({tk::Input::Kind::Close, step_time_, f});
    check_end();
    return true;
}

RealTime::Mark RealTime::mark() const
{
    Mark m {step_time_, real_.now_exact(), cpu_ms("/proc/self/schedstat"), 0, {}};
    if (server_pid_ > 0)
        m.server_cpu = cpu_ms(("/proc/" + std::to_string(server_pid_) + "/schedstat").c_str());
    if (backend_)
        m.sent = backend_->sent();
    return m;
}

void RealTime::report(const char* step, const Mark& from) const
{
    if (!timings_)
        return;
    Mark to = mark();
    double real = to.real - from.real, cpu = to.cpu - from.cpu, server = to.server_cpu - from.server_cpu;
    std::fprintf(stderr,
        "%s: due %lld to %lld ms, real %.3f to %.3f ms, %ld redraws, %lld pixels sent, cpu %.3f ms, "
        "display server %.3f ms, %.3f %% + %.3f %% of one core\n",
        step, static_cast<long long>(from.due), static_cast<long long>(to.due), from.real, to.real,
        to.sent.redraws - from.sent.redraws, to.sent.pixels - from.sent.pixels, cpu, server,
        real > 0 ? 100.0 * cpu / real : 0.0, real > 0 ? 100.0 * server / real : 0.0);
}

} // namespace sim
