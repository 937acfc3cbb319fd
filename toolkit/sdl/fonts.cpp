#include "toolkit/sdl/fonts.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <strings.h>
#include <vector>

namespace tk::sdl {

namespace {

// Families to ask for in turn. "MS Sans Serif" has no metric alias on Linux, and asking for
// "Arial" gives a closer face than fontconfig's own default; the goodbye screen's decorative
// face falls back to a festive bold italic display face.
std::vector<std::string> candidates(std::string_view family)
{
    std::vector<std::string> out {std::string(family)};
    if (family == "MS Sans Serif")
        out.insert(out.end(), {"Arial", "Liberation Sans"});
    else if (family == "Times New Roman")
        out.insert(out.end(), {"Liberation Serif"});
    else if (family == "Bermuda Solid")
        out.insert(out.end(), {"Lobster Two", "Lobster", "URW Bookman", "Liberation Serif"});
    return out;
}

// The file of a family, only when fontconfig really has that family (not a substitute).
std::string exact_match(const std::string& family, bool bold, bool italic, bool accept_any)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    if (match) {
        FcChar8* found_family = nullptr;
        FcChar8* path = nullptr;
        bool same = FcPatternGetString(match, FC_FAMILY, 0, &found_family) == FcResultMatch
            && strcasecmp(reinterpret_cast<const char*>(found_family), family.c_str()) == 0;
        if ((same || accept_any) && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

} // namespace

Fonts::~Fonts()
{
    faces_.clear();
    mapped_.clear();
    if (library_)
        FT_Done_FreeType(library_);
    // Fontconfig keeps its configuration until it is let go: a leak check would report it.
    if (fontconfig_)
        FcFini();
}

std::optional<FaceMetrics> Fonts::face(const Typeface& font, int pixels)
{
    Face* f = get(font, pixels);
    if (!f)
        return std::nullopt;
    return FaceMetrics {f->height(), f->line_skip(), f->ascent()};
}

int Fonts::width(const Typeface& font, int pixels, std::string_view text)
{
    Face* f = text.empty() ? nullptr : get(font, pixels);
    return f ? f->width(text) : 0;
}

std::string Fonts::file_for(const Typeface& font)
{
    auto key = std::make_tuple(std::string(font.Name), font.Bold, font.Italic);
    if (auto it = files_.find(key); it != files_.end())
        return it->second;
    if (!fontconfig_)
        fontconfig_ = FcInit();
    std::string file;
    if (fontconfig_) {
        for (const std::string& family : candidates(font.Name)) {
            file = exact_match(family, font.Bold, font.Italic, false);
            if (!file.empty())
                break;
        }
        // Whatever face the machine has is better than no text at all.
        if (file.empty())
            file = exact_match(std::string(font.Name), font.Bold, font.Italic, true);
    }
    files_[key] = file;
    return file;
}

void Fonts::find_all(const std::vector<Typeface>& fonts)
{
    for (const Typeface& font : fonts)
        file_for(font);
    if (fontconfig_)
        FcFini();
    fontconfig_ = false;
}

Face* Fonts::get(const Typeface& font, int pixels)
{
    std::string file = file_for(font);
    auto key = std::make_tuple(file + (font.Bold ? ":b" : "") + (font.Italic ? ":i" : ""), pixels);
    if (auto it = faces_.find(key); it != faces_.end())
        return it->second.get();
    if (!library_ && !file.empty() && FT_Init_FreeType(&library_) != 0)
        library_ = nullptr;
    std::unique_ptr<Face> face;
    if (!file.empty()) {
        auto mapped = mapped_.find(file);
        if (mapped == mapped_.end())
            mapped = mapped_.emplace(file, FontFile::map(file)).first;
        if (mapped->second)
            face = Face::open(library_, *mapped->second, pixels, font.Bold, font.Italic);
    }
    if (!face) {
        static bool warned = false;
        if (!warned)
            std::fprintf(stderr, "ruvantia: no usable font for \"%.*s\"; texts cannot be shown\n",
                static_cast<int>(font.Name.size()), font.Name.data());
        warned = true;
    }
    return (faces_[key] = std::move(face)).get();
}

} // namespace tk::sdl
