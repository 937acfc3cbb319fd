// A sheet's cells as a pack's rows, and the texts the cells show.
#include "game/bank/sheet.h"
#include "game/bank/rows.h"

#include <algorithm>

namespace bank {

namespace {

constexpr std::size_t kSignificantDigits = 15;

// A number as the general format shows it, worked out on its decimal digits so that it reads the
// same on every machine: a file's "0.30000000000000004" is the 0,3 a spreadsheet shows.
std::optional<std::string> general_number(std::string_view s)
{
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    i += i < s.size() && (s[i] == '-' || s[i] == '+');
    std::string digits; // significant digits, leading zeros dropped
    long point = 0; // digits before the decimal comma, counted from the first significant one
    bool any = false, after_point = false;
    for (; i < s.size(); ++i) {
        if (s[i] == '.' && !after_point) {
            after_point = true;
        } else if (s[i] >= '0' && s[i] <= '9') {
            any = true;
            if (!digits.empty() || s[i] != '0')
                digits += s[i];
            if (after_point && digits.empty())
                --point; // 0.001: zeros between the comma and the first digit
            else if (!after_point && !digits.empty())
                ++point;
        } else {
            break;
        }
    }
    if (!any)
        return std::nullopt;
    if (i < s.size()) {
        if (s[i] != 'e' && s[i] != 'E')
            return std::nullopt;
        ++i;
        const bool minus = i < s.size() && s[i] == '-';
        i += i < s.size() && (s[i] == '-' || s[i] == '+');
        if (i == s.size() || s.size() - i > 4)
            return std::nullopt;
        long exponent = 0;
        for (; i < s.size(); ++i) {
            if (s[i] < '0' || s[i] > '9')
                return std::nullopt;
            exponent = exponent * 10 + (s[i] - '0');
        }
        point += minus ? -exponent : exponent;
    }
    if (digits.size() > kSignificantDigits) {
        const bool up = digits[kSignificantDigits] >= '5';
        digits.resize(kSignificantDigits);
        for (std::size_t k = digits.size(); up && k-- > 0;) {
            if (digits[k] == '9') {
                digits[k] = '0';
                if (k == 0)
                    digits.insert(digits.begin(), '1'), digits.pop_back(), ++point;
            } else {
                ++digits[k];
                break;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return "0";
    std::string out = negative ? "-" : "";
    const long exponent = point - 1; // of the first digit
    if (exponent < -5 || exponent >= static_cast<long>(kSignificantDigits)) {
        out += digits[0];
        if (digits.size() > 1)
            out.append(",").append(digits, 1);
        const std::string e = std::to_string(exponent < 0 ? -exponent : exponent);
        out.append(exponent < 0 ? "E-" : "E+").append(e.size() < 2 ? "0" : "").append(e);
    } else if (point <= 0) {
        out.append("0,").append(static_cast<std::size_t>(-point), '0').append(digits);
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        out.append(digits).append(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        const auto whole = static_cast<std::size_t>(point);
        out.append(digits, 0, whole).append(",").append(digits, whole);
    }
    return out;
}

} // namespace

std::string shown_text(CellType type, std::string_view value)
{
    if (type == CellType::number) {
        if (auto shown = general_number(value))
            return *shown;
    } else if (type == CellType::boolean) {
        if (value == "1" || value == "true")
            return "VERO";
        if (value == "0" || value == "false")
            return "FALSO";
    }
    return std::string(value);
}

std::optional<CellPosition> cell_position(std::string_view name)
{
    CellPosition p;
    std::size_t i = 0;
    for (; i < name.size() && i < 3 && name[i] >= 'A' && name[i] <= 'Z'; ++i)
        p.column = p.column * 26 + (name[i] - 'A' + 1);
    const std::size_t letters = i;
    for (; i < name.size() && i - letters < 7 && name[i] >= '0' && name[i] <= '9'; ++i)
        p.row = p.row * 10 + (name[i] - '0');
    if (letters == 0 || i == letters || i != name.size() || p.row == 0)
        return std::nullopt;
    return p;
}

std::string column_name(int column)
{
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

Reading read_sheet(std::vector<Cell> cells, bool keep_rows)
{
    Reading r;
    for (Cell& c : cells)
        c.value = shown_text(c.type, c.value);
    std::erase_if(cells, [](const Cell& c) { return c.value.empty() || c.row < 1 || c.column < 1; });
    if (cells.empty()) {
        r.problems.push_back({0,
            "il primo foglio è vuoto: scrivi le domande nel primo foglio, una per riga, nelle colonne da A a F "
            "(livello, domanda, risposta giusta e tre risposte sbagliate)"});
        return r;
    }
    if (std::any_of(cells.begin(), cells.end(), [](const Cell& c) { return c.row > kMaxSheetRows; })) {
        r.problems.push_back({0,
            "il foglio ha testo oltre la riga " + std::to_string(kMaxSheetRows)
                + ": un pacchetto di domande ne può avere al più " + std::to_string(kMaxSheetRows)});
        return r;
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return std::pair {a.row, a.column} < std::pair {b.row, b.column};
    });
    std::vector<Row> rows;
    for (Cell& c : cells) {
        if (rows.empty() || rows.back().line != c.row)
            rows.push_back({c.row, std::vector<std::string>(kFirstColumnPast - 1), {}});
        Row& row = rows.back();
        if (c.column < kFirstColumnPast) {
            std::string& field = row.fields[static_cast<std::size_t>(c.column - 1)];
            if (field.empty())
                field = std::move(c.value);
        } else if (row.fault.empty()) {
            row.fault = "la riga ha testo nella colonna " + column_name(c.column)
                + ": le domande stanno nelle colonne da A a F (livello, domanda, risposta giusta e tre risposte "
                  "sbagliate)";
        }
    }
    return read_rows(std::move(rows), '\t', keep_rows);
}

} // namespace bank
