// Packs kept in a spreadsheet's own file: the first sheet of an Excel workbook (.xlsx) or of a
// LibreOffice one (.ods), unzipped with libzip and walked with expat on the desktop, its cells
// then read by read_sheet like the page's.
#pragma once

#include "game/bank/bank.h"

namespace bank {

enum class SpreadsheetKind {
    xlsx,
    ods,
    either, // a zip archive under another name: whichever its entries say
};

Reading read_spreadsheet(std::string_view bytes, SpreadsheetKind kind);

} // namespace bank
