// The pictures the build bakes into the game: the packing is lossless, a baked size is exactly
// what the SVG renderer drew, and any other size the window may ask for looks the same.
#include "toolkit/sdl/art.h"
#include "toolkit/sdl/art_codec.h"

#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixels = std::vector<std::uint32_t>;

// What the SVG renderer draws at W x H, as packed ARGB8888 rows.
Pixels rasterised(const std::string& name, int w, int h)
{
    std::ifstream in(std::string(RUVANTIA_SOURCE_DIR) + "/art/" + name, std::ios::binary);
    std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SDL_RWops* rw = SDL_RWFromConstMem(svg.data(), static_cast<int>(svg.size()));
    SDL_Surface* raw = IMG_LoadSizedSVG_RW(rw, w, h);
    SDL_RWclose(rw);
    if (!raw)
        return {};
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    Pixels px;
    for (int y = 0; s && y < s->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        px.insert(px.end(), row, row + s->w);
    }
    SDL_FreeSurface(s);
    return px;
}

Pixels filled(const std::string& name, int w, int h)
{
    Pixels px(static_cast<std::size_t>(w) * h);
    EXPECT_TRUE(art::fill(name, px.data(), w * 4, w, h)) << name << " at " << w << " x " << h;
    return px;
}

// A picture laid over a plain background, as the board shows it: 0xRRGGBB per pixel.
std::vector<int> over(const Pixels& px, int background)
{
    std::vector<int> out;
    for (std::uint32_t p : px) {
        int a = static_cast<int>(p >> 24), mixed = 0;
        for (int shift : {16, 8, 0}) {
            int c = static_cast<int>((p >> shift) & 0xFF), b = (background >> shift) & 0xFF;
            mixed |= ((c * a + b * (255 - a) + 127) / 255) << shift;
        }
        out.push_back(mixed);
    }
    return out;
}

// The mean of each channel (red, green, blue) of a picture laid over a background.
std::array<double, 3> mean(const Pixels& px, int background)
{
    std::array<double, 3> sum {};
    for (int p : over(px, background))
        for (int i = 0; i < 3; ++i)
            sum[i] += (p >> (16 - 8 * i)) & 0xFF;
    for (double& v : sum)
        v /= static_cast<double>(px.size());
    return sum;
}

TEST(ArtCodec, PacksAndUnpacksEveryKindOfPixelExactly)
{
    // Transparent pixels of any colour, alpha ramps, smooth and steep gradients, long runs,
    // colours seen before: every op of the packing and the wrap of each channel.
    const int w = 97, h = 23;
    Pixels px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t p;
            if (y < 4)
                p = static_cast<std::uint32_t>(x * 2654435761u) & 0x00FFFFFF; // fully transparent
            else if (y < 8)
                p = static_cast<std::uint32_t>(x * 255 / (w - 1)) << 24 | 0x00C08040; // alpha ramp
            else if (y < 12)
                p = 0xFF000000 | static_cast<std::uint32_t>(x + y) << 16 | static_cast<std::uint32_t>(2 * x) << 8
                    | static_cast<std::uint32_t>(255 - 3 * x); // gradient
            else if (y < 16)
                p = 0x80102030; // one long run
            else
                p = (x % 3 == 0 ? 0xFFFFFFFF : x % 3 == 1 ? 0x00000000 : 0xFF00FF00) ^ static_cast<std::uint32_t>(y);
            px.push_back(p);
        }
    std::vector<unsigned char> packed = art::encode(px.data(), px.size());
    EXPECT_LT(packed.size(), px.size() * 4);

    // Unpacked into rows wider than the picture: the padding is the caller's and stays as it was.
    const int pitch = (w + 3) * 4;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w + 3) * h, 0xDEADBEEF);
    ASSERT_TRUE(art::decode(packed.data(), packed.size(), out.data(), pitch, w, h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(out[y * (w + 3) + x], px[y * w + x]) << "pixel " << x << ", " << y;
        EXPECT_EQ(out[y * (w + 3) + w], 0xDEADBEEF);
    }

    // Damaged or mismatched data is refused rather than read past its end.
    EXPECT_FALSE(art::decode(packed.data(), packed.size() - 1, out.data(), pitch, w, h));
    EXPECT_FALSE(art::decode(packed.data(), packed.size(), out.data(), pitch, w, h + 1));
    EXPECT_FALSE(art::decode(packed.data(), packed.size(), out.data(), pitch, w, h - 1));
}

TEST(Art, BakedSizesAreExactlyWhatTheSvgRendererDrew)
{
    for (const art::Entry* e = art::kEntries; e->name; ++e)
        for (const art::Bake& b : e->bakes) {
            Pixels expected = rasterised(e->name, b.w, b.h);
            ASSERT_EQ(expected.size(), static_cast<std::size_t>(b.w) * b.h) << e->name;
            EXPECT_TRUE(filled(e->name, b.w, b.h) == expected) << e->name << " at " << b.w << " x " << b.h;
        }
    Pixels px(4);
    EXPECT_FALSE(art::fill("missing.svg", px.data(), 8, 2, 2));
    EXPECT_FALSE(art::fill("logo.svg", px.data(), 0, 0, 0));
}

TEST(Art, ResampledSizesKeepTheColoursOfThePicture)
{
    // The window can take any size: pictures shrunk and grown from their bakes, laid over a light
    // and a dark background, keep the average colour of the picture at its own size. A dark fringe
    // on the transparent edges would pull the light one down; a shift or a lost row, both.
    struct Case {
        const char* name;
        int w, h;
    };
    for (Case c : {Case {"logo.svg", 716, 668}, Case {"logo.svg", 239, 223}, Case {"fifty.svg", 101, 68},
             Case {"fifty.svg", 34, 23}, Case {"phone.svg", 213, 138}, Case {"icon.svg", 48, 48}}) {
        const art::Entry* e = art::find(c.name);
        ASSERT_TRUE(e);
        Pixels own = filled(c.name, e->bakes[0].w, e->bakes[0].h), got = filled(c.name, c.w, c.h);
        for (int background : {0xFFFFFF, 0x000040}) {
            std::array<double, 3> want = mean(own, background), have = mean(got, background);
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(have[i], want[i], 1.0)
                    << c.name << " at " << c.w << " x " << c.h << " over " << std::hex << background;
        }
    }
}

TEST(Art, ResamplingLeavesNoFringeOnTransparentEdges)
{
    // A white disc on fully transparent black: whatever the size, every pixel that shows at all
    // is white, never a grey the transparent black bled into, and the disc stays centred.
    const int n = 40;
    Pixels disc;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            disc.push_back((x - 19.5) * (x - 19.5) + (y - 19.5) * (y - 19.5) < 15 * 15 ? 0xFFFFFFFF : 0);
    for (auto [w, h] : {std::pair {17, 17}, std::pair {60, 60}, std::pair {25, 70}, std::pair {40, 40}}) {
        Pixels out(static_cast<std::size_t>(w) * h);
        art::resample(disc.data(), n, n, out.data(), w * 4, w, h);
        int shown = 0;
        for (std::uint32_t p : out)
            if (p >> 24) {
                ++shown;
                EXPECT_EQ(p & 0xFFFFFF, 0xFFFFFFu) << w << " x " << h;
            }
        EXPECT_NEAR(shown, w * h * 0.45, w * h * 0.15) << w << " x " << h; // the disc is still there
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int alpha = static_cast<int>(out[y * w + x] >> 24);
                ASSERT_NEAR(alpha, static_cast<int>(out[y * w + (w - 1 - x)] >> 24), 1) << x << ", " << y;
                ASSERT_NEAR(alpha, static_cast<int>(out[(h - 1 - y) * w + x] >> 24), 1) << x << ", " << y;
            }
    }
}

} // namespace
