// The desktop's text measures without FreeType: tables of the font files taken at build time
// (tools/web_fonts.py) and FreeType's own fixed-point arithmetic over them, so that the browser
// wraps and shrinks every text exactly where the desktop does, and knows where each letter goes.
#pragma once

#include "toolkit/text_layout.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tk {

namespace font_data {

// One face's measures in font units, as the generated tables give them. Glyph i is the i-th
// covered code point; one more glyph after the last is the font's .notdef.
struct FaceData {
    std::string_view name; // "liberation-sans-bold"
    std::string_view family; // the CSS font-family the page loads it under
    std::string_view file; // its woff2 subset
    std::string_view source; // the font file it was made from
    int units_per_em;
    int ascender, descender, height; // FT_Face's
    bool cff; // outlines scaled as FreeType's CFF engine scales them
    int fallback_advance; // for a code point the font has but the tables leave out
    std::span<const char16_t> code_points; // sorted
    std::span<const std::uint16_t> advances; // per glyph
    std::span<const std::uint16_t> part_starts; // glyph i's parts are [starts[i], starts[i + 1])
    std::span<const std::int16_t> parts; // (left, right, shift) of each part's outline
    std::span<const std::uint16_t> kern_starts; // left glyph i's pairs are [starts[i], starts[i + 1])
    std::span<const std::uint16_t> kern_rights; // sorted within a row
    std::span<const std::int16_t> kern_values;
    std::span<const char16_t> mapped; // (first, last) ranges of the code points the font has
};

extern const FaceData kFaces[];
extern const int kFaceCount;

} // namespace font_data

class FontTable final : public FontMetrics {
public:
    std::optional<FaceMetrics> face(const Typeface& font, int pixels) override;
    int width(const Typeface& font, int pixels, std::string_view utf8) override;
    // The pen x of each code point from the line's left, in whole pixels, where the desktop draws
    // its glyph.
    std::vector<int> positions(const Typeface& font, int pixels, std::string_view utf8);

    // The CSS font-family the page loads a typeface's face under, and that face's woff2 file.
    static std::string_view family(const Typeface& font);
    static std::string_view file(const Typeface& font);

    // True when the tables (and the woff2 subset) hold this code point of the face.
    bool covers(const Typeface& font, char32_t cp) const;
};

} // namespace tk
