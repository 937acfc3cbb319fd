// The checks every pack's rows go through, and the report of their problems.
#include "game/bank/rows.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

namespace bank {

namespace {

constexpr std::size_t kFields = 6;
constexpr std::array<std::string_view, kFields> kFieldName = {"livello", "domanda", "risposta giusta",
    "prima risposta sbagliata", "seconda risposta sbagliata", "terza risposta sbagliata"};
constexpr std::array<std::string_view, kFields> kFieldWithArticle = {"il livello", "la domanda", "la risposta giusta",
    "la prima risposta sbagliata", "la seconda risposta sbagliata", "la terza risposta sbagliata"};

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

// Column names in any language: a level without a digit over five texts. "1O" or "1°" is a
// level mistyped, not a heading.
bool heading(const std::vector<std::string>& f)
{
    return f.size() == kFields && !f[0].empty()
        && std::none_of(f[0].begin(), f[0].end(), [](char c) { return c >= '0' && c <= '9'; })
        && std::none_of(f.begin() + 1, f.end(), [](const std::string& s) { return s.empty(); });
}

} // namespace

std::string hex(unsigned value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}

Reading read_rows(std::vector<Row> rows, char separator, bool keep_rows)
{
    Reading r;
    if (keep_rows)
        r.rows = rows;
    auto problem = [&r](int line, std::string what) { r.problems.push_back({line, std::move(what)}); };
    bool first_row = true;
    std::map<std::string, int, std::less<>> asked; // each question and its line
    std::array<bool, kLevels> named {}; // levels that some row names, well formed or not
    for (Row& row : rows) {
        std::vector<std::string>& f = row.fields;
        // Empty fields past the sixth are columns a spreadsheet once touched: they say nothing.
        while (f.size() > kFields && f.back().empty())
            f.pop_back();
        // A spreadsheet keeps the columns of blank and comment rows: ";;;;;", "# ...;;;;;".
        if (!f.empty() && f[0].starts_with('#'))
            continue;
        if (row.fault.empty() && std::all_of(f.begin(), f.end(), [](const std::string& s) { return s.empty(); }))
            continue;
        // The one place that says which level a row names, from the row as read (quotes and
        // all taken off). A row names its level even when something else in it is wrong: then
        // that fault is reported, not a level without questions.
        const int level = f.empty() ? 0 : level_of(f[0]).value_or(0); // 0: none
        if (level > 0)
            named[static_cast<std::size_t>(level - 1)] = true;
        if (!row.fault.empty()) {
            problem(row.line, row.fault);
            first_row = false;
            continue;
        }
        if (std::exchange(first_row, false) && heading(f)) {
            r.heading = row.line;
            continue;
        }

        const int number = row.line;
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
                + std::string(separator_name(separator));
            if (separator != '\t')
                what += std::string(" (un testo che contiene ")
                    + (separator == ';' ? "un punto e virgola" : "una virgola") + " va tra virgolette)";
            problem(number, what);
            continue;
        }
        if (level == 0)
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
        r.pack.levels[static_cast<std::size_t>(level - 1)].push_back(
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

std::string report(std::string_view file, const std::vector<Problem>& problems, std::string_view program)
{
    // Line by line, and what concerns the whole file last.
    std::vector<Problem> sorted = problems;
    auto key = [](const Problem& p) { return std::pair {p.line == 0, p.line}; };
    std::stable_sort(
        sorted.begin(), sorted.end(), [&key](const Problem& a, const Problem& b) { return key(a) < key(b); });
    std::string out;
    const std::string prefix = (program.empty() ? "" : std::string(program) + ": ") + std::string(file);
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
