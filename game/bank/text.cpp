// A pack saved as text: its encoding found and turned into UTF-8, its lines split into rows at
// the separator a spreadsheet or an editor put there, and the rows checked like every pack's.
//
//   encodings   UTF-8 with or without a BOM, UTF-16 with a BOM, Windows-1252, and what is none
//   rows        the separator, double quotes as spreadsheets write them
//   read_pack   the file's bytes to a Reading
#include "game/bank/rows.h"
#include "toolkit/utf8.h"

#include <algorithm>
#include <optional>

namespace bank {

namespace {

// What a person can do about a file in an encoding the game does not read, as one sentence.
constexpr std::string_view kSaveAsUtf8
    = "salva il file come UTF-8: da Excel con «Salva con nome» e il tipo «CSV UTF-8 (delimitato da virgole)», "
      "da LibreOffice con «Salva con nome», «Modifica impostazioni filtro» e il set di caratteri "
      "«Unicode (UTF-8)»";

// ---- encodings ----

struct Decoded {
    std::string_view utf8; // the file itself, when it is UTF-8
    std::string converted; // else the file made UTF-8
    std::string how_read; // said of any encoding but UTF-8
    std::optional<Problem> fault; // why the file could not be read as text

    std::string_view text() const { return how_read.empty() ? utf8 : converted; }
};

// The length of the UTF-8 sequence at s[i], or 0 when none starts there. Overlong forms,
// surrogates and code points past U+10FFFF are not UTF-8.
std::size_t utf8_sequence(std::string_view s, std::size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF; // the allowed range of the second byte
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        n = 1;
    else if (b >= 0xE0 && b <= 0xEF)
        n = 2, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4)
        n = 3, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    for (std::size_t k = 1; k <= n; ++k) {
        if (i + k >= s.size())
            return 0;
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF))
            return 0;
    }
    return n + 1;
}

// Windows-1252's 0x80 to 0x9F; 0 where it defines no character.
constexpr std::array<char16_t, 32> kWindows1252 = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
    0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

char32_t windows_1252(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kWindows1252[b - 0x80] : b;
}

// The line (from 1) and the character within it (from 1) of byte pos; characters are counted
// as UTF-8 when the text is, else one a byte.
std::pair<int, std::size_t> where(std::string_view s, std::size_t pos, bool utf8)
{
    const std::size_t start = pos == 0 ? 0 : s.rfind('\n', pos - 1) + 1; // npos + 1 is 0
    const auto line = static_cast<int>(std::count(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
    std::size_t chars = 1;
    for (std::size_t i = start; i < pos; ++i)
        chars += !utf8 || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
    return {line + 1, chars};
}

Problem unreadable_text(std::string_view s, std::size_t pos, bool utf8)
{
    const auto [line, at] = where(s, pos, utf8);
    return {line,
        "testo in una codifica che il gioco non legge (byte 0x" + hex(static_cast<unsigned char>(s[pos]), 2)
            + " al carattere " + std::to_string(at) + "): " + std::string(kSaveAsUtf8)};
}

Decoded from_utf16(std::string_view s, bool big_endian)
{
    Decoded d;
    d.converted.reserve(s.size());
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
        return big_endian ? (a << 8 | b) : (b << 8 | a);
    };
    int line = 1;
    std::size_t at = 1;
    for (std::size_t i = 0; i < s.size(); i += 2, ++at) {
        char32_t cp = i + 1 < s.size() ? unit(i) : 0xDC00; // a byte left over reads as a broken pair
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < s.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            d.fault = Problem {line,
                "testo UTF-16 non valido al carattere " + std::to_string(at)
                    + ": salva di nuovo il file come UTF-8, o da Excel come «Testo Unicode»"};
            return d;
        }
        tk::append_utf8(d.converted, cp);
        if (cp == '\n')
            ++line, at = 0;
    }
    d.how_read = "letto come UTF-16";
    return d;
}

// UTF-16 saved without its BOM: every other byte of plain text is a NUL.
bool looks_like_utf16(std::string_view s)
{
    std::size_t even = 0, odd = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        (i % 2 ? odd : even) += s[i] == '\0';
    const std::size_t most = std::max(even, odd), least = std::min(even, odd);
    return s.size() >= 4 && most * 4 >= s.size() && least * 8 <= most;
}

// A NUL with other control bytes around it is a file of another kind, not a damaged text.
bool looks_binary(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b != 0 && b < 0x20 && b != '\t' && b != '\n' && b != '\r';
    });
}

Decoded decode(std::string_view bytes)
{
    Decoded d;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return from_utf16(bytes.substr(2), bytes[0] == '\xFE');
    const bool bom = bytes.starts_with("\xEF\xBB\xBF");
    if (bom)
        bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos) {
        if (looks_like_utf16(bytes))
            d.fault = Problem {0,
                "sembra testo UTF-16 senza il segno iniziale (BOM): salvalo come UTF-8, o da Excel come "
                "«Testo Unicode»"};
        else if (looks_binary(bytes))
            d.fault = Problem {0,
                "non è un file di testo (contiene byte nulli): scegli un file .tsv o .csv salvato come testo, o "
                "un foglio di calcolo .xlsx o .ods"};
        if (d.fault)
            return d;
    }
    // Not UTF-8: Windows-1252 when every byte is a character there, unless the file is mostly
    // UTF-8 with a few bytes broken, which would read as Ã¨ for è throughout.
    std::size_t first_bad = std::string_view::npos, bad = 0, multibyte = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = utf8_sequence(bytes, i);
        if (n == 0) {
            first_bad = std::min(first_bad, i);
            ++bad, ++i;
        } else {
            multibyte += n > 1;
            i += n;
        }
    }
    if (first_bad == std::string_view::npos) {
        d.utf8 = bytes;
        return d;
    }
    if (bom || multibyte >= bad) {
        d.fault = unreadable_text(bytes, first_bad, true);
        return d;
    }
    const std::size_t undefined = bytes.find_first_of("\x81\x8D\x8F\x90\x9D");
    if (undefined != std::string_view::npos) {
        d.fault = unreadable_text(bytes, undefined, false);
        return d;
    }
    d.converted.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        tk::append_utf8(d.converted, windows_1252(static_cast<unsigned char>(c)));
    d.how_read = "letto come Windows-1252";
    return d;
}

// ---- rows ----

// A row split at its separator, with fields in double quotes as spreadsheets write them: a
// quoted field may hold the separator, and a quote within it is written twice.
Row split(std::string_view line, char sep)
{
    Row out;
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
    if (semicolons == 5 || (commas != 5 && semicolons >= commas && semicolons > 0))
        return ';';
    return commas > 0 ? ',' : '\t';
}

bool blank(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

} // namespace

Reading read_pack(std::string_view bytes, bool keep_rows)
{
    Reading r;
    auto refuse = [&r](Problem p) {
        r.problems.push_back(std::move(p));
        return r;
    };
    if (bytes.size() > kMaxPackBytes)
        return refuse({0, std::string(kTooLarge)});
    Decoded decoded = decode(bytes);
    if (decoded.fault)
        return refuse(std::move(*decoded.fault));
    const std::string_view text = decoded.text();
    if (std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }))
        return refuse({0,
            "il file è vuoto: scrivi una domanda per riga (livello, domanda, risposta giusta e tre risposte "
            "sbagliate)"});
    const auto lines = std::count(text.begin(), text.end(), '\n') + (text.back() != '\n');
    if (lines > kMaxPackLines)
        return refuse({0,
            "il file ha più di " + std::to_string(kMaxPackLines)
                + " righe: un pacchetto di domande ne può avere al più " + std::to_string(kMaxPackLines)});

    char sep = 0;
    std::vector<Row> rows;
    int number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (blank(line) || line.front() == '#')
            continue;
        if (!sep)
            sep = separator_of(line);
        rows.push_back(split(line, sep));
        rows.back().line = number;
    }
    r = read_rows(std::move(rows), sep, keep_rows);
    if (keep_rows)
        r.text = text;
    r.how_read = std::move(decoded.how_read);
    return r;
}

std::string write_pack(const Pack& pack)
{
    std::string out;
    for (int level = 1; level <= kLevels; ++level)
        for (const Question& q : pack.pool(level)) {
            out.append(std::to_string(level)).append("\t").append(q.domanda).append("\t").append(q.giusta);
            for (const std::string& e : q.errate)
                out.append("\t").append(e);
            out += '\n';
        }
    return out;
}

} // namespace bank
