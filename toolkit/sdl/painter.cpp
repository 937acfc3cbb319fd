#include "toolkit/sdl/painter.h"

#include "toolkit/art.h"
#include "toolkit/visitor.h"

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
    , layout_(fonts)
{
}

Painter::~Painter()
{
    for (auto& [k, c] : texts_)
        SDL_DestroyTexture(c.texture);
    for (auto& [k, c] : pictures_)
        SDL_DestroyTexture(c.texture);
}

// After a paint: texts and pictures it did not draw, and none drew for a few seconds before
// (the last question's texts, an answer in the colour it had before, a picture at the size
// before a resize), give their memory back.
void Painter::trim_caches(Uint64 paint_start)
{
    constexpr Uint64 kKeepMs = 3000;
    for (auto* cache : {&texts_, &pictures_}) {
        for (auto it = cache->begin(); it != cache->end();) {
            if (it->second.used + kKeepMs < paint_start) {
                SDL_DestroyTexture(it->second.texture);
                it = cache->erase(it);
            } else {
                ++it;
            }
        }
    }
    layout_.trim();
}

void Painter::fill(const PixelRect& r, Color c)
{
    SDL_Rect rect = sdl_rect(r);
    SDL_SetRenderDrawColor(
        renderer_, static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c), 255);
    SDL_RenderFillRect(renderer_, &rect);
}

void Painter::paint(Form& form, const Viewport& view, int output_w, int output_h)
{
    Uint64 start = SDL_GetTicks64();
    SDL_RenderSetClipRect(renderer_, nullptr);
    fill(PixelRect {0, 0, output_w, output_h}, form.design().BackColor);
    struct V final : ControlVisitor {
        Painter& p;
        const Viewport& view;
        Color back;
        V(Painter& painter, const Viewport& v, Color b)
            : p(painter)
            , view(v)
            , back(b)
        {
        }
        void visit(std::string_view, int, Label& c) override
        {
            if (c.Visible)
                p.label(c, view, back);
        }
        void visit(std::string_view, int, Shape& c) override
        {
            if (c.Visible)
                p.shape(c, view);
        }
        void visit(std::string_view, int, Line& c) override
        {
            if (c.Visible)
                p.line(c, view);
        }
        void visit(std::string_view, int, Picture& c) override
        {
            if (c.Visible)
                p.picture(c, view);
        }
    } visitor(*this, view, form.design().BackColor);
    form.visit_controls(visitor);
    SDL_RenderSetClipRect(renderer_, nullptr);
    trim_caches(start);
}

SDL_Texture* Painter::text_texture(Face* face, std::string_view text, Color color, int& w, int& h)
{
    std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(face)) + ":" + std::to_string(color) + ":";
    key += text;
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        // The text is drawn straight into the texture's own pixels: one copy of it, never two.
        Cached c;
        c.w = face->width(text);
        c.h = face->height();
        if (c.w > 0 && c.h > 0) {
            c.texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, c.w, c.h);
            void* pixels = nullptr;
            int pitch = 0;
            if (c.texture && SDL_LockTexture(c.texture, nullptr, &pixels, &pitch) == 0) {
                face->render(text, color, static_cast<std::uint32_t*>(pixels), pitch);
                SDL_UnlockTexture(c.texture);
                SDL_SetTextureBlendMode(c.texture, SDL_BLENDMODE_BLEND);
            } else if (c.texture) {
                SDL_DestroyTexture(c.texture);
                c.texture = nullptr;
            }
        }
        it = texts_.emplace(std::move(key), c).first;
    }
    it->second.used = SDL_GetTicks64();
    w = it->second.w;
    h = it->second.h;
    return it->second.texture;
}

void Painter::text(const Typeface& font, int pixels, const PlacedLine& line, Color color)
{
    Face* face = fonts_.get(font, pixels);
    int w = 0, h = 0;
    if (SDL_Texture* t = face ? text_texture(face, line.text, color, w, h) : nullptr) {
        SDL_Rect dst {line.x, line.y, w, h};
        SDL_RenderCopy(renderer_, t, nullptr, &dst);
    }
}

void Painter::label(const Label& c, const Viewport& view, Color form_back)
{
    if (c.BackStyle == 1)
        fill(view.rect(c.Left, c.Top, c.Width, c.Height), c.BackColor);
    std::optional<LabelText> text = layout_.place(c, view, form_back);
    if (!text)
        return;
    SDL_Rect clip = sdl_rect(text->clip);
    SDL_RenderSetClipRect(renderer_, &clip);
    for (const PlacedLine& line : text->lines)
        this->text(text->font, text->pixels, line, text->color);
    SDL_RenderSetClipRect(renderer_, nullptr);
}

void Painter::shape(const Shape& c, const Viewport& view)
{
    PixelRect r = view.rect(c.Left, c.Top, c.Width, c.Height);
    if (c.BackStyle == 1)
        fill(r, c.BackColor);
    int t = std::max(1, static_cast<int>(std::lround(c.BorderWidth * view.scale)));
    t = std::min({t, r.w / 2 + 1, r.h / 2 + 1});
    fill(PixelRect {r.x, r.y, r.w, t}, c.BorderColor);
    fill(PixelRect {r.x, r.y + r.h - t, r.w, t}, c.BorderColor);
    fill(PixelRect {r.x, r.y, t, r.h}, c.BorderColor);
    fill(PixelRect {r.x + r.w - t, r.y, t, r.h}, c.BorderColor);
}

void Painter::line(const Line& c, const Viewport& view)
{
    float x1 = static_cast<float>(view.fx(c.X1));
    float y1 = static_cast<float>(view.fy(c.Y1));
    float x2 = static_cast<float>(view.fx(c.X2));
    float y2 = static_cast<float>(view.fy(c.Y2));
    float width = static_cast<float>(c.BorderWidth * view.scale);
    SDL_Color col = sdl_color(c.BorderColor);
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

SDL_Texture* Painter::picture_texture(std::string_view name, int w, int h)
{
    std::string key = std::string(name) + ":" + std::to_string(w) + "x" + std::to_string(h);
    auto it = pictures_.find(key);
    if (it != pictures_.end()) {
        it->second.used = SDL_GetTicks64();
        return it->second.texture;
    }
    Cached c;
    c.used = SDL_GetTicks64();
    // The picture is unpacked straight into the texture's own pixels: one copy of it, never two.
    if (art::find(name))
        c.texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    if (c.texture) {
        void* pixels = nullptr;
        int pitch = 0;
        bool drawn = SDL_LockTexture(c.texture, nullptr, &pixels, &pitch) == 0;
        if (drawn) {
            drawn = art::fill(name, pixels, pitch, w, h);
            SDL_UnlockTexture(c.texture);
        }
        if (drawn) {
            SDL_SetTextureBlendMode(c.texture, SDL_BLENDMODE_BLEND);
        } else {
            SDL_DestroyTexture(c.texture);
            c.texture = nullptr;
        }
    }
    pictures_.emplace(key, c);
    return c.texture;
}

void Painter::picture(const Picture& c, const Viewport& view)
{
    SDL_Rect r = sdl_rect(view.rect(c.Left, c.Top, c.Width, c.Height));
    if (r.w <= 0 || r.h <= 0)
        return;
    if (SDL_Texture* t = picture_texture(c.Source, r.w, r.h))
        SDL_RenderCopy(renderer_, t, nullptr, &r);
}

void Painter::paint_tooltip(const Tip& tip, int output_w, int output_h, double scale)
{
    std::optional<TooltipBox> box = tooltip_box(fonts_, tip.text, tip.x, tip.y, output_w, output_h, scale);
    if (!box)
        return;
    const PixelRect& f = box->frame;
    fill(f, kTooltipBorder);
    fill(PixelRect {f.x + 1, f.y + 1, f.w - 2, f.h - 2}, kTooltipBack);
    text(box->font, box->pixels, box->line, 0x000000);
}

} // namespace tk::sdl
