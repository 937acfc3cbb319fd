// A pack kept in a spreadsheet's own file (.xlsx, .ods): the cells of its first sheet become the
// rows a CSV of that sheet would hold, and go through the same checks as every pack.
//
// Plain C++ that needs no library, for the desktop and the page alike: the walk of the sheet's
// XML (workbook.h) hands its cells to read_sheet. What a cell's type is:
//
//   xlsx  <c t="...">       "s" (its shared string), "inlineStr", "str", "e" and "d": text;
//                           "b": boolean; "n" or none: number, from <v>
//   ods   office:value-type "float", "percentage" and "currency": number, from office:value;
//                           "boolean": boolean, from office:boolean-value; any other, or a
//                           number or boolean without its value: text, from its <text:p> as shown
//
// Where the cells are (workbook.cpp walks them so): an xlsx cell's r ("B12", see
// cell_position) or else the next row or column; its text is <v>, or the <t> runs of its <is>
// or of its shared string, leaving out <rPh>. An ods cell's place counts table:table-row and
// table:table-cell or table:covered-table-cell with their number-rows-repeated and
// number-columns-repeated; its text is its <text:p> joined by line breaks, with <text:s text:c>
// as spaces, <text:tab> and <text:line-break>, leaving out <office:annotation>.
#pragma once

#include "game/bank/bank.h"

#include <optional>

namespace bank {

enum class CellType {
    text, // shown as written
    number, // as the file writes it ("1948", "3.5", "1E-3"), shown in the general format
    boolean, // "1" or "true", "0" or "false"
};

struct Cell {
    int row = 0; // from 1, as the spreadsheet numbers its rows
    int column = 0; // from 1: A is 1
    CellType type = CellType::text;
    std::string value;
};

// What a spreadsheet's zip archive may hold, for whoever unzips it: no spreadsheet of questions
// comes near these, and past them an archive is refused before it fills the memory.
constexpr long long kMaxZipEntries = 1000;
constexpr std::size_t kMaxUnpackedBytes = 32 * 1024 * 1024; // all the parts read, once unpacked

// A sheet's rows past this are not a pack: a walk over its cells may stop at the first one
// beyond, and hand it over so that read_sheet says so.
constexpr int kMaxSheetRows = kMaxPackLines;
constexpr int kFirstColumnPast = 7; // G: the first column a pack leaves empty

// The text a cell shows in an Italian spreadsheet with the general format: a number with up to
// fifteen significant digits, a decimal comma and no thousands separator (1948, 3,5, 1E+20), a
// boolean as VERO or FALSO. A number the file writes wrongly shows as written.
std::string shown_text(CellType type, std::string_view value);

struct CellPosition {
    int row = 0;
    int column = 0;
};

// Where a cell named as in xlsx ("B12") stands; nullopt for what is not such a name.
std::optional<CellPosition> cell_position(std::string_view name);

// A column's letters: 1 is "A", 27 is "AA".
std::string column_name(int column);

// Reads a pack from the cells of a sheet, given in any order; an empty text is no cell. Column A
// holds the level, B the question, C the right answer and D to F the wrong ones, and a problem's
// line is the sheet's row.
Reading read_sheet(std::vector<Cell> cells, bool keep_rows = false);

} // namespace bank
