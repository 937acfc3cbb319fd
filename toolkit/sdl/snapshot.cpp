#include "toolkit/sdl/snapshot.h"

#include "toolkit/sdl/painter.h"

#include <cstdio>

namespace tk::sdl {

namespace {

// The PNG writer is SDL2_image's, loaded the first time a snapshot is written: playing, even a
// scripted game, never needs it, so the process that plays carries no image codecs.
using SavePng = int (*)(SDL_Surface*, const char*);

SavePng png_writer()
{
    static SavePng save = []() -> SavePng {
        void* library = SDL_LoadObject("libSDL2_image-2.0.so.0");
        if (!library)
            return nullptr;
        constexpr int kInitPng = 0x2;
        if (auto init = reinterpret_cast<int (*)(int)>(SDL_LoadFunction(library, "IMG_Init")))
            init(kInitPng);
        return reinterpret_cast<SavePng>(SDL_LoadFunction(library, "IMG_SavePNG"));
    }();
    return save;
}

Fonts& shared_fonts()
{
    static Fonts fonts;
    return fonts;
}

} // namespace

SurfacePtr render(Form& form, double scale)
{
    PixelRect size = client_size(form.design(), scale);
    int w = size.w, h = size.h;
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!surface)
        return nullptr;
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface.get());
    if (!renderer)
        return nullptr;
    {
        Painter painter(renderer, shared_fonts());
        painter.paint(form, Viewport {scale, 0, 0}, w, h);
        SDL_RenderPresent(renderer);
    }
    SDL_DestroyRenderer(renderer);
    return surface;
}

bool write_png(Form& form, const std::string& path, double scale)
{
    SurfacePtr s = render(form, scale);
    SavePng save = png_writer();
    if (!save) {
        std::fprintf(stderr, "ruvantia: cannot write %s: SDL2_image is not installed\n", path.c_str());
        return false;
    }
    if (!s || save(s.get(), path.c_str()) != 0) {
        std::fprintf(stderr, "ruvantia: cannot write %s: %s\n", path.c_str(), SDL_GetError());
        return false;
    }
    return true;
}

Color pixel(SDL_Surface* surface, int x, int y)
{
    if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h)
        return 0;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = reinterpret_cast<const Uint32*>(row)[x];
    Uint8 r, g, b;
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return (static_cast<Color>(r) << 16) | (static_cast<Color>(g) << 8) | b;
}

} // namespace tk::sdl
