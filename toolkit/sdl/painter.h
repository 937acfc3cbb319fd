// Draws a window's controls with an SDL renderer: the same code paints the real windows and
// the off-screen snapshots. Where text goes is the toolkit's text layout; this only draws it.
#pragma once

#include "toolkit/driver.h"
#include "toolkit/form.h"
#include "toolkit/geometry.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/text_layout.h"

#include <SDL2/SDL.h>

#include <string>
#include <unordered_map>

namespace tk::sdl {

SDL_Rect sdl_rect(const PixelRect& r);

class Painter {
public:
    Painter(SDL_Renderer* renderer, Fonts& fonts);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // The whole client area, letterbox included, then every visible control back to front.
    void paint(Form& form, const Viewport& view, int output_w, int output_h);
    // A tooltip box near a point of the window.
    void paint_tooltip(const Tip& tip, int output_w, int output_h, double scale);

private:
    void label(const Label&, const Viewport&, Color form_back);
    void shape(const Shape&, const Viewport&);
    void line(const Line&, const Viewport&);
    void picture(const Picture&, const Viewport&);
    void fill(const PixelRect&, Color);
    void text(const Typeface& font, int pixels, const PlacedLine& line, Color color);
    SDL_Texture* text_texture(Face* face, std::string_view text, Color color, int& w, int& h);
    SDL_Texture* picture_texture(std::string_view name, int w, int h);
    void trim_caches(Uint64 paint_start);

    struct Cached {
        SDL_Texture* texture = nullptr;
        int w = 0, h = 0;
        Uint64 used = 0; // when it was last drawn (SDL ticks)
    };
    SDL_Renderer* renderer_;
    Fonts& fonts_;
    LabelLayout layout_;
    std::unordered_map<std::string, Cached> texts_;
    std::unordered_map<std::string, Cached> pictures_;
};

} // namespace tk::sdl
