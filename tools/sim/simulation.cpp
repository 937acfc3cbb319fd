#include "tools/sim/simulation.h"

#include "game/replay.h"
#include "toolkit/inspect.h"

#include <charconv>

namespace sim {

std::optional<ControlRef> parse_ref(std::string_view text, bool with_property)
{
    ControlRef ref;
    std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0)
        return std::nullopt;
    ref.form = std::string(text.substr(0, dot));
    std::string_view rest = text.substr(dot + 1);
    if (with_property) {
        std::size_t last = rest.rfind('.');
        if (last == std::string_view::npos) {
            // A property of the window itself: Form1.Enabled.
            ref.property = std::string(rest);
            return ref.property.empty() ? std::nullopt : std::optional(ref);
        }
        ref.property = std::string(rest.substr(last + 1));
        rest = rest.substr(0, last);
        if (ref.property.empty())
            return std::nullopt;
    }
    std::size_t open = rest.find('(');
    if (open != std::string_view::npos) {
        if (rest.back() != ')')
            return std::nullopt;
        std::string_view number = rest.substr(open + 1, rest.size() - open - 2);
        int index = 0;
        auto [p, ec] = std::from_chars(number.data(), number.data() + number.size(), index);
        if (ec != std::errc() || p != number.data() + number.size() || number.empty())
            return std::nullopt;
        ref.index = index;
        rest = rest.substr(0, open);
    }
    if (rest.empty())
        return std::nullopt;
    ref.control = std::string(rest);
    return ref;
}

Simulation::Simulation(
    int start_seconds, std::ostream* trace, tk::Display* display, const bank::Pack& pack, std::uint64_t seed)
    : clock_(start_seconds)
    , random_(seed)
    , game_(std::make_unique<Game>(clock_, random_, pack))
    , driver_(game_->runtime, clock_, display)
{
    if (trace) {
        tracer_ = std::make_unique<tk::Tracer>(game_->runtime, *trace);
        game_->runtime.add_observer(tracer_.get());
    }
    game_->start();
    check_end();
}

void Simulation::check_end()
{
    if (ended() && !end_traced_) {
        end_traced_ = true;
        if (tracer_)
            tracer_->end();
    }
}

void Simulation::wait(tk::Millis ms)
{
    driver_.play_until(clock_, clock_.now() + ms, [&] {
        check_end();
        return false;
    });
    check_end();
}

bool Simulation::click(std::string_view form, std::string_view control, int index)
{
    tk::Form* f = game_->runtime.form(form);
    if (!f || !tk::control_rect(*f, control, index))
        return false;
    tk::Input in {tk::Input::Kind::Choose, clock_.now(), f};
    in.control = std::string(control);
    in.index = index;
    driver_.input(in);
    check_end();
    return true;
}

bool Simulation::close(std::string_view form)
{
    tk::Form* f = game_->runtime.form(form);
    if (!f)
        return false;
    driver_.input({tk::Input::Kind::Close, clock_.now(), f});
    check_end();
    return true;
}

std::optional<tk::RecordingProblem> Simulation::replay(const tk::Recording& recording)
{
    std::vector<tk::ScriptedInput> script;
    if (auto problem = tk::script_of(recording, game_->runtime, script))
        return problem;
    driver_.replay(std::move(script));
    return std::nullopt;
}

std::optional<tk::RecordingProblem> Simulation::play_recording(const tk::Recording& recording)
{
    auto problem = ::replay::play(recording, *game_, clock_, driver_, [this] { check_end(); });
    check_end();
    return problem;
}

std::optional<std::string> read_game(Game& game, const ControlRef& ref, bool raw)
{
    tk::Form* f = game.runtime.form(ref.form);
    if (!f)
        return std::nullopt;
    for (tk::Timer* t : f->timers()) {
        if (t->name() != ref.control || ref.index != -1)
            continue;
        if (ref.property == "Enabled")
            return std::string(t->Enabled ? "true" : "false");
        if (ref.property == "Interval")
            return std::to_string(int(t->Interval));
        return std::nullopt;
    }
    return raw ? tk::read_property_raw(*f, ref.control, ref.index, ref.property)
               : tk::read_property(*f, ref.control, ref.index, ref.property);
}

std::optional<std::string> Simulation::read(const ControlRef& ref, bool raw)
{
    return read_game(*game_, ref, raw);
}

void dump_game(Game& game, std::ostream& out)
{
    for (tk::Form* f : game.runtime.forms()) {
        if (!f->loaded())
            continue;
        for (auto& [key, value] : tk::properties_of(*f))
            out << f->name() << '.' << key << ' ' << value << '\n';
        for (tk::Timer* t : f->timers())
            out << f->name() << '.' << t->name() << ".Enabled " << (t->Enabled ? "true" : "false") << '\n'
                << f->name() << '.' << t->name() << ".Interval " << int(t->Interval) << '\n';
    }
}

void Simulation::dump(std::ostream& out)
{
    dump_game(*game_, out);
}

} // namespace sim
