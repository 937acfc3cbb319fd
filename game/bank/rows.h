// The rows of a pack as its file holds them, and the checks that every pack's rows go through,
// whether they came from a text file or from a spreadsheet's sheet.
#pragma once

#include "game/bank/bank.h"

namespace bank {

// Said of a file too large to be a pack, whatever its kind.
inline constexpr std::string_view kTooLarge = "il file è troppo grande per un pacchetto di domande (più di 4 MB): un "
                                              "pacchetto è un file con una domanda per riga";

struct Row {
    int line = 0; // as its file numbers it: a text file's line, a sheet's row
    std::vector<std::string> fields;
    std::string fault; // why the row could not be read whole; the fields before it are kept
};

// Checks every row and keeps the questions of those without problems. SEPARATOR is the text
// file's, named where a row has too few or too many fields.
Reading read_rows(std::vector<Row> rows, char separator);

// VALUE in hexadecimal capitals, at least DIGITS of them: "E8", "0007".
std::string hex(unsigned value, int digits);

} // namespace bank
