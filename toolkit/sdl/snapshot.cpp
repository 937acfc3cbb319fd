#include "toolkit/sdl/snapshot.h"

#include "toolkit/sdl/painter.h"

#include <SDL2/SDL_image.h>
#include <SDL2/SDL_ttf.h>

#include <cmath>
#include <cstdio>

namespace tk::sdl {

bool init_drawing()
{
    static bool ok = [] {
        if (TTF_WasInit() == 0 && TTF_Init() != 0) {
            std::fprintf(stderr, "ruvantia: cannot start the font engine: %s\n", TTF_GetError());
            return false;
        }
        IMG_Init(IMG_INIT_PNG);
        return true;
    }();
    return ok;
}

namespace {

Fonts& shared_fonts()
{
    static Fonts fonts;
    return fonts;
}

} // namespace

SurfacePtr render(Form& form, double scale)
{
    if (!init_drawing())
        return nullptr;
    int w = static_cast<int>(std::lround(form.design().ClientWidth * scale / 15.0));
    int h = static_cast<int>(std::lround(form.design().ClientHeight * scale / 15.0));
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
    if (!s || IMG_SavePNG(s.get(), path.c_str()) != 0) {
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
