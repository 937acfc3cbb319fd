#include "toolkit/sdl/painter.h"

#include "toolkit/sdl/art.h"
#include "toolkit/visitor.h"

#include <algorithm>
#include <cmath>

namespace tk::sdl {

int Viewport::px(int twips) const
{
    return x + static_cast<int>(std::lround(twips * scale / 15.0));
}

int Viewport::py(int twips) const
{
    return y + static_cast<int>(std::lround(twips * scale / 15.0));
}

SDL_Rect Viewport::rect(int left, int top, int width, int height) const
{
    int x0 = px(left), y0 = py(top);
    return SDL_Rect {x0, y0, px(left + width) - x0, py(top + height) - y0};
}

int Viewport::twips_x(int pixel) const
{
    return static_cast<int>(std::floor((pixel - x) * 15.0 / scale));
}

int Viewport::twips_y(int pixel) const
{
    return static_cast<int>(std::floor((pixel - y) * 15.0 / scale));
}

namespace {

SDL_Color sdl_color(Color c)
{
    return SDL_Color {static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c), 255};
}

Color mix(Color a, Color b)
{
    auto ch = [&](int shift) { return ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift; };
    return ch(16) | ch(8) | ch(0);
}

int text_width(Face* face, const std::string& s)
{
    return s.empty() ? 0 : face->width(s);
}

// Greedy word wrap that keeps every blank of the caption: the leading blanks of an answer and
// the inner blanks of a rung are part of how it looks.
std::vector<std::string> wrap(Face* face, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::string current;
    bool first = true;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(start, end - start);
        if (first) {
            current = word;
            first = false;
        } else {
            std::string candidate = current + " " + word;
            if (word.empty() || text_width(face, candidate) <= width
                || current.find_first_not_of(' ') == std::string::npos)
                current = candidate;
            else {
                lines.push_back(current);
                current = word;
            }
        }
        start = end + 1;
    }
    lines.push_back(current);
    return lines;
}

} // namespace

TextLayout layout_text(Fonts& fonts, const Label& label, double scale)
{
    TextLayout out;
    out.nominal = Fonts::pixels(label.Font.Size, scale);
    out.pixels = out.nominal;
    if (label.Caption.empty())
        return out;
    int width = std::max(1, static_cast<int>(std::lround(label.Width * scale / 15.0)));
    int height = std::max(1, static_cast<int>(std::lround(label.Height * scale / 15.0)));
    int smallest = std::max(4, static_cast<int>(std::lround(6 * scale)));
    for (int px = out.nominal; px >= smallest; --px) {
        Face* face = fonts.get(label.Font, px);
        if (!face) {
            out.lines = {label.Caption};
            return out;
        }
        std::vector<std::string> lines = wrap(face, label.Caption, width);
        int widest = 0;
        for (const std::string& l : lines)
            widest = std::max(widest, text_width(face, l));
        // A line's height is the face's ascent to descent; a label may lend its last line an
        // eighth of its height for the descenders, which capitals and most letters never use.
        int need = static_cast<int>(lines.size() - 1) * face->line_skip() + face->height();
        out.pixels = px;
        out.lines = std::move(lines);
        if (widest <= width && need <= height + height / 8) {
            out.fits = true;
            return out;
        }
        out.fits = false;
    }
    return out;
}

Painter::Painter(SDL_Renderer* renderer, Fonts& fonts)
    : renderer_(renderer)
    , fonts_(fonts)
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
    if (layouts_.size() > 600)
        layouts_.clear();
}

void Painter::fill(const SDL_Rect& r, Color c)
{
    SDL_SetRenderDrawColor(
        renderer_, static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c), 255);
    SDL_RenderFillRect(renderer_, &r);
}

void Painter::paint(Form& form, const Viewport& view, int output_w, int output_h)
{
    Uint64 start = SDL_GetTicks64();
    SDL_RenderSetClipRect(renderer_, nullptr);
    fill(SDL_Rect {0, 0, output_w, output_h}, form.design().BackColor);
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

SDL_Texture* Painter::text_texture(Face* face, const std::string& text, Color color, int& w, int& h)
{
    std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(face)) + ":" + std::to_string(color) + ":" + text;
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

void Painter::label(const Label& c, const Viewport& view, Color form_back)
{
    SDL_Rect r = view.rect(c.Left, c.Top, c.Width, c.Height);
    if (c.BackStyle == 1)
        fill(r, c.BackColor);
    if (c.Caption.empty() || c.Caption.find_first_not_of(' ') == std::string::npos)
        return;
    std::string key = std::to_string(c.Width) + "x" + std::to_string(c.Height) + ":" + std::to_string(view.scale) + ":"
        + std::string(c.Font.Name) + std::to_string(c.Font.Size) + (c.Font.Bold ? "b" : "") + (c.Font.Italic ? "i" : "")
        + ":" + c.Caption;
    auto it = layouts_.find(key);
    if (it == layouts_.end())
        it = layouts_.emplace(key, layout_text(fonts_, c, view.scale)).first;
    const TextLayout& layout = it->second;
    Face* face = fonts_.get(c.Font, layout.pixels);
    if (!face)
        return;
    // Disabled text is drawn dimmed towards what lies behind it.
    Color color = c.Enabled ? c.ForeColor : mix(c.ForeColor, c.BackStyle == 1 ? c.BackColor : form_back);
    int skip = face->line_skip();
    int block = static_cast<int>(layout.lines.size() - 1) * skip + face->height();
    int y = r.y + (r.h - block) / 2;
    SDL_RenderSetClipRect(renderer_, &r);
    for (const std::string& text : layout.lines) {
        int w = 0, h = 0;
        if (SDL_Texture* t = text.empty() ? nullptr : text_texture(face, text, color, w, h)) {
            int x = r.x;
            if (c.Alignment == Align::Center)
                x = r.x + (r.w - w) / 2;
            else if (c.Alignment == Align::Right)
                x = r.x + r.w - w;
            SDL_Rect dst {x, y, w, h};
            SDL_RenderCopy(renderer_, t, nullptr, &dst);
        }
        y += skip;
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
}

void Painter::shape(const Shape& c, const Viewport& view)
{
    SDL_Rect r = view.rect(c.Left, c.Top, c.Width, c.Height);
    if (c.BackStyle == 1)
        fill(r, c.BackColor);
    int t = std::max(1, static_cast<int>(std::lround(c.BorderWidth * view.scale)));
    t = std::min({t, r.w / 2 + 1, r.h / 2 + 1});
    fill(SDL_Rect {r.x, r.y, r.w, t}, c.BorderColor);
    fill(SDL_Rect {r.x, r.y + r.h - t, r.w, t}, c.BorderColor);
    fill(SDL_Rect {r.x, r.y, t, r.h}, c.BorderColor);
    fill(SDL_Rect {r.x + r.w - t, r.y, t, r.h}, c.BorderColor);
}

void Painter::line(const Line& c, const Viewport& view)
{
    float x1 = static_cast<float>(view.x + c.X1 * view.scale / 15.0);
    float y1 = static_cast<float>(view.y + c.Y1 * view.scale / 15.0);
    float x2 = static_cast<float>(view.x + c.X2 * view.scale / 15.0);
    float y2 = static_cast<float>(view.y + c.Y2 * view.scale / 15.0);
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
    SDL_Rect r = view.rect(c.Left, c.Top, c.Width, c.Height);
    if (r.w <= 0 || r.h <= 0)
        return;
    if (SDL_Texture* t = picture_texture(c.Source, r.w, r.h))
        SDL_RenderCopy(renderer_, t, nullptr, &r);
}

void Painter::paint_tooltip(const std::string& text, int x, int y, int output_w, int output_h, double scale)
{
    Typeface font {"MS Sans Serif", 9, false};
    Face* face = fonts_.get(font, Fonts::pixels(9, std::max(1.0, scale)));
    if (!face || text.empty())
        return;
    int w = 0, h = 0;
    SDL_Texture* t = text_texture(face, text, 0x000000, w, h);
    if (!t)
        return;
    int pad = 4;
    SDL_Rect box {x, y + 20, w + 2 * pad, h + 2 * pad};
    box.x = std::clamp(box.x, 0, std::max(0, output_w - box.w));
    if (box.y + box.h > output_h)
        box.y = std::max(0, y - box.h - 4);
    fill(box, 0x202020);
    fill(SDL_Rect {box.x + 1, box.y + 1, box.w - 2, box.h - 2}, 0xFFFFE1);
    SDL_Rect dst {box.x + pad, box.y + pad, w, h};
    SDL_RenderCopy(renderer_, t, nullptr, &dst);
}

} // namespace tk::sdl
