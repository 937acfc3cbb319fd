#include "toolkit/recording.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace tk {

namespace {

constexpr std::string_view kMagic = "ruvantia-puntata";
// A moment past this (a day) is not one of a show; it also bounds the rehearsal of a recording.
constexpr Millis kLatest = 24 * 3600 * 1000;

std::string_view kind_word(Dispatched::Kind kind)
{
    switch (kind) {
    case Dispatched::Kind::Click:
        return "click";
    case Dispatched::Kind::Close:
        return "close";
    case Dispatched::Kind::Quit:
        return "quit";
    }
    return "?";
}

// Digits only: a recording writes no signs, so one that has them was not written by the game.
template <typename T> std::optional<T> number(std::string_view s, int base = 10)
{
    if (!s.empty() && s[0] == '-')
        return std::nullopt;
    T v {};
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t at = 0; at < line.size();) {
        std::size_t end = line.find(' ', at);
        if (end == std::string_view::npos)
            end = line.size();
        if (end > at)
            out.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// FORM.CONTROL or FORM.CONTROL(I).
bool parse_control(std::string_view text, RecordedInput& in)
{
    std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    in.form = std::string(text.substr(0, dot));
    std::string_view rest = text.substr(dot + 1);
    if (std::size_t open = rest.find('('); open != std::string_view::npos) {
        auto index = rest.back() == ')' ? number<int>(rest.substr(open + 1, rest.size() - open - 2)) : std::nullopt;
        if (!index || *index < 0)
            return false;
        in.index = *index;
        rest = rest.substr(0, open);
    }
    in.control = std::string(rest);
    return !rest.empty();
}

std::string control_text(const RecordedInput& in)
{
    std::string out = in.form + "." + in.control;
    if (in.index >= 0) {
        out += '(';
        out += std::to_string(in.index);
        out += ')';
    }
    return out;
}

std::string input_line(const RecordedInput& in)
{
    std::string out = std::to_string(in.at);
    out += ' ';
    out += kind_word(in.kind);
    if (in.kind == Dispatched::Kind::Click || in.kind == Dispatched::Kind::Close) {
        out += ' ';
        out += in.kind == Dispatched::Kind::Click ? control_text(in) : in.form;
    }
    return out;
}

RecordingReading refuse(int line, std::string what)
{
    RecordingReading r;
    r.problem = RecordingProblem {line, std::move(what)};
    return r;
}

// The first line: the format, then what the show was made of, as name and value.
std::optional<RecordingProblem> read_header(std::string_view line, RecordingHeader& h)
{
    const std::string expected = "la prima riga di una puntata è «ruvantia-puntata 1 gioco VERSIONE domande "
                                 "PACCHETTO inizio HH:MM:SS seme NUMERO»";
    std::vector<std::string_view> w = words(line);
    if (w.empty() || w[0] != kMagic)
        return RecordingProblem {1, "non è una puntata registrata: " + expected};
    if (w.size() < 2 || number<int>(w[1]) != kRecordingFormat)
        return RecordingProblem {1,
            "è una puntata nel formato " + std::string(w.size() < 2 ? "?" : w[1]) + ", e questo gioco legge il formato "
                + std::to_string(kRecordingFormat)};
    if (w.size() != 10 || w[2] != "gioco" || w[4] != "domande" || w[6] != "inizio" || w[8] != "seme")
        return RecordingProblem {1, expected};
    h.game = std::string(w[3]);
    h.pack = std::string(w[5]);
    auto start = parse_time_of_day(w[7]);
    auto seed = w[9].size() <= 16 ? number<std::uint64_t>(w[9], 16) : std::nullopt;
    if (!start)
        return RecordingProblem {1, "l'inizio \"" + std::string(w[7]) + "\" non è un'ora del giorno (HH:MM:SS)"};
    if (!seed)
        return RecordingProblem {1, "il seme \"" + std::string(w[9]) + "\" non è un numero esadecimale di 16 cifre"};
    h.start = *start;
    h.seed = *seed;
    return std::nullopt;
}

} // namespace

std::string time_of_day_text(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return text;
}

std::optional<int> parse_time_of_day(std::string_view text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    auto h = number<int>(text.substr(0, 2)), m = number<int>(text.substr(3, 2)), s = number<int>(text.substr(6, 2));
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return *h * 3600 + *m * 60 + *s;
}

RecordingReading read_recording(std::string_view bytes)
{
    if (bytes.empty())
        return refuse(0, "il file è vuoto: non è una puntata registrata");
    if (bytes.size() > kMaxRecordingBytes)
        return refuse(0, "il file è troppo grande per una puntata registrata (più di 256 KB)");
    RecordingReading r;
    Recording& rec = r.recording;
    std::optional<Millis> end;
    int line_number = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t next = bytes.find('\n', at);
        std::string_view line = bytes.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at);
        at = next == std::string_view::npos ? bytes.size() : next + 1;
        ++line_number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // A recording is plain ASCII: numbers, names and blanks.
        for (char c : line)
            if (c < 0x20 || c == 0x7F)
                return refuse(line_number, "non è testo: una puntata registrata è un file di testo");
        if (line_number == 1) {
            if (auto problem = read_header(line, rec.header))
                return refuse(problem->line, problem->what);
            continue;
        }
        std::vector<std::string_view> w = words(line);
        if (w.empty())
            continue;
        if (end)
            return refuse(line_number, "dopo la riga «end» la puntata è finita: non può seguire altro");
        auto moment = number<Millis>(w[0]);
        RecordedInput in;
        in.line = line_number;
        bool ok = moment && *moment <= kLatest;
        if (ok && w.size() == 3 && w[1] == "click")
            ok = parse_control(w[2], in);
        else if (ok && w.size() == 3 && w[1] == "close")
            in.kind = Dispatched::Kind::Close, in.form = std::string(w[2]);
        else if (ok && w.size() == 2 && w[1] == "quit")
            in.kind = Dispatched::Kind::Quit;
        else if (ok && w.size() == 2 && w[1] == "end")
            ok = true;
        else
            ok = false;
        if (!ok)
            return refuse(line_number,
                "riga non valida: ogni riga dopo la prima è «MS click FINESTRA.CONTROLLO», «MS close FINESTRA», "
                "«MS quit» o «MS end», con il momento in millisecondi");
        Millis before = rec.inputs.empty() ? 0 : rec.inputs.back().at;
        if (*moment < before)
            return refuse(line_number,
                "il momento " + std::to_string(*moment) + " viene prima di quello della riga precedente ("
                    + std::to_string(before) + "): le azioni vanno in ordine di tempo");
        if (w[1] == "end") {
            end = *moment;
            rec.end_line = line_number;
            continue;
        }
        if (rec.inputs.size() == kMaxRecordedInputs)
            return refuse(line_number,
                "più di " + std::to_string(kMaxRecordedInputs) + " azioni: non è la puntata di una partita");
        in.at = *moment;
        rec.inputs.push_back(std::move(in));
    }
    if (!end)
        return refuse(0, "la puntata non finisce con la riga «MS end»: il file è incompleto");
    rec.end = *end;
    return r;
}

std::string write_recording(const Recording& rec)
{
    char seed[24];
    std::snprintf(seed, sizeof seed, "%016llx", static_cast<unsigned long long>(rec.header.seed));
    std::string out = std::string(kMagic) + " " + std::to_string(kRecordingFormat) + " gioco " + rec.header.game
        + " domande " + rec.header.pack + " inizio " + time_of_day_text(rec.header.start) + " seme " + seed + "\n";
    for (const RecordedInput& in : rec.inputs)
        out += input_line(in) + "\n";
    out += std::to_string(rec.end) + " end\n";
    return out;
}

std::optional<RecordingProblem> script_of(const Recording& rec, Runtime& runtime, std::vector<ScriptedInput>& out)
{
    out.clear();
    for (const RecordedInput& in : rec.inputs) {
        Input input;
        input.at = in.at;
        if (in.kind == Dispatched::Kind::Quit) {
            input.kind = Input::Kind::Quit;
        } else {
            input.form = runtime.form(in.form);
            if (!input.form)
                return RecordingProblem {in.line, "\"" + in.form + "\" non è una finestra del gioco"};
            input.kind = in.kind == Dispatched::Kind::Close ? Input::Kind::Close : Input::Kind::Choose;
        }
        if (in.kind == Dispatched::Kind::Click) {
            // A label or picture the window has; whether it takes the click is the show's to say.
            if (!takes_clicks(*input.form, in.control, in.index))
                return RecordingProblem {in.line, '"' + control_text(in) + "\" non è un controllo che si può cliccare"};
            input.control = in.control;
            input.index = in.index;
        }
        out.push_back({std::move(input), in.line});
    }
    return std::nullopt;
}

Recorder::Recorder(Runtime& runtime, RecordingHeader header)
    : runtime_(runtime)
{
    recording_.header = std::move(header);
}

void Recorder::dispatched(const Dispatched& d)
{
    if (recording_.inputs.size() == kMaxRecordedInputs) {
        overflow_ = true;
        return;
    }
    RecordedInput in;
    in.kind = d.kind;
    in.at = d.at;
    if (d.form)
        in.form = std::string(d.form->name());
    in.control = std::string(d.control);
    in.index = d.index;
    recording_.inputs.push_back(std::move(in));
}

std::optional<Recording> Recorder::recording() const
{
    if (overflow_)
        return std::nullopt;
    Recording r = recording_;
    r.end = runtime_.now();
    return r;
}

std::vector<std::string> Recorder::lines() const
{
    std::vector<std::string> out;
    for (const RecordedInput& in : recording_.inputs)
        out.push_back(input_line(in));
    return out;
}

} // namespace tk
