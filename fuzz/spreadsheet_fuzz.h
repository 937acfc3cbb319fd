// The spreadsheet readers, fed zip archives: an input that is one is read as it is, so that the
// archive's own damage is tried; any other is taken as the parts of an archive, each after a
// line "==> NAME <==" as head(1) prints files, and zipped uncompressed first, so that what
// libFuzzer changes reaches the XML rather than a checksum.
#pragma once

#include "fuzz/oracle.h"
#include "game/bank/files/zip_archive.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>
#include <zip.h>

namespace fuzz {

inline std::string zip_of(const std::vector<std::pair<std::string, std::string>>& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* archive = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(archive);
    zip_t* z = archive ? zip_open_from_source(archive, ZIP_TRUNCATE, &error) : nullptr;
    if (!z) {
        zip_source_free(archive);
        zip_error_fini(&error);
        return {};
    }
    std::size_t added = 0;
    for (const auto& [name, data] : parts) {
        zip_source_t* part = zip_source_buffer(z, data.data(), data.size(), 0);
        const zip_int64_t index = zip_file_add(z, name.c_str(), part, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0)
            zip_source_free(part);
        else
            zip_set_file_compression(z, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0), ++added;
    }
    // An archive with nothing in it is no archive at all to libzip: it writes none.
    std::string bytes;
    if (added == 0) {
        zip_discard(z);
    } else if (zip_close(z) == 0 && zip_source_open(archive) == 0) {
        char buffer[4096];
        for (zip_int64_t n; (n = zip_source_read(archive, buffer, sizeof buffer)) > 0;)
            bytes.append(buffer, static_cast<std::size_t>(n));
        zip_source_close(archive);
    } else {
        zip_discard(z);
    }
    zip_source_free(archive);
    zip_error_fini(&error);
    return bytes;
}

// NAME says which spreadsheet: "f.xlsx" or "f.ods".
inline void fuzz_spreadsheet(const std::uint8_t* data, std::size_t size, std::string_view name)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with("PK")) {
        check_reading(bank::read_pack_file<bank::ZipArchive>(name, input));
        return;
    }
    std::vector<std::pair<std::string, std::string>> parts;
    for (std::size_t at = input.find("==> "); at != std::string_view::npos;) {
        const std::size_t name_end = input.find(" <==\n", at);
        if (name_end == std::string_view::npos)
            break;
        const std::size_t start = name_end + 5, next = input.find("\n==> ", start);
        parts.emplace_back(input.substr(at + 4, name_end - at - 4),
            input.substr(start, (next == std::string_view::npos ? input.size() : next) - start));
        at = next == std::string_view::npos ? next : next + 1;
    }
    check_reading(bank::read_pack_file<bank::ZipArchive>(name, zip_of(parts)));
}

} // namespace fuzz
