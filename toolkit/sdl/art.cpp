#include "toolkit/sdl/art.h"

#include "toolkit/sdl/art_codec.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace art {

namespace {

// Which source pixels make one destination pixel along an axis, and how much each weighs.
struct Taps {
    std::vector<int> first, count, offset; // per destination pixel i: count[i] source pixels from first[i],
    std::vector<float> weights; // weighing weights[offset[i]] onwards
};

// Shrinking: each destination pixel covers SRC / DST source pixels and takes their average,
// weighted by how much of each it covers. Growing: bilinear between the two nearest centres.
Taps taps(int src, int dst)
{
    Taps t;
    double step = static_cast<double>(src) / dst;
    for (int i = 0; i < dst; ++i) {
        t.offset.push_back(static_cast<int>(t.weights.size()));
        if (dst < src) {
            double x0 = i * step, x1 = std::min<double>(src, (i + 1) * step);
            int j0 = static_cast<int>(std::floor(x0)), j1 = std::min(src, static_cast<int>(std::ceil(x1)));
            for (int j = j0; j < j1; ++j)
                t.weights.push_back(static_cast<float>((std::min<double>(x1, j + 1) - std::max<double>(x0, j)) / step));
            t.first.push_back(j0);
            t.count.push_back(j1 - j0);
        } else {
            double c = std::clamp((i + 0.5) * step - 0.5, 0.0, src - 1.0);
            int j = std::min(static_cast<int>(c), src - 1);
            float f = static_cast<float>(c - j);
            t.first.push_back(j);
            if (j + 1 < src && f > 0) {
                t.weights.insert(t.weights.end(), {1 - f, f});
                t.count.push_back(2);
            } else {
                t.weights.push_back(1);
                t.count.push_back(1);
            }
        }
    }
    return t;
}

// A picture is unpacked once per size the window draws it at; the pages of the packed bakes
// are then handed back to the system instead of staying resident for the whole show. They are
// the binary's own read-only pages, so a later unpacking simply reads them in again.
void release_packed()
{
    auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    auto start = reinterpret_cast<std::uintptr_t>(kPacked);
    std::uintptr_t first = (start + page - 1) & ~(page - 1), last = (start + kPackedSize) & ~(page - 1);
    if (page > 0 && last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

} // namespace

// One destination row at a time: the source rows it draws on are resampled across, premultiplied,
// and summed with their weights.
void resample(const std::uint32_t* src, int sw, int sh, void* pixels, int pitch, int w, int h)
{
    if (sw <= 0 || sh <= 0 || w <= 0 || h <= 0)
        return;
    auto channel = [](float v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
    Taps across = taps(sw, w), down = taps(sh, h);
    std::vector<float> sum(static_cast<std::size_t>(w) * 4); // premultiplied a, r, g, b of one row
    for (int y = 0; y < h; ++y) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (int k = 0; k < down.count[y]; ++k) {
            const std::uint32_t* line = src + static_cast<std::size_t>(down.first[y] + k) * sw;
            float wy = down.weights[down.offset[y] + k];
            for (int x = 0; x < w; ++x) {
                float a = 0, r = 0, g = 0, b = 0;
                for (int m = 0; m < across.count[x]; ++m) {
                    std::uint32_t p = line[across.first[x] + m];
                    float wa = across.weights[across.offset[x] + m] * static_cast<float>(p >> 24);
                    a += wa;
                    r += wa * static_cast<float>((p >> 16) & 0xFF);
                    g += wa * static_cast<float>((p >> 8) & 0xFF);
                    b += wa * static_cast<float>(p & 0xFF);
                }
                float* s = &sum[static_cast<std::size_t>(x) * 4];
                s[0] += wy * a;
                s[1] += wy * r;
                s[2] += wy * g;
                s[3] += wy * b;
            }
        }
        auto* out = reinterpret_cast<std::uint32_t*>(
            static_cast<unsigned char*>(pixels) + static_cast<std::ptrdiff_t>(y) * pitch);
        for (int x = 0; x < w; ++x) {
            const float* s = &sum[static_cast<std::size_t>(x) * 4];
            // Back to straight alpha; what is left fully transparent keeps no colour.
            std::uint32_t a = channel(s[0]);
            if (a == 0)
                out[x] = 0;
            else
                out[x] = a << 24 | channel(s[1] / s[0]) << 16 | channel(s[2] / s[0]) << 8 | channel(s[3] / s[0]);
        }
    }
}

bool fill(std::string_view name, void* pixels, int pitch, int w, int h)
{
    const Entry* e = find(name);
    if (!e || w <= 0 || h <= 0)
        return false;
    for (const Bake& b : e->bakes)
        if (b.w == w && b.h == h) {
            bool ok = decode(b.data, b.size, pixels, pitch, w, h);
            release_packed();
            return ok;
        }
    // The bakes go from small to large: the first that covers the size loses least on the way.
    const Bake* from = &e->bakes[1];
    for (const Bake& b : e->bakes)
        if (b.w >= w && b.h >= h) {
            from = &b;
            break;
        }
    std::vector<std::uint32_t> src(static_cast<std::size_t>(from->w) * from->h);
    bool ok = decode(from->data, from->size, src.data(), from->w * 4, from->w, from->h);
    release_packed();
    if (!ok)
        return false;
    resample(src.data(), from->w, from->h, pixels, pitch, w, h);
    return true;
}

} // namespace art
