// A spreadsheet's zip archive, read from memory with libzip, and its XML entries walked with
// expat as they unpack. The file is untrusted: the archive's entries and the bytes it unpacks
// are limited, and a walk can stop as soon as it has what it came for.
#pragma once

#include "game/bank/sheet.h"

#include <cstddef>
#include <string>
#include <string_view>

struct zip;

namespace bank {

// What an XML walk does with each element and text, names given as "namespace|local".
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

class ZipArchive {
public:
    explicit ZipArchive(std::string_view bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Whether the bytes are a zip archive at all; fault() says why not when they are one that
    // cannot be read.
    bool is_zip() const { return zip_ != nullptr; }
    bool has(const std::string& entry) const;

    // Walks an entry's XML. False, with fault() set, when the entry is missing, too large,
    // damaged or not XML, or when the handler found a fault.
    bool walk(const std::string& entry, XmlHandler& handler);

    const std::string& fault() const { return fault_; }

private:
    bool unpack(const std::string& entry, auto&& take);

    zip* zip_ = nullptr;
    std::size_t budget_ = kMaxUnpackedBytes; // still to unpack
    std::string fault_;
};

} // namespace bank
