// The pack file a player named, read whole from the disk and handed to the reader its kind needs.
#include "game/bank/bank.h"
#include "game/bank/files/zip_archive.h"
#include "toolkit/player_file.h"
#include "toolkit/sha256.h"

namespace bank {

Reading load_pack(const std::string& path)
{
    tk::PlayerFile file = tk::read_player_file(path, kMaxPackBytes, "il file delle domande", kTooLarge);
    if (!file.fault.empty()) {
        Reading r;
        r.problems.push_back({0, std::move(file.fault)});
        return r;
    }
    Reading r = read_pack_file<ZipArchive>(path, file.bytes);
    r.digest = tk::sha256_hex(file.bytes);
    return r;
}

Reading load_and_check(const std::string& path, tk::FontMetrics& fonts)
{
    Reading r = load_pack(path);
    add_fit_problems(r, fonts);
    return r;
}

} // namespace bank
