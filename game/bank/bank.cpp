#include "game/bank/bank.h"

#include "toolkit/player_file.h"
#include "toolkit/sha256.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>

namespace bank {

namespace {

constexpr std::size_t kFields = 6;
constexpr std::array<std::string_view, kFields> kFieldName = {"livello", "domanda", "risposta giusta",
    "prima risposta sbagliata", "seconda risposta sbagliata", "terza risposta sbagliata"};
constexpr std::array<std::string_view, kFields> kFieldWithArticle = {"il livello", "la domanda", "la risposta giusta",
    "la prima risposta sbagliata", "la seconda risposta sbagliata", "la terza risposta sbagliata"};

constexpr std::string_view kTooLarge = "il file è troppo grande per un pacchetto di domande (più di 4 MB): un "
                                       "pacchetto è un file di testo con una domanda per riga";

std::string quoted(std::string_view s)
{
    std::string out = "\"";
    out.append(s).append("\"");
    return out;
}

std::string field_label(std::size_t k)
{
    return "il campo " + std::to_string(k + 1) + " (" + std::string(kFieldName[k]) + ")";
}

std::string hex(unsigned value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}

// The first byte of a line that is not UTF-8, as (character, byte) counted from 1; nullopt when
// the whole line is. Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
std::optional<std::pair<std::size_t, unsigned char>> bad_utf8(std::string_view s)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++chars) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        unsigned lo = 0x80, hi = 0xBF; // the allowed range of the second byte
        if (b < 0x80)
            n = 0;
        else if (b >= 0xC2 && b <= 0xDF)
            n = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            n = 2, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
        else if (b >= 0xF0 && b <= 0xF4)
            n = 3, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
        else
            return std::pair {chars + 1, b};
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size())
                return std::pair {chars + 1, b};
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF))
                return std::pair {chars + 1, b};
        }
        i += n + 1;
    }
    return std::nullopt;
}

// The first control character of valid UTF-8 text (C0, DEL or C1), if any.
std::optional<unsigned> control_character(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x20 || b == 0x7F)
            return b;
        if (b == 0xC2 && i + 1 < s.size()) {
            const auto c = static_cast<unsigned char>(s[i + 1]);
            if (c >= 0x80 && c <= 0x9F)
                return c;
        }
    }
    return std::nullopt;
}

// A row split at its separator, with fields in double quotes as spreadsheets write them: a
// quoted field may hold the separator, and a quote within it is written twice.
struct Split {
    std::vector<std::string> fields;
    std::string fault; // why the row could not be split
};

Split split(std::string_view line, char sep)
{
    Split out;
    std::size_t pos = 0;
    for (;;) {
        std::string field;
        if (pos < line.size() && line[pos] == '"') {
            const std::size_t k = out.fields.size() + 1;
            for (++pos;; ++pos) {
                if (pos >= line.size()) {
                    out.fault = "virgolette aperte nel campo " + std::to_string(k)
                        + " e mai chiuse: chiudile alla fine del testo (un testo non può andare a capo, "
                          "e le virgolette dentro un testo tra virgolette si scrivono doppie: \"\")";
                    return out;
                }
                if (line[pos] == '"') {
                    if (pos + 1 < line.size() && line[pos + 1] == '"')
                        ++pos;
                    else
                        break;
                }
                field += line[pos];
            }
            ++pos;
            if (pos < line.size() && line[pos] != sep) {
                out.fault = "testo dopo le virgolette che chiudono il campo " + std::to_string(k)
                    + ": metti tutto il testo tra le virgolette (quelle dentro il testo si scrivono doppie: \"\")";
                return out;
            }
        } else {
            const std::size_t end = std::min(line.find(sep, pos), line.size());
            field.assign(line.substr(pos, end - pos));
            pos = end;
        }
        out.fields.push_back(std::move(field));
        if (pos >= line.size())
            return out;
        ++pos; // past the separator
    }
}

// The separator of a pack, from its first row: tabs when there is one; otherwise whichever of
// semicolon and comma makes six fields (a spreadsheet's CSV), or the more frequent.
char separator_of(std::string_view line)
{
    std::size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted_text = false;
    for (char c : line) {
        if (c == '"')
            quoted_text = !quoted_text;
        else if (!quoted_text)
            tabs += c == '\t', semicolons += c == ';', commas += c == ',';
    }
    if (tabs > 0)
        return '\t';
    if (semicolons == kFields - 1 || (commas != kFields - 1 && semicolons >= commas && semicolons > 0))
        return ';';
    return commas > 0 ? ',' : '\t';
}

std::string_view separator_name(char sep)
{
    return sep == '\t' ? "tabulazioni" : sep == ';' ? "punti e virgola" : "virgole";
}

std::optional<int> level_of(std::string_view s)
{
    int v = 0;
    if (s.empty() || s.size() > 3 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::from_chars(s.data(), s.data() + s.size(), v);
    if (v < 1 || v > kLevels)
        return std::nullopt;
    return v;
}

bool blank(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

std::string lowercase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace

Reading read_pack(std::string_view bytes)
{
    Reading r;
    auto problem = [&r](int line, std::string what) { r.problems.push_back({line, std::move(what)}); };
    if (bytes.size() > kMaxPackBytes) {
        problem(0, std::string(kTooLarge));
        return r;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos) {
        problem(0, "non è un file di testo (contiene byte nulli): scegli un file .tsv o .csv salvato come testo UTF-8");
        return r;
    }
    if (std::all_of(
            bytes.begin(), bytes.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; })) {
        problem(0,
            "il file è vuoto: scrivi una domanda per riga (livello, domanda, risposta giusta e tre risposte "
            "sbagliate)");
        return r;
    }
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n') + (bytes.back() != '\n');
    if (lines > kMaxPackLines) {
        problem(0,
            "il file ha più di " + std::to_string(kMaxPackLines)
                + " righe: un pacchetto di domande ne può avere al più " + std::to_string(kMaxPackLines));
        return r;
    }

    char sep = 0;
    bool first_row = true;
    std::map<std::string, int, std::less<>> asked; // each question and its line
    std::array<bool, kLevels> named {}; // levels that some row names, well formed or not
    int n = 0;
    for (std::size_t start = 0; start < bytes.size(); ++n) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        const int number = n + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (blank(line) || line.front() == '#')
            continue;
        if (!sep)
            sep = separator_of(line);
        // A row names its level even when something else in it is wrong: then that row's fault
        // is reported, not a level without questions.
        if (auto level = level_of(line.substr(0, line.find(sep))))
            named[static_cast<std::size_t>(*level - 1)] = true;
        if (auto bad = bad_utf8(line)) {
            problem(number,
                "testo non valido in UTF-8 (byte 0x" + hex(bad->second, 2) + " al carattere "
                    + std::to_string(bad->first) + "): salva il file con la codifica UTF-8");
            continue;
        }
        Split row = split(line, sep);
        if (!row.fault.empty()) {
            problem(number, row.fault);
            continue;
        }
        std::vector<std::string>& f = row.fields;
        // A spreadsheet keeps the columns of blank and comment rows: ";;;;;", "# ...;;;;;".
        if (std::all_of(f.begin(), f.end(), [](const std::string& s) { return s.empty(); }) || f[0].starts_with('#'))
            continue;
        const bool heading = first_row && lowercase(f[0]) == "livello";
        first_row = false;
        if (heading)
            continue;

        const std::size_t before = r.problems.size();
        for (std::size_t k = 0; k < f.size() && k < kFields; ++k)
            if (auto c = control_character(f[k]))
                problem(number,
                    field_label(k) + " contiene un carattere di controllo (U+" + hex(*c, 4)
                        + "): toglilo, o scrivi uno spazio al suo posto");
        if (r.problems.size() > before)
            continue;
        if (f.size() != kFields) {
            std::string what = "la riga ha " + std::to_string(f.size()) + (f.size() == 1 ? " campo" : " campi")
                + " invece di 6: scrivi livello, domanda, risposta giusta e tre risposte sbagliate, separati da "
                + std::string(separator_name(sep));
            if (sep != '\t')
                what += std::string(" (un testo che contiene ") + (sep == ';' ? "un punto e virgola" : "una virgola")
                    + " va tra virgolette)";
            problem(number, what);
            continue;
        }
        std::optional<int> level = level_of(f[0]);
        if (!level)
            problem(number, "livello " + quoted(f[0]) + " non valido: scrivi un numero da 1 a 15");
        for (std::size_t k = 1; k < kFields; ++k) {
            if (f[k].empty())
                problem(number, field_label(k) + " è vuoto: scrivi " + std::string(kFieldWithArticle[k]));
            else if (f[k].front() == ' ' || f[k].back() == ' ')
                problem(number, field_label(k) + " ha spazi all'inizio o alla fine: toglili");
        }
        for (std::size_t a = 2; a < kFields; ++a)
            for (std::size_t b = a + 1; b < kFields; ++b)
                if (!f[a].empty() && f[a] == f[b])
                    problem(number,
                        "due risposte uguali, " + quoted(f[a]) + ": le quattro risposte devono essere tutte diverse");
        if (!f[1].empty()) {
            auto [it, fresh] = asked.emplace(f[1], number);
            if (!fresh)
                problem(number,
                    "la stessa domanda è già alla riga " + std::to_string(it->second) + ": togline una o cambiala");
        }
        if (r.problems.size() > before)
            continue;
        r.pack.levels[static_cast<std::size_t>(*level - 1)].push_back(
            Question {std::move(f[1]), std::move(f[2]), {std::move(f[3]), std::move(f[4]), std::move(f[5])}, number});
    }
    std::vector<std::string> missing;
    for (int level = 1; level <= kLevels; ++level)
        if (!named[static_cast<std::size_t>(level - 1)])
            missing.push_back(std::to_string(level));
    if (missing.size() == 1)
        problem(0, "il livello " + missing[0] + " non ha domande: ogni livello da 1 a 15 ne vuole almeno una");
    else if (!missing.empty()) {
        std::string levels = missing[0];
        for (std::size_t i = 1; i + 1 < missing.size(); ++i)
            levels.append(", ").append(missing[i]);
        problem(0,
            "i livelli " + levels + " e " + missing.back()
                + " non hanno domande: ogni livello da 1 a 15 ne vuole almeno una");
    }
    return r;
}

Reading load_pack(const std::string& path)
{
    tk::PlayerFile file = tk::read_player_file(path, kMaxPackBytes, "il file delle domande", kTooLarge);
    if (!file.fault.empty()) {
        Reading r;
        r.problems.push_back({0, std::move(file.fault)});
        return r;
    }
    Reading r = read_pack(file.bytes);
    r.digest = tk::sha256_hex(file.bytes);
    return r;
}

std::string report(std::string_view file, const std::vector<Problem>& problems, std::string_view program)
{
    // Line by line, and what concerns the whole file last.
    std::vector<Problem> sorted = problems;
    auto key = [](const Problem& p) { return std::pair {p.line == 0, p.line}; };
    std::stable_sort(
        sorted.begin(), sorted.end(), [&key](const Problem& a, const Problem& b) { return key(a) < key(b); });
    std::string out;
    const std::string prefix = std::string(program) + ": " + std::string(file);
    for (std::size_t i = 0; i < sorted.size() && i < kProblemsShown; ++i) {
        out.append(prefix);
        if (sorted[i].line > 0)
            out.append(":").append(std::to_string(sorted[i].line));
        out.append(": ").append(sorted[i].what).append("\n");
    }
    if (sorted.size() > kProblemsShown) {
        const std::size_t more = sorted.size() - kProblemsShown;
        out += prefix + (more == 1 ? ": e ancora un problema\n" : ": e altri " + std::to_string(more) + " problemi\n");
    }
    return out;
}

} // namespace bank
