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
#include <vector>

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
    // The same within each region alone (the regions do not overlap): its background, then
    // every visible control that reaches into it, clipped to it. The pixels are those a whole
    // paint gives there.
    void paint(Form& form, const Viewport& view, const std::vector<PixelRect>& regions);
    // Where a tooltip box near a point of the window goes.
    PixelRect tooltip_area(const Tip& tip, int output_w, int output_h, double scale);
    // The box drawn over each region it reaches into.
    void paint_tooltip(const Tip& tip, int output_w, int output_h, double scale, const std::vector<PixelRect>& regions);

private:
    void label(const Label&, const Viewport&, Color form_back);
    void shape(const Shape&, const Viewport&);
    void line(const Line&, const Viewport&);
    void picture(const Picture&, const Viewport&);
    void fill(const PixelRect&, Color);
    void clip(const PixelRect& r);
    void text(const Typeface& font, int pixels, const PlacedLine& line, Color color);
    SDL_Renderer* renderer_;
    Fonts& fonts_;
    LabelLayout layout_;
    PixelRect region_; // the region being painted: nothing is drawn outside it
};

} // namespace tk::sdl
