// One font file at one pixel size, drawn with FreeType: how wide a text is, how tall a line is,
// and the text itself as coverage blended in one colour. Glyphs are kept once drawn, so the
// shrink-to-fit of a long question measures each letter only once per size.
#pragma once

#include "toolkit/controls.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace tk::sdl {

// A font file mapped into memory once, however many sizes of it are drawn: each size reads the
// same pages.
class FontFile {
public:
    // Nullptr when the file cannot be read.
    static std::unique_ptr<FontFile> map(const std::string& path);
    ~FontFile();
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;
    const unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    FontFile(const unsigned char* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    const unsigned char* data_;
    std::size_t size_;
};

class Face {
public:
    // The face of a font file at a pixel size, or nullptr when FreeType cannot read it. A face
    // whose file has no bold (italic) style of its own is emboldened (slanted) when asked to be.
    // The file must outlive the face.
    static std::unique_ptr<Face> open(FT_Library library, const FontFile& file, int pixels, bool bold, bool italic);
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // From the top of the tallest letter to the bottom of the deepest descender.
    int height() const { return ascent_ - descent_; }
    int ascent() const { return ascent_; }
    // From one line's top to the next one's.
    int line_skip() const { return line_skip_; }
    // The width of a line of UTF-8 text, in pixels.
    int width(std::string_view utf8);
    // Draws a line of UTF-8 text into 32-bit ARGB pixels of `width(utf8)` x `height()`, cleared
    // beforehand: the colour everywhere, each glyph's coverage as alpha.
    void render(std::string_view utf8, Color color, std::uint32_t* pixels, int pitch_bytes);

private:
    struct Glyph {
        int advance = 0; // 26.6 fixed point
        int left = 0, top = 0, w = 0, h = 0;
        std::vector<std::uint8_t> coverage; // w x h
    };
    Face(FT_Face face, bool embolden, bool slant);
    const Glyph& glyph(std::uint32_t index);
    // Calls `place(glyph, pen x in pixels)` for each glyph of a line; returns its width.
    template <typename F> int lay_out(std::string_view utf8, F&& place);

    FT_Face face_;
    bool embolden_, slant_;
    int ascent_ = 0, descent_ = 0, line_skip_ = 0;
    std::unordered_map<std::uint32_t, Glyph> glyphs_;
};

} // namespace tk::sdl
