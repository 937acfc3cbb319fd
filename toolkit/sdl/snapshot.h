// Off-screen pictures of a window, with no display: the tools' and tests' eyes.
#pragma once

#include "toolkit/form.h"

#include <SDL2/SDL.h>

#include <memory>
#include <string>

namespace tk::sdl {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// The window's client area drawn at a scale (one pixel per 15 twips at scale 1), as RGB.
SurfacePtr render(Form& form, double scale = 1.0);

// The same written as a PNG file. Returns false (with the reason on stderr) on failure.
bool write_png(Form& form, const std::string& path, double scale = 1.0);

// The colour of one pixel of a rendered surface, as 0xRRGGBB.
Color pixel(SDL_Surface* surface, int x, int y);

} // namespace tk::sdl
