#include "toolkit/sdl/face.h"

#include "toolkit/utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace tk::sdl {

namespace {

// Whole pixels of a 26.6 distance, up and down.
int ceil_pixels(FT_Long v)
{
    return static_cast<int>((v + 63) >> 6);
}

int floor_pixels(FT_Long v)
{
    return static_cast<int>(v >> 6);
}

} // namespace

std::unique_ptr<FontFile> FontFile::map(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st { };
    void* data = MAP_FAILED;
    if (fstat(fd, &st) == 0 && st.st_size > 0)
        data = mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (data == MAP_FAILED)
        return nullptr;
    // FreeType reads a table here and a glyph there: only the pages it touches come into
    // memory, not the neighbours the kernel would map along with each.
    madvise(data, static_cast<std::size_t>(st.st_size), MADV_RANDOM);
    return std::unique_ptr<FontFile>(
        new FontFile(static_cast<const unsigned char*>(data), static_cast<std::size_t>(st.st_size)));
}

FontFile::~FontFile()
{
    munmap(const_cast<unsigned char*>(data_), size_);
}

std::unique_ptr<Face> Face::open(FT_Library library, const FontFile& file, int pixels, bool bold, bool italic)
{
    FT_Face face = nullptr;
    if (!library || FT_New_Memory_Face(library, file.data(), static_cast<FT_Long>(file.size()), 0, &face) != 0)
        return nullptr;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(1, pixels))) != 0 || !FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        return nullptr;
    }
    // A substitute family without a bold or italic file of its own is made bold or italic.
    bool embolden = bold && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    bool slant = italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    return std::unique_ptr<Face>(new Face(face, embolden, slant));
}

Face::Face(FT_Face face, bool embolden, bool slant)
    : face_(face)
    , embolden_(embolden)
    , slant_(slant)
{
    FT_Fixed scale = face->size->metrics.y_scale;
    ascent_ = ceil_pixels(FT_MulFix(face->ascender, scale));
    // The descent rounds down (it is below the baseline) so that no descender loses its tip.
    descent_ = floor_pixels(FT_MulFix(face->descender, scale));
    line_skip_ = std::max(height(), ceil_pixels(FT_MulFix(face->height, scale)));
}

Face::~Face()
{
    FT_Done_Face(face_);
}

const Face::Glyph& Face::glyph(std::uint32_t index)
{
    auto it = glyphs_.find(index);
    if (it != glyphs_.end())
        return it->second;
    Glyph g;
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) == 0) {
        FT_GlyphSlot slot = face_->glyph;
        if (embolden_)
            FT_GlyphSlot_Embolden(slot);
        if (slant_)
            FT_GlyphSlot_Oblique(slot);
        g.advance = static_cast<int>(slot->advance.x);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0 && slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY
            && slot->bitmap.pitch >= 0) {
            const FT_Bitmap& b = slot->bitmap;
            g.left = slot->bitmap_left;
            g.top = slot->bitmap_top;
            g.w = static_cast<int>(b.width);
            g.h = static_cast<int>(b.rows);
            g.coverage.resize(static_cast<std::size_t>(g.w) * static_cast<std::size_t>(g.h));
            for (int row = 0; row < g.h; ++row) {
                std::memcpy(&g.coverage[static_cast<std::size_t>(row) * static_cast<std::size_t>(g.w)],
                    b.buffer + row * b.pitch, static_cast<std::size_t>(g.w));
            }
        }
    }
    return glyphs_.emplace(index, std::move(g)).first->second;
}

template <typename F> int Face::lay_out(std::string_view utf8, F&& place)
{
    FT_Pos pen = 0;
    int right = 0;
    FT_UInt previous = 0;
    bool kerning = FT_HAS_KERNING(face_);
    for (char32_t cp : decode_utf8(utf8)) {
        FT_UInt index = FT_Get_Char_Index(face_, cp);
        if (kerning && previous && index) {
            FT_Vector delta {};
            if (FT_Get_Kerning(face_, previous, index, FT_KERNING_DEFAULT, &delta) == 0)
                pen += delta.x;
        }
        const Glyph& g = glyph(index);
        int x = static_cast<int>((pen + 32) >> 6);
        place(g, x);
        if (g.w > 0)
            right = std::max(right, x + g.left + g.w);
        pen += g.advance;
        previous = index;
    }
    return std::max(right, ceil_pixels(pen));
}

int Face::width(std::string_view utf8)
{
    return lay_out(utf8, [](const Glyph&, int) {});
}

void Face::render(std::string_view utf8, Color color, std::uint32_t* pixels, int pitch_bytes)
{
    int w = width(utf8);
    int h = height();
    auto row_of = [&](int y) {
        return reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(pixels) + y * pitch_bytes);
    };
    std::uint32_t rgb = color & 0xFFFFFF;
    for (int y = 0; y < h; ++y)
        std::fill(row_of(y), row_of(y) + w, rgb);
    // Where two letters overlap (a kerned pair), the stronger coverage wins.
    lay_out(utf8, [&](const Glyph& g, int pen_x) {
        for (int r = 0; r < g.h; ++r) {
            int y = ascent_ - g.top + r;
            if (y < 0 || y >= h)
                continue;
            std::uint32_t* row = row_of(y);
            const std::uint8_t* src = &g.coverage[static_cast<std::size_t>(r) * static_cast<std::size_t>(g.w)];
            for (int c = 0; c < g.w; ++c) {
                int x = pen_x + g.left + c;
                if (x < 0 || x >= w || src[c] == 0)
                    continue;
                std::uint32_t alpha = std::max<std::uint32_t>(row[x] >> 24, src[c]);
                row[x] = (alpha << 24) | rgb;
            }
        }
    });
}

} // namespace tk::sdl
