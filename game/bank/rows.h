// The rows of a pack as its file holds them, and the checks that every pack's rows go through,
// whether they came from a text file or from a spreadsheet's sheet.
#pragma once

#include "game/bank/bank.h"

namespace bank {

// Said of a file too large to be a pack, whatever its kind.
inline constexpr std::string_view kTooLarge = "il file è troppo grande per un pacchetto di domande (più di 4 MB): un "
                                              "pacchetto è un file con una domanda per riga";

// Checks every row and keeps the questions of those without problems. SEPARATOR is the text
// file's, named where a row has too few or too many fields. With keep_rows, the reading keeps a
// copy of the rows as they came.
Reading read_rows(std::vector<Row> rows, char separator, bool keep_rows = false);

// VALUE in hexadecimal capitals, at least DIGITS of them: "E8", "0007".
std::string hex(unsigned value, int digits);

} // namespace bank
