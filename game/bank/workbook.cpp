// The first sheet's cells of an .xlsx or .ods file, found by walking its XML, on either archive.
//
//   xlsx   the workbook's relationships lead to the first sheet and the shared strings
//   ods    content.xml holds every sheet; the first table is the first sheet
#include "game/bank/workbook.h"
#include "game/bank/rows.h"
#include "game/bank/sheet.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace bank {

namespace {

// A count an attribute gives, such as a repeat: 1 when absent or unreadable, and no more than
// a sheet can hold.
int count_of(const char* value, int most)
{
    int n = 1;
    if (value) {
        const std::string_view s = value;
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
        if (error == std::errc::result_out_of_range)
            n = most;
        else if (error != std::errc() || end != s.data() + s.size() || n < 1)
            n = 1;
    }
    return std::min(n, most);
}

constexpr int kSheetRowsMost = 1 << 21; // past any spreadsheet's last row
constexpr int kSheetColumnsMost = 1 << 15; // past any spreadsheet's last column

// Keeps the cells a pack needs, as a sheet's walk finds them: every cell of columns A to F, and
// of those past F only the first of each row, which is enough to say where the extra text is.
// At the first cell past the last row a pack may have, the walk is done.
struct Cells {
    std::vector<Cell> cells;
    int past_row = 0; // the last row whose cell past F is kept

    // False when the walk may stop.
    bool add(Cell c)
    {
        if (c.value.empty())
            return true;
        if (c.column >= kFirstColumnPast) {
            if (past_row == c.row)
                return true;
            past_row = c.row;
        }
        const bool last = c.row > kMaxSheetRows;
        cells.push_back(std::move(c));
        return !last;
    }
};

std::string directory_of(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// A relationship's target, from the folder of the part it belongs to.
std::string resolve(const std::string& from, std::string_view target)
{
    if (target.starts_with('/'))
        return std::string(target.substr(1));
    std::string dir = directory_of(from);
    while (target.starts_with("../")) {
        target.remove_prefix(3);
        dir = directory_of(dir.substr(0, dir.empty() ? 0 : dir.size() - 1));
    }
    return dir + std::string(target);
}

Reading failed(const Archive& zip, std::string& fault)
{
    fault = zip.fault();
    return {};
}

// ---- xlsx ----

// A part's relationships: targets by id, and by the last word of their type.
struct Relationships : XmlHandler {
    std::map<std::string, std::string, std::less<>> by_id, by_type;

    void start(std::string_view name, const char** a) override
    {
        const char* id = attribute(a, "Id");
        const char* type = attribute(a, "Type");
        const char* target = attribute(a, "Target");
        if (local_name(name) != "Relationship" || !target)
            return;
        if (id)
            by_id.emplace(id, target);
        if (type) {
            const std::string_view t = type;
            by_type.emplace(t.substr(t.rfind('/') + 1), target);
        }
    }
    void end(std::string_view) override { }
};

struct Workbook : XmlHandler {
    std::string sheet_name, sheet_id;

    void start(std::string_view name, const char** a) override
    {
        if (local_name(name) != "sheet")
            return;
        // The relationship's id is the attribute "id" in the relationships' namespace.
        for (const char** at = a; at[0]; at += 2)
            if (local_name(at[0]) == "id" && std::string_view(at[0]).find('|') != std::string_view::npos)
                sheet_id = at[1];
        const char* n = attribute(a, "name");
        sheet_name = n ? n : "";
        done = true;
    }
    void end(std::string_view) override { }
};

// The text of a string item: its runs of text, without the phonetic guides of Japanese text.
struct StringItems : XmlHandler {
    std::vector<std::string> items;
    std::string item;
    int in_text = 0, in_phonetic = 0;

    void start(std::string_view name, const char**) override
    {
        const std::string_view n = local_name(name);
        if (n == "si")
            item.clear();
        in_text += n == "t";
        in_phonetic += n == "rPh";
    }
    void end(std::string_view name) override
    {
        const std::string_view n = local_name(name);
        if (n == "si")
            items.push_back(std::move(item));
        in_text -= n == "t";
        in_phonetic -= n == "rPh";
    }
    void text(std::string_view s) override
    {
        if (in_text > 0 && in_phonetic == 0)
            item.append(s);
    }
};

struct XlsxSheet : XmlHandler {
    const std::vector<std::string>& shared;
    Cells found;
    int row = 0, column = 0;
    Cell cell;
    std::string type; // the cell's t
    int in_value = 0, in_inline = 0, in_text = 0, in_phonetic = 0;

    explicit XlsxSheet(const std::vector<std::string>& s)
        : shared(s)
    {
    }

    void start(std::string_view name, const char** a) override
    {
        const std::string_view n = local_name(name);
        if (n == "row") {
            const char* r = attribute(a, "r");
            row = r ? count_of(r, kSheetRowsMost) : std::min(row + 1, kSheetRowsMost);
            column = 0;
        } else if (n == "c") {
            const char* r = attribute(a, "r");
            const auto at = r ? cell_position(r) : std::nullopt;
            column = at ? std::min(at->column, kSheetColumnsMost) : std::min(column + 1, kSheetColumnsMost);
            const char* t = attribute(a, "t");
            type = t ? t : "n";
            cell = {at ? std::min(at->row, kSheetRowsMost) : row, column,
                type == "n"       ? CellType::number
                    : type == "b" ? CellType::boolean
                                  : CellType::text,
                {}};
        } else {
            in_value += n == "v";
            in_inline += n == "is";
            in_text += n == "t";
            in_phonetic += n == "rPh";
        }
    }
    void end(std::string_view name) override
    {
        const std::string_view n = local_name(name);
        if (n == "c") {
            if (type == "s" && !cell.value.empty()) {
                std::size_t index = 0;
                const auto [end, error]
                    = std::from_chars(cell.value.data(), cell.value.data() + cell.value.size(), index);
                if (error != std::errc() || end != cell.value.data() + cell.value.size() || index >= shared.size()) {
                    fault = damaged("una cella rimanda a un testo che non c'è");
                    return;
                }
                cell.value = shared[index];
            }
            done = !found.add(std::move(cell));
            cell = {};
        } else {
            in_value -= n == "v";
            in_inline -= n == "is";
            in_text -= n == "t";
            in_phonetic -= n == "rPh";
        }
    }
    void text(std::string_view s) override
    {
        if (in_value > 0 || (in_inline > 0 && in_text > 0 && in_phonetic == 0))
            cell.value.append(s);
    }
};

Reading read_xlsx(Archive& zip, std::string& fault, bool keep_rows)
{
    Relationships package;
    std::string workbook = "xl/workbook.xml";
    if (zip.has("_rels/.rels")) {
        if (!zip.walk("_rels/.rels", package))
            return failed(zip, fault);
        if (auto it = package.by_type.find("officeDocument"); it != package.by_type.end())
            workbook = resolve("", it->second);
    }
    Workbook book;
    if (!zip.walk(workbook, book))
        return failed(zip, fault);
    if (!book.done) {
        fault = "il file non ha nessun foglio: scrivi le domande nel primo foglio";
        return {};
    }
    Relationships parts;
    const std::string rels
        = directory_of(workbook) + "_rels/" + workbook.substr(directory_of(workbook).size()) + ".rels";
    std::string sheet = directory_of(workbook) + "worksheets/sheet1.xml";
    std::string strings = directory_of(workbook) + "sharedStrings.xml";
    if (zip.has(rels)) {
        if (!zip.walk(rels, parts))
            return failed(zip, fault);
        if (auto it = parts.by_id.find(book.sheet_id); it != parts.by_id.end())
            sheet = resolve(workbook, it->second);
        if (auto it = parts.by_type.find("sharedStrings"); it != parts.by_type.end())
            strings = resolve(workbook, it->second);
    }
    StringItems shared;
    if (zip.has(strings) && !zip.walk(strings, shared))
        return failed(zip, fault);
    XlsxSheet cells(shared.items);
    if (!zip.walk(sheet, cells))
        return failed(zip, fault);
    Reading r = read_sheet(std::move(cells.found.cells), keep_rows);
    r.how_read = "letto dal foglio \"" + book.sheet_name + "\"";
    return r;
}

// ---- ods ----

constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0|";
constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0|";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0|";

bool is(std::string_view name, std::string_view ns, std::string_view local)
{
    return name.size() == ns.size() + local.size() && name.starts_with(ns) && name.ends_with(local);
}

std::string named(std::string_view ns, std::string_view local)
{
    return std::string(ns) + std::string(local);
}

// The first table of the document, row by row. A row or cell repeated many times over (as
// Calc writes the empty ones to the sheet's end) is placed once for each repeat only while
// a pack could still use it.
struct OdsSheet : XmlHandler {
    Cells found;
    std::string sheet_name;
    int tables = 0; // tables open, the first sheet's and any inside its cells
    bool seen = false; // the first sheet began
    int row = 0, column = 0, row_repeat = 1, cell_repeat = 1;
    std::vector<Cell> row_cells;
    Cell cell;
    bool in_cell = false;
    std::string value; // the cell's own value, for numbers and booleans
    int paragraphs = 0, in_paragraph = 0, in_annotation = 0;

    void start(std::string_view name, const char** a) override
    {
        if (is(name, kTable, "table")) {
            if (!seen) {
                seen = true;
                const char* n = attribute(a, named(kTable, "name"));
                sheet_name = n ? n : "";
            }
            ++tables;
            return;
        }
        if (tables != 1)
            return;
        if (is(name, kTable, "table-row")) {
            row_repeat = count_of(attribute(a, named(kTable, "number-rows-repeated")), kSheetRowsMost);
            row_cells.clear();
            column = 0;
        } else if (is(name, kTable, "table-cell") || is(name, kTable, "covered-table-cell")) {
            cell_repeat = count_of(attribute(a, named(kTable, "number-columns-repeated")), kSheetColumnsMost);
            const char* type = attribute(a, named(kOffice, "value-type"));
            const std::string_view t = type ? type : "";
            cell = {0, column + 1,
                t == "float" || t == "percentage" || t == "currency" ? CellType::number
                    : t == "boolean"                                 ? CellType::boolean
                                                                     : CellType::text,
                {}};
            const char* v = attribute(a, named(kOffice, cell.type == CellType::boolean ? "boolean-value" : "value"));
            value = v && cell.type != CellType::text ? v : "";
            in_cell = true;
            paragraphs = 0;
        } else if (!in_cell) {
            return;
        } else if (is(name, kOffice, "annotation")) {
            ++in_annotation;
        } else if (in_annotation > 0) {
            return;
        } else if (is(name, kText, "p")) {
            if (paragraphs++ > 0)
                cell.value += '\n';
            ++in_paragraph;
        } else if (in_paragraph > 0 && is(name, kText, "s")) {
            cell.value.append(static_cast<std::size_t>(count_of(attribute(a, named(kText, "c")), 1000)), ' ');
        } else if (in_paragraph > 0 && is(name, kText, "tab")) {
            cell.value += '\t';
        } else if (in_paragraph > 0 && is(name, kText, "line-break")) {
            cell.value += '\n';
        }
    }
    void end(std::string_view name) override
    {
        if (is(name, kTable, "table")) {
            done = --tables == 0;
            return;
        }
        if (tables != 1)
            return;
        if (is(name, kTable, "table-cell") || is(name, kTable, "covered-table-cell")) {
            // A number or a boolean without its value is taken as the text it shows.
            if (cell.type != CellType::text && value.empty())
                cell.type = CellType::text;
            else if (cell.type != CellType::text)
                cell.value = std::move(value);
            for (int k = 0; k < cell_repeat && column + k + 1 <= kFirstColumnPast && !cell.value.empty(); ++k) {
                row_cells.push_back(cell);
                row_cells.back().column = column + k + 1;
            }
            column = std::min(column + cell_repeat, kSheetColumnsMost);
            in_cell = false;
        } else if (is(name, kTable, "table-row")) {
            for (int k = 1; k <= row_repeat && !row_cells.empty() && !done; ++k)
                for (Cell& c : row_cells) {
                    c.row = row + k;
                    done = done || !found.add(c);
                }
            row = std::min(row + row_repeat, kSheetRowsMost);
        } else if (is(name, kOffice, "annotation")) {
            --in_annotation;
        } else if (in_annotation == 0 && is(name, kText, "p")) {
            --in_paragraph;
        }
    }
    void text(std::string_view s) override
    {
        if (in_cell && in_paragraph > 0 && in_annotation == 0)
            cell.value.append(s);
    }
};

Reading read_ods(Archive& zip, std::string& fault, bool keep_rows)
{
    OdsSheet cells;
    if (!zip.walk("content.xml", cells))
        return failed(zip, fault);
    if (!cells.seen) {
        fault = "il file non ha nessun foglio: scrivi le domande nel primo foglio";
        return {};
    }
    Reading r = read_sheet(std::move(cells.found.cells), keep_rows);
    r.how_read = "letto dal foglio \"" + cells.sheet_name + "\"";
    return r;
}

} // namespace

std::string_view local_name(std::string_view name)
{
    const std::size_t bar = name.rfind('|');
    return bar == std::string_view::npos ? name : name.substr(bar + 1);
}

const char* attribute(const char** attributes, std::string_view name)
{
    const bool any_namespace = name.find('|') == std::string_view::npos;
    for (const char** a = attributes; a[0]; a += 2)
        if ((any_namespace ? local_name(a[0]) : std::string_view(a[0])) == name)
            return a[1];
    return nullptr;
}

std::optional<SpreadsheetKind> spreadsheet_kind(std::string_view name, std::string_view bytes)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    // A spreadsheet's own file is a zip archive, whatever its name says.
    if (lower.ends_with(".xlsx"))
        return SpreadsheetKind::xlsx;
    if (lower.ends_with(".ods"))
        return SpreadsheetKind::ods;
    if (bytes.starts_with("PK\x03\x04"))
        return SpreadsheetKind::either;
    return std::nullopt;
}

Reading read_workbook(Archive& zip, SpreadsheetKind kind, bool keep_rows)
{
    Reading r;
    std::string fault = zip.fault();
    if (fault.empty() && !zip.is_zip()) {
        fault = kind == SpreadsheetKind::ods ? "non è un foglio di LibreOffice (.ods): il file non si apre come tale; "
                                               "salvalo di nuovo da LibreOffice Calc"
                                             : "non è un foglio di Excel (.xlsx): il file non si apre come tale; "
                                               "salvalo di nuovo da Excel o da LibreOffice";
    } else if (fault.empty()) {
        if (kind == SpreadsheetKind::either)
            kind = zip.has("content.xml") ? SpreadsheetKind::ods : SpreadsheetKind::xlsx;
        r = kind == SpreadsheetKind::ods ? read_ods(zip, fault, keep_rows) : read_xlsx(zip, fault, keep_rows);
    }
    if (!fault.empty())
        r.problems.assign(1, {0, fault});
    return r;
}

// Built by appending: g++ 12's release build takes a literal + std::string for an overlapping copy.
std::string damaged(std::string_view why)
{
    std::string s = "il file è danneggiato (";
    return s.append(why).append("): aprilo con Excel o con LibreOffice e salvalo di nuovo");
}

std::string too_many_parts()
{
    std::string s = "il file ha più di ";
    return s.append(std::to_string(kMaxZipEntries)).append(" parti compresse: è troppo per un foglio di domande");
}

std::string too_large_unpacked()
{
    std::string s = "il file si decomprime in più di ";
    return s.append(std::to_string(kMaxUnpackedBytes / (1024 * 1024))).append(" MB: è troppo per un foglio di domande");
}

std::string missing_part(std::string_view entry)
{
    std::string s = "manca la parte ";
    return damaged(s.append(entry));
}

std::string not_unpacked(std::string_view entry)
{
    std::string s = "la parte ";
    return damaged(s.append(entry).append(" non si decomprime"));
}

std::string not_xml(std::string_view entry, long line)
{
    std::string s = "la parte ";
    return damaged(s.append(entry).append(" non è XML valido alla riga ").append(std::to_string(line)));
}

} // namespace bank
