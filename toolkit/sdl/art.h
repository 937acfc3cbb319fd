// The pictures built into the binary (from art/*.svg).
#pragma once

#include <cstddef>
#include <string_view>

namespace art {

struct Entry {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

extern const Entry kEntries[]; // ends with a null entry

inline const Entry* find(std::string_view name)
{
    for (const Entry* e = kEntries; e->name; ++e)
        if (name == e->name)
            return e;
    return nullptr;
}

} // namespace art
