#include "toolkit/sdl/painter.h"

#include "toolkit/sdl/art.h"

#include <algorithm>
#include <cmath>

namespace tk::sdl {

SDL_Rect sdl_rect(const PixelRect& r)
{
    return SDL_Rect {r.x, r.y, r.w, r.h};
}

namespace {

SDL_Color sdl_color(Color c)
{
    return SDL_Color {static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c), 255};
}

} // namespace

Painter::Painter(SDL_Renderer* renderer, Fonts& fonts)
    : renderer_(renderer)
    , fonts_(fonts)
    , painter_(fonts)
{
}

Painter::~Painter()
{
    for (auto& [source, p] : pictures_)
        if (p.texture)
            SDL_DestroyTexture(p.texture);
}

void Painter::fill(const PixelRect& r, Color c)
{
    SDL_Rect rect = sdl_rect(r);
    SDL_SetRenderDrawColor(
        renderer_, static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c), 255);
    SDL_RenderFillRect(renderer_, &rect);
}

void Painter::clip(const PixelRect& r)
{
    SDL_Rect rect = sdl_rect(r);
    SDL_RenderSetClipRect(renderer_, &rect);
}

void Painter::paint(Form& form, const Viewport& view, int output_w, int output_h)
{
    paint(form, view, {PixelRect {0, 0, output_w, output_h}});
}

void Painter::paint(Form& form, const Viewport& view, const std::vector<PixelRect>& regions)
{
    painter_.paint(form, view, regions, *this);
    SDL_RenderSetClipRect(renderer_, nullptr);
}

// A line of text is drawn into a texture of its own size and let go at once: with only what
// changed drawn again, a text is rarely drawn twice in a row, and the show holds no pictures of
// texts between redraws. The glyphs stay with their face.
void Painter::text(const Typeface& font, int pixels, const PlacedLine& line, Color color)
{
    Face* face = fonts_.get(font, pixels);
    int w = face ? face->width(line.text) : 0, h = face ? face->height() : 0;
    if (w <= 0 || h <= 0)
        return;
    SDL_Texture* t = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    void* bits = nullptr;
    int pitch = 0;
    if (t && SDL_LockTexture(t, nullptr, &bits, &pitch) == 0) {
        face->render(line.text, color, static_cast<std::uint32_t*>(bits), pitch);
        SDL_UnlockTexture(t);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        SDL_Rect dst {line.x, line.y, w, h};
        SDL_RenderCopy(renderer_, t, nullptr, &dst);
    }
    if (t)
        SDL_DestroyTexture(t);
}

void Painter::line(double fx1, double fy1, double fx2, double fy2, double fwidth, Color color)
{
    float x1 = static_cast<float>(fx1);
    float y1 = static_cast<float>(fy1);
    float x2 = static_cast<float>(fx2);
    float y2 = static_cast<float>(fy2);
    float width = static_cast<float>(fwidth);
    SDL_Color col = sdl_color(color);
    if (width <= 1.5f) {
        SDL_SetRenderDrawColor(renderer_, col.r, col.g, col.b, 255);
        SDL_RenderDrawLineF(renderer_, x1, y1, x2, y2);
        return;
    }
    // SDL has no line width: a thick line is a quad of two triangles.
    float dx = x2 - x1, dy = y2 - y1;
    float len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0.0f)
        return;
    float nx = -dy / len * width / 2, ny = dx / len * width / 2;
    SDL_Vertex v[4] = {
        {{x1 + nx, y1 + ny}, col, {0, 0}},
        {{x1 - nx, y1 - ny}, col, {0, 0}},
        {{x2 - nx, y2 - ny}, col, {0, 0}},
        {{x2 + nx, y2 + ny}, col, {0, 0}},
    };
    int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer_, nullptr, v, 4, indices, 6);
}

// A picture is unpacked once at the size its window shows it and kept while the window is open:
// a redraw, or a blink over it, only copies what a region needs. A new size replaces the old.
void Painter::picture(std::string_view source, const PixelRect& at, const PixelRect& region)
{
    SDL_Rect r = sdl_rect(at);
    if (r.w <= 0 || r.h <= 0 || intersect(at, region).empty() || !art::find(source))
        return;
    auto it = pictures_.find(source);
    if (it == pictures_.end())
        it = pictures_.emplace(std::string(source), Picture {}).first;
    Picture& p = it->second;
    if (!p.texture || p.w != r.w || p.h != r.h) {
        if (p.texture)
            SDL_DestroyTexture(p.texture);
        p = {r.w, r.h, SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, r.w, r.h)};
        void* pixels = nullptr;
        int pitch = 0;
        bool drawn = false;
        if (p.texture && SDL_LockTexture(p.texture, nullptr, &pixels, &pitch) == 0) {
            drawn = art::fill(source, pixels, pitch, r.w, r.h);
            SDL_UnlockTexture(p.texture);
        }
        if (!drawn) {
            if (p.texture)
                SDL_DestroyTexture(p.texture);
            p = {};
            return;
        }
        SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
    }
    SDL_RenderCopy(renderer_, p.texture, nullptr, &r);
}

PixelRect Painter::tooltip_area(const Tip& tip, int output_w, int output_h, double scale)
{
    return painter_.tooltip_area(tip, output_w, output_h, scale);
}

void Painter::paint_tooltip(
    const Tip& tip, int output_w, int output_h, double scale, const std::vector<PixelRect>& regions)
{
    painter_.paint_tooltip(tip, output_w, output_h, scale, regions, *this);
    SDL_RenderSetClipRect(renderer_, nullptr);
}

} // namespace tk::sdl
