// A spreadsheet's own file (.xlsx, .ods) as a pack: which parts of its zip archive to read, and
// how their XML leads to the first sheet's cells, which read_sheet then reads as a CSV's rows.
//
// Plain C++ for the desktop and the page alike. Only the archive differs: the desktop unzips with
// libzip and walks the XML with expat (files/zip_archive.h); the page unzips with fflate and
// parses with the browser's DOMParser (page/page_archive.h). Both call the same handlers with
// the same names, "namespace|local" as expat gives them, and refuse with the same messages.
#pragma once

#include "game/bank/bank.h"
#include "game/bank/rows.h"

#include <concepts>
#include <optional>
#include <string>
#include <string_view>

namespace bank {

// What an XML walk does with each element and text, names given as "namespace|local" (or just
// "local" for a name in no namespace), attributes as a list of name and value ending in nullptr.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(std::string_view name, const char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) { }

    bool done = false; // read what was wanted: the rest of the entry is skipped
    std::string fault; // why the entry is not what it should be
};

// The part of "namespace|local" after the namespace.
std::string_view local_name(std::string_view name);

// The value of the attribute named NAME ("namespace|local", or just "local" to match any
// namespace), or nullptr.
const char* attribute(const char** attributes, std::string_view name);

// A spreadsheet's zip archive, its parts walked as XML.
class Archive {
public:
    virtual ~Archive() = default;
    // Whether the bytes are a zip archive at all; fault() says why not when they are one that
    // cannot be read, or when the archive could not be opened at all.
    virtual bool is_zip() const = 0;
    virtual bool has(const std::string& entry) const = 0;
    // Walks an entry's XML. False, with fault() set, when the entry is missing, too large,
    // damaged or not XML, or when the handler found a fault.
    virtual bool walk(const std::string& entry, XmlHandler& handler) = 0;
    virtual const std::string& fault() const = 0;
};

enum class SpreadsheetKind {
    xlsx,
    ods,
    either, // a zip archive under another name: whichever its entries say
};

// Which spreadsheet a file named NAME holds, by its name or, under any other name, by its first
// bytes; nullopt for a text file.
std::optional<SpreadsheetKind> spreadsheet_kind(std::string_view name, std::string_view bytes);

// The first sheet of the workbook in ZIP, read as a pack (keep_rows: see Reading).
Reading read_workbook(Archive& zip, SpreadsheetKind kind, bool keep_rows = false);

// A pack file's bytes, whatever its kind: a spreadsheet's own file through the archive A makes of
// them, any other as text.
template <std::derived_from<Archive> A>
Reading read_pack_file(std::string_view name, std::string_view bytes, bool keep_rows = false)
{
    const std::optional<SpreadsheetKind> kind = spreadsheet_kind(name, bytes);
    if (!kind)
        return read_pack(bytes, keep_rows);
    if (bytes.size() > kMaxPackBytes)
        return {.problems = {{0, std::string(kTooLarge)}}};
    A zip(bytes);
    return read_workbook(zip, *kind, keep_rows);
}

// The archives' own refusals, the same on the desktop and in the page.
std::string damaged(std::string_view why);
std::string too_many_parts();
std::string too_large_unpacked();
std::string missing_part(std::string_view entry);
std::string not_unpacked(std::string_view entry);
std::string not_xml(std::string_view entry, long line);

} // namespace bank
