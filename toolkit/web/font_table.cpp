#include "toolkit/web/font_table.h"

#include "toolkit/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tk {

namespace {

using font_data::FaceData;
using std::int64_t;

// FreeType's fixed-point operations (ftcalc.c), rounding included: a half rounds away from zero.
int64_t mul_fix(int64_t a, int64_t b)
{
    int64_t ab = a * b;
    return (ab + 0x8000 - (ab < 0 ? 1 : 0)) >> 16;
}

int64_t div_fix(int64_t a, int64_t b)
{
    bool negative = (a < 0) != (b < 0);
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    int64_t q = b > 0 ? ((a << 16) + (b >> 1)) / b : 0x7FFFFFFF;
    return negative ? -q : q;
}

int64_t mul_div(int64_t a, int64_t b, int64_t c)
{
    bool negative = ((a < 0 ? 1 : 0) + (b < 0 ? 1 : 0) + (c < 0 ? 1 : 0)) % 2 == 1;
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    c = c < 0 ? -c : c;
    int64_t d = c > 0 ? (a * b + (c >> 1)) / c : 0x7FFFFFFF;
    return negative ? -d : d;
}

int64_t pix_round(int64_t v)
{
    return (v + 32) & ~int64_t {63};
}

int floor_pixels(int64_t v)
{
    return static_cast<int>(v >> 6);
}

int ceil_pixels(int64_t v)
{
    return static_cast<int>((v + 63) >> 6);
}

// The face the desktop picks for a typeface (toolkit/sdl/fonts.cpp): the serif for "Times New
// Roman", the festive face for "Bermuda Solid", the sans of the right weight for anything else.
// A face the tables lack gives way to the sans of the same weight.
const FaceData& pick(const Typeface& font)
{
    std::string_view weight = font.Bold ? "bold" : "regular";
    std::string_view family = "liberation-sans-";
    if (font.Name == "Times New Roman" || font.Name == "Liberation Serif")
        family = "liberation-serif-";
    else if (font.Name == "Bermuda Solid" || font.Name == "Lobster Two")
        family = "lobster-two-", weight = "bold-italic";
    auto find = [](std::string_view family, std::string_view weight) -> const FaceData* {
        for (int i = 0; i < font_data::kFaceCount; ++i) {
            std::string_view name = font_data::kFaces[i].name;
            if (name.size() == family.size() + weight.size() && name.starts_with(family) && name.ends_with(weight))
                return &font_data::kFaces[i];
        }
        return nullptr;
    };
    if (const FaceData* f = find(family, weight))
        return *f;
    if (const FaceData* f = find("liberation-sans-", font.Bold ? "bold" : "regular"))
        return *f;
    return font_data::kFaces[0];
}

// A face at a pixel size: FT_Set_Pixel_Sizes(face, 0, pixels) gives both scales alike.
struct Scaled {
    const FaceData& data;
    int ppem;
    int64_t scale; // 16.16
    int64_t cff_scale; // what the CFF engine scales its 16.16 outlines by

    Scaled(const FaceData& data, int pixels)
        : data(data)
        , ppem(std::max(1, pixels))
        , scale(div_fix(int64_t {ppem} << 6, data.units_per_em))
        , cff_scale((scale + 32) / 64)
    {
    }

    // A horizontal outline position in 26.6 pixels.
    int64_t outline_x(int64_t units, int64_t shift) const
    {
        if (data.cff)
            return mul_fix(units * 65536, cff_scale) >> 10;
        return mul_fix(units, scale) + mul_fix(shift, scale);
    }
};

// What a code point is drawn with.
struct Glyph {
    int index = -1; // in the tables; -1 for a code point they leave out but the font has
    int advance = 0; // font units
    std::span<const std::int16_t> parts;
    bool kerns = false; // FreeType looks its pairs up (it has a glyph of its own)
};

Glyph glyph_of(const FaceData& f, char32_t cp)
{
    Glyph g;
    auto it = std::lower_bound(f.code_points.begin(), f.code_points.end(), cp,
        [](char16_t a, char32_t b) { return static_cast<char32_t>(a) < b; });
    int notdef = static_cast<int>(f.code_points.size());
    int index = notdef;
    if (it != f.code_points.end() && static_cast<char32_t>(*it) == cp) {
        index = static_cast<int>(it - f.code_points.begin());
        g.kerns = true;
    } else {
        for (std::size_t r = 0; r + 1 < f.mapped.size(); r += 2) {
            if (cp >= f.mapped[r] && cp <= f.mapped[r + 1]) {
                // The font has it, the tables do not: the average letter, inked across its advance.
                g.advance = f.fallback_advance;
                return g;
            }
        }
    }
    g.index = index;
    g.advance = f.advances[static_cast<std::size_t>(index)];
    std::size_t from = f.part_starts[static_cast<std::size_t>(index)];
    std::size_t to = f.part_starts[static_cast<std::size_t>(index) + 1];
    g.parts = f.parts.subspan(from * 3, (to - from) * 3);
    return g;
}

// FT_Get_Kerning(FT_KERNING_UNSCALED) of two glyphs of the tables.
int kerning_units(const FaceData& f, int left, int right)
{
    auto begin = f.kern_rights.begin() + f.kern_starts[static_cast<std::size_t>(left)];
    auto end = f.kern_rights.begin() + f.kern_starts[static_cast<std::size_t>(left) + 1];
    auto it = std::lower_bound(begin, end, static_cast<std::uint16_t>(right));
    if (it == end || *it != right)
        return 0;
    return f.kern_values[static_cast<std::size_t>(it - f.kern_rights.begin())];
}

// Face::lay_out: the pen moves by each hinted advance and the kerning of FT_KERNING_DEFAULT; a
// glyph lands at its pen rounded to whole pixels and inks the whole pixels its outline's control
// box touches. Calls place(pen x) for each code point; returns the line's width.
template <typename F> int lay_out(const Scaled& s, std::string_view utf8, F&& place)
{
    int64_t pen = 0;
    int right = 0;
    Glyph previous;
    for (std::size_t i = 0; i < utf8.size();) {
        Glyph g = glyph_of(s.data, next_code_point(utf8, i));
        if (previous.kerns && g.kerns) {
            if (int units = kerning_units(s.data, previous.index, g.index)) {
                int64_t k = mul_fix(units, s.scale);
                // FreeType scales kerning down at small sizes so that rounding does not make it too big.
                if (s.ppem < 25)
                    k = mul_div(k, s.ppem, 25);
                pen += pix_round(k);
            }
        }
        int x = static_cast<int>((pen + 32) >> 6);
        place(x);
        std::array<std::int16_t, 3> fallback {0, static_cast<std::int16_t>(g.advance), 0};
        std::span<const std::int16_t> parts = g.index < 0 ? std::span<const std::int16_t>(fallback) : g.parts;
        if (!parts.empty()) {
            int64_t lo = INT64_MAX, hi = INT64_MIN;
            for (std::size_t p = 0; p + 2 < parts.size(); p += 3) {
                lo = std::min(lo, s.outline_x(parts[p], parts[p + 2]));
                hi = std::max(hi, s.outline_x(parts[p + 1], parts[p + 2]));
            }
            int left = floor_pixels(lo), w = ceil_pixels(hi) - left;
            if (w > 0)
                right = std::max(right, x + left + w);
        }
        pen += pix_round(mul_fix(g.advance, s.scale));
        previous = g;
    }
    return std::max(right, ceil_pixels(pen));
}

} // namespace

std::optional<FaceMetrics> FontTable::face(const Typeface& font, int pixels)
{
    Scaled s(pick(font), pixels);
    // Face::Face: the descent rounds down, below the baseline, so that no descender loses its tip.
    int ascent = ceil_pixels(mul_fix(s.data.ascender, s.scale));
    int descent = floor_pixels(mul_fix(s.data.descender, s.scale));
    int height = ascent - descent;
    return FaceMetrics {height, std::max(height, ceil_pixels(mul_fix(s.data.height, s.scale))), ascent};
}

int FontTable::width(const Typeface& font, int pixels, std::string_view utf8)
{
    if (utf8.empty())
        return 0;
    return lay_out(Scaled(pick(font), pixels), utf8, [](int) {});
}

std::vector<int> FontTable::positions(const Typeface& font, int pixels, std::string_view utf8)
{
    std::vector<int> out;
    lay_out(Scaled(pick(font), pixels), utf8, [&](int x) { out.push_back(x); });
    return out;
}

std::string_view FontTable::family(const Typeface& font)
{
    return pick(font).family;
}

std::string_view FontTable::file(const Typeface& font)
{
    return pick(font).file;
}

bool FontTable::covers(const Typeface& font, char32_t cp) const
{
    const FaceData& f = pick(font);
    return std::binary_search(f.code_points.begin(), f.code_points.end(), cp,
        [](auto a, auto b) { return static_cast<char32_t>(a) < static_cast<char32_t>(b); });
}

} // namespace tk
