// The pictures built into the binary. The build rasterises every art/*.svg at its own size and at
// twice that, and packs the pixels (see art_codec.h); the game only unpacks them, so it starts
// without an SVG renderer or any image library.
#pragma once

#include "toolkit/sdl/art_codec.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace art {

// One rasterisation of a picture: W x H ARGB8888 pixels, packed.
struct Bake {
    int w, h;
    const unsigned char* data;
    std::size_t size;
};

struct Entry {
    const char* name; // the SVG's file name, e.g. "logo.svg"
    Bake bakes[2]; // its own size, then twice that
};

extern const Entry kEntries[]; // ends with a null entry
// All the bakes, one after the other, on pages of their own.
extern const unsigned char kPacked[];
extern const std::size_t kPackedSize;

inline const Entry* find(std::string_view name)
{
    for (const Entry* e = kEntries; e->name; ++e)
        if (name == e->name)
            return e;
    return nullptr;
}

// Draws the picture NAME into a caller's W x H ARGB8888 buffer (straight alpha, rows PITCH bytes
// apart). A baked size is unpacked straight into it; any other size is resampled from the
// nearest larger bake (or the largest): averaged over the area when shrinking, bilinear when
// growing, on premultiplied colours so transparent edges take on no dark fringe. False for an
// unknown picture, an empty size or damaged data.
bool fill(std::string_view name, void* pixels, int pitch, int w, int h);

// How fill makes the sizes it has no bake of: SW x SH straight-alpha pixels, rows packed, into the
// caller's W x H buffer.
void resample(const std::uint32_t* src, int sw, int sh, void* pixels, int pitch, int w, int h);

} // namespace art
