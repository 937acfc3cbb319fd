// Bakes the artwork at build time: rasterises every SVG at its own size and at twice that, packs
// the pixels (toolkit/sdl/art_codec.h) and writes them as a C++ source file of byte arrays, with
// the table toolkit/sdl/art.h describes. Needs no display.
//
//   bake_art OUTPUT.cpp FILE.svg...
#include "toolkit/sdl/art_codec.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// W x H of 0 x 0 asks for the picture's own size.
SurfacePtr rasterise(const std::string& svg, int w, int h)
{
    SDL_RWops* rw = SDL_RWFromConstMem(svg.data(), static_cast<int>(svg.size()));
    if (!rw)
        return nullptr;
    SurfacePtr s(IMG_LoadSizedSVG_RW(rw, w, h));
    SDL_RWclose(rw);
    if (!s)
        return nullptr;
    return SurfacePtr(SDL_ConvertSurfaceFormat(s.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

std::vector<std::uint32_t> pixels_of(SDL_Surface* s)
{
    std::vector<std::uint32_t> px;
    px.reserve(static_cast<std::size_t>(s->w) * s->h);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        px.insert(px.end(), row, row + s->w);
    }
    return px;
}

std::string base_name(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool plain(const std::string& name)
{
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_' && c != '-')
            return false;
    return !name.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bake_art OUTPUT.cpp FILE.svg...\n");
        return 2;
    }
    std::string output = argv[1];
    // Every bake goes into one page-aligned blob, so that the game can hand the pages it has
    // unpacked back to the system as a whole.
    std::vector<unsigned char> blob;
    std::ostringstream notes, table;
    for (int i = 2; i < argc; ++i) {
        std::string path = argv[i], name = base_name(path);
        std::ifstream in(path, std::ios::binary);
        std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "bake_art: cannot read %s\n", path.c_str());
            return 1;
        }
        if (!plain(name)) {
            std::fprintf(
                stderr, "bake_art: %s: name the picture with letters, digits, '.', '_' and '-'\n", path.c_str());
            return 1;
        }
        SurfacePtr own = rasterise(svg, 0, 0);
        if (!own) {
            std::fprintf(stderr, "bake_art: %s: %s\n", path.c_str(), SDL_GetError());
            return 1;
        }
        int w = own->w, h = own->h;
        own.reset();
        table << "    {\"" << name << "\", {";
        for (int scale = 1; scale <= 2; ++scale) {
            SurfacePtr s = rasterise(svg, w * scale, h * scale);
            if (!s || s->w != w * scale || s->h != h * scale) {
                std::fprintf(stderr, "bake_art: %s: cannot rasterise at %d x %d: %s\n", path.c_str(), w * scale,
                    h * scale, s ? "it came out another size" : SDL_GetError());
                return 1;
            }
            std::vector<std::uint32_t> px = pixels_of(s.get());
            std::vector<unsigned char> packed = art::encode(px.data(), px.size());
            notes << "// " << name << " at " << s->w << " x " << s->h << ": " << packed.size() << " bytes for "
                  << px.size() * 4 << "\n";
            table << (scale == 1 ? "" : ", ") << "{" << s->w << ", " << s->h << ", kPacked + " << blob.size() << ", "
                  << packed.size() << "}";
            blob.insert(blob.end(), packed.begin(), packed.end());
        }
        table << "}},\n";
    }
    std::ostringstream arrays;
    arrays << notes.str() << "alignas(4096) const unsigned char kPacked[] = {";
    for (std::size_t k = 0; k < blob.size(); ++k)
        arrays << (k % 24 == 0 ? "\n" : "") << static_cast<unsigned>(blob[k]) << ',';
    arrays << "\n};\n";

    // Written aside and renamed, so that a failed bake never leaves a half file the build trusts.
    std::string temporary = output + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "// Baked from art/*.svg by tools/bake_art at build time: do not edit.\n"
               "#include \"toolkit/sdl/art.h\"\n\nnamespace art {\n\n"
            << arrays.str() << "const std::size_t kPackedSize = sizeof kPacked;\n\nconst Entry kEntries[] = {\n"
            << table.str() << "    {nullptr, {}},\n};\n\n} // namespace art\n";
        if (!out.flush()) {
            std::fprintf(stderr, "bake_art: cannot write %s\n", temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::perror(("bake_art: " + output).c_str());
        return 1;
    }
    return 0;
}
