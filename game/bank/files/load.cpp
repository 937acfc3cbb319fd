// The pack file a player named, read whole from the disk and handed to the reader its kind needs.
#include "game/bank/bank.h"
#include "game/bank/files/spreadsheet.h"
#include "game/bank/rows.h"
#include "toolkit/player_file.h"
#include "toolkit/sha256.h"

#include <algorithm>
#include <cctype>

namespace bank {

namespace {

bool ends_with(std::string path, std::string_view extension)
{
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path.ends_with(extension);
}

Reading read_file_bytes(const std::string& path, std::string_view bytes)
{
    // A spreadsheet's own file is a zip archive, whatever its name says.
    if (ends_with(path, ".xlsx"))
        return read_spreadsheet(bytes, SpreadsheetKind::xlsx);
    if (ends_with(path, ".ods"))
        return read_spreadsheet(bytes, SpreadsheetKind::ods);
    if (bytes.starts_with("PK\x03\x04"))
        return read_spreadsheet(bytes, SpreadsheetKind::either);
    return read_pack(bytes);
}

} // namespace

Reading load_pack(const std::string& path)
{
    tk::PlayerFile file = tk::read_player_file(path, kMaxPackBytes, "il file delle domande", kTooLarge);
    if (!file.fault.empty()) {
        Reading r;
        r.problems.push_back({0, std::move(file.fault)});
        return r;
    }
    Reading r = read_file_bytes(path, file.bytes);
    r.digest = tk::sha256_hex(file.bytes);
    return r;
}

Reading load_and_check(const std::string& path, tk::FontMetrics& fonts)
{
    Reading r = load_pack(path);
    for (Problem& p : check_fit(r.pack, fonts))
        r.problems.push_back(std::move(p));
    return r;
}

} // namespace bank
