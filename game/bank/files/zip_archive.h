// A spreadsheet's zip archive, read from memory with libzip (loaded with the first archive), and
// its XML entries walked with expat as they unpack. The file is untrusted: the archive's entries
// and the bytes it unpacks are limited, and a walk can stop as soon as it has what it came for.
#pragma once

#include "game/bank/sheet.h"
#include "game/bank/workbook.h"

#include <cstddef>
#include <string>
#include <string_view>

struct zip;

namespace bank {

class ZipArchive : public Archive {
public:
    explicit ZipArchive(std::string_view bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool is_zip() const override { return zip_ != nullptr; }
    bool has(const std::string& entry) const override;
    bool walk(const std::string& entry, XmlHandler& handler) override;
    const std::string& fault() const override { return fault_; }

private:
    bool unpack(const std::string& entry, auto&& take);

    zip* zip_ = nullptr;
    std::size_t budget_ = kMaxUnpackedBytes; // still to unpack
    std::string fault_;
};

} // namespace bank
