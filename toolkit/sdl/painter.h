// Draws a window's controls with an SDL renderer: the same code paints the real windows and
// the off-screen snapshots. What goes where is the toolkit's (toolkit/paint.h); this only draws it.
#pragma once

#include "toolkit/driver.h"
#include "toolkit/form.h"
#include "toolkit/geometry.h"
#include "toolkit/paint.h"
#include "toolkit/sdl/fonts.h"

#include <SDL2/SDL.h>

#include <map>
#include <string>
#include <vector>

namespace tk::sdl {

SDL_Rect sdl_rect(const PixelRect& r);

class Painter final : private Canvas {
public:
    Painter(SDL_Renderer* renderer, Fonts& fonts);
    ~Painter() override;
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // The whole client area, letterbox included, then every visible control back to front.
    void paint(Form& form, const Viewport& view, int output_w, int output_h);
    // The same within each region alone (the regions do not overlap).
    void paint(Form& form, const Viewport& view, const std::vector<PixelRect>& regions);
    // Where a tooltip box near a point of the window goes.
    PixelRect tooltip_area(const Tip& tip, int output_w, int output_h, double scale);
    // The box drawn over each region it reaches into.
    void paint_tooltip(const Tip& tip, int output_w, int output_h, double scale, const std::vector<PixelRect>& regions);

private:
    // Canvas.
    void clip(const PixelRect& r) override;
    void fill(const PixelRect& r, Color color) override;
    void text(const Typeface& font, int pixels, const PlacedLine& line, Color color) override;
    void line(double x1, double y1, double x2, double y2, double width, Color color) override;
    void picture(std::string_view source, const PixelRect& at, const PixelRect& region) override;

    struct Picture {
        int w = 0, h = 0;
        SDL_Texture* texture = nullptr;
    };

    SDL_Renderer* renderer_;
    Fonts& fonts_;
    WindowPainter painter_;
    std::map<std::string, Picture, std::less<>> pictures_; // unpacked, by file name
};

} // namespace tk::sdl
