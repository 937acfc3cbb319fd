// The questions of a show: a question pack, read from a text file that anyone can write in an
// editor or save from a spreadsheet, or from the spreadsheet's own file (sheet.h). The built-in
// questions are a pack like any other, carried inside the program (domande.tsv) and read by the
// same reader with the same checks.
//
// A pack is one question a row: level (1 to 15), question, right answer and three wrong
// answers, separated by tabs, or by commas or semicolons with double quotes as a spreadsheet
// saves CSV. Text is UTF-8 (with or without a BOM), UTF-16 with a BOM, or Windows-1252, as
// spreadsheets save it on Windows. An optional heading row, blank rows and rows starting with #
// are skipped. Answers are written as they read: the board adds the blanks that leave room for
// each answer's letter.
//
// Every byte of a pack is untrusted. Reading one never stops at the first fault: it reports
// every problem with its line, in Italian, saying what to fix, and a pack with any problem
// plays no show.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tk {
class FontMetrics;
}

namespace bank {

// What every answer on the board begins with: room for the letter drawn over the answer box.
inline constexpr std::string_view kAnswerBlanks = "      ";

constexpr int kLevels = 15;
// More than this is not a question pack: the file is refused before it is read.
constexpr std::size_t kMaxPackBytes = 4 * 1024 * 1024;
constexpr int kMaxPackLines = 10000;
// Reports stop after this many problems, with one line that says how many more there were.
constexpr std::size_t kProblemsShown = 20;

struct Question {
    std::string domanda; // the question
    std::string giusta; // the right answer
    std::array<std::string, 3> errate; // the three wrong answers, in the pack's order
    int line = 0; // where it stands in its file

    bool operator==(const Question& o) const
    {
        return domanda == o.domanda && giusta == o.giusta && errate == o.errate;
    }
};

using Pool = std::vector<Question>;

struct Pack {
    std::array<Pool, kLevels> levels;

    // The questions of a level from 1 to 15: at least one in a pack that was read without problems.
    const Pool& pool(int level) const { return levels.at(static_cast<std::size_t>(level - 1)); }
    bool operator==(const Pack&) const = default;
};

// One thing to fix; line 0 is about the file as a whole.
struct Problem {
    int line = 0;
    std::string what;
};

// A row of a pack as its file holds it.
struct Row {
    int line = 0; // as its file numbers it: a text file's line, a sheet's row
    std::vector<std::string> fields;
    std::string fault; // why the row could not be read whole; the fields before it are kept
};

struct Reading {
    Pack pack;
    std::vector<Problem> problems;
    // For the page's editor, when asked for: every row as the reader cut it, blank and comment
    // rows of a text file left out, and the line of the column names (0: none).
    std::vector<Row> rows;
    int heading = 0;
    std::string text; // and a text file's text, in UTF-8
    std::string how_read; // what the reader made of the file, when not plain UTF-8 text
    std::string digest; // the SHA-256 of a pack file's bytes, once it was read
    bool ok() const { return problems.empty(); }
};

// Reads a pack from its bytes, with every check that needs no fonts (keep_rows: see Reading).
Reading read_pack(std::string_view bytes, bool keep_rows = false);

// The pack as a tab-separated file, a level at a time, that read_pack reads back as this pack.
std::string write_pack(const Pack& pack);

// Reads the pack file a player named, text or spreadsheet (.xlsx, .ods): a file that is missing,
// a folder, unreadable or too large is a problem of its own. Nothing is written. The desktop's
// alone: the page hands its bytes to read_pack, or its sheet's cells to read_sheet.
Reading load_pack(const std::string& path);

// Problems of texts that do not fit their boxes on the board at the normal size, measured with
// these fonts in the board's own layout: a question must fit the question box unshrunk, an
// answer one line of its box with its blanks.
std::vector<Problem> check_fit(const Pack& pack, tk::FontMetrics& fonts);

// The same, remembering each text's answer for the next check of a pack that has changed little:
// the page's editor checks the whole pack at every keystroke.
struct FitMemo {
    std::unordered_map<std::string, bool> questions, answers; // text -> fits
};
std::vector<Problem> check_fit(const Pack& pack, tk::FontMetrics& fonts, FitMemo& memo);

// How many characters TEXT must lose to fit its box on the board: the question's box, or an
// answer's; 0 when it fits.
std::size_t characters_over(const std::string& text, bool question, tk::FontMetrics& fonts);

// check_fit's problems added to a reading's own, for the questions that were read: every
// problem of a pack, the same on the desktop and in the page.
void add_fit_problems(Reading& r, tk::FontMetrics& fonts);

// load_pack, then add_fit_problems: every problem of the file a player named.
Reading load_and_check(const std::string& path, tk::FontMetrics& fonts);

// The problems as the game prints them, one a line, "ruvantia: FILE:LINE: what" ("FILE:LINE:
// what" for an empty program, as the page shows them): the first kProblemsShown, then one line
// that says how many more.
std::string report(std::string_view file, const std::vector<Problem>& problems, std::string_view program = "ruvantia");

// The pack the program carries, as written (comments and all), and as read.
std::string_view built_in_text();
const Pack& built_in();

} // namespace bank
