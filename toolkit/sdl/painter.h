// Draws a window's controls with an SDL renderer: the same code paints the real windows and
// the off-screen snapshots.
#pragma once

#include "toolkit/form.h"
#include "toolkit/sdl/fonts.h"

#include <SDL2/SDL.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace tk::sdl {

// Where the client area lies in pixels: 15 twips are one pixel at scale 1.
struct Viewport {
    double scale = 1.0;
    int x = 0, y = 0;
    int px(int twips) const;
    int py(int twips) const;
    SDL_Rect rect(int left, int top, int width, int height) const;
    // From a pixel of the window back to twips of the client area.
    int twips_x(int pixel) const;
    int twips_y(int pixel) const;
};

// How a label's caption is laid out: word-wrapped lines at the largest size up to its own
// that shows all of it.
struct TextLayout {
    int pixels = 0;
    int nominal = 0;
    std::vector<std::string> lines;
    bool fits = true; // false only when even the smallest size cannot show it all
};

TextLayout layout_text(Fonts& fonts, const Label& label, double scale);

class Painter {
public:
    Painter(SDL_Renderer* renderer, Fonts& fonts);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // The whole client area, letterbox included, then every visible control back to front.
    void paint(Form& form, const Viewport& view, int output_w, int output_h);
    // A tooltip box near a point of the window.
    void paint_tooltip(const std::string& text, int x, int y, int output_w, int output_h, double scale);

private:
    void label(const Label&, const Viewport&, Color form_back);
    void shape(const Shape&, const Viewport&);
    void line(const Line&, const Viewport&);
    void picture(const Picture&, const Viewport&);
    void fill(const SDL_Rect&, Color);
    SDL_Texture* text_texture(Face* face, const std::string& text, Color color, int& w, int& h);
    SDL_Texture* picture_texture(std::string_view name, int w, int h);
    void trim_caches(Uint64 paint_start);

    struct Cached {
        SDL_Texture* texture = nullptr;
        int w = 0, h = 0;
        Uint64 used = 0; // when it was last drawn (SDL ticks)
    };
    SDL_Renderer* renderer_;
    Fonts& fonts_;
    std::unordered_map<std::string, Cached> texts_;
    std::unordered_map<std::string, Cached> pictures_;
    std::unordered_map<std::string, TextLayout> layouts_;
};

} // namespace tk::sdl
