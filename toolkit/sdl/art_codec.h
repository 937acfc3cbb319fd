// The packing of the pictures baked into the binary: ARGB8888 pixels, losslessly, in a byte
// stream of small ops (a run of the previous pixel, a slot of a 64-pixel cache, a small or a
// green-led difference from the previous pixel, or the pixel in full). Flat colours and smooth
// gradients, which is what our artwork is made of, pack to a small fraction of their size and
// unpack in one pass. No SDL here: the build's baking tool shares this file with the game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace art {

// Packs COUNT pixels, row after row with no padding.
std::vector<unsigned char> encode(const std::uint32_t* pixels, std::size_t count);

// Unpacks W x H pixels into rows PITCH bytes apart. False when the data does not hold exactly
// W x H pixels (the rows written so far are then left as they are).
bool decode(const unsigned char* data, std::size_t size, void* pixels, int pitch, int w, int h);

} // namespace art
