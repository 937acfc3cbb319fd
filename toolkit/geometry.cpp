#include "toolkit/geometry.h"

#include <algorithm>
#include <cmath>

namespace tk {

int to_pixels(int twips, double scale)
{
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

int Viewport::px(int twips) const
{
    return x + to_pixels(twips, scale);
}

int Viewport::py(int twips) const
{
    return y + to_pixels(twips, scale);
}

double Viewport::fx(int twips) const
{
    return x + twips * scale / kTwipsPerPixel;
}

double Viewport::fy(int twips) const
{
    return y + twips * scale / kTwipsPerPixel;
}

PixelRect Viewport::rect(int left, int top, int width, int height) const
{
    int x0 = px(left), y0 = py(top);
    return PixelRect {x0, y0, px(left + width) - x0, py(top + height) - y0};
}

int Viewport::twips_x(int pixel) const
{
    return static_cast<int>(std::floor((pixel - x) * kTwipsPerPixel / scale));
}

int Viewport::twips_y(int pixel) const
{
    return static_cast<int>(std::floor((pixel - y) * kTwipsPerPixel / scale));
}

Viewport fit(const FormDesign& design, int w, int h)
{
    double cw = design.ClientWidth / kTwipsPerPixel, ch = design.ClientHeight / kTwipsPerPixel;
    double s = std::min(w / cw, h / ch);
    return Viewport {
        s, static_cast<int>(std::lround((w - cw * s) / 2)), static_cast<int>(std::lround((h - ch * s) / 2))};
}

bool on_client(const FormDesign& design, int x, int y)
{
    return x >= 0 && y >= 0 && x < design.ClientWidth && y < design.ClientHeight;
}

PixelRect client_size(const FormDesign& design, double scale)
{
    return PixelRect {0, 0, to_pixels(design.ClientWidth, scale), to_pixels(design.ClientHeight, scale)};
}

PixelRect placement(
    const FormDesign& design, int w, int h, const PixelRect& usable, const PixelRect* owner, const Viewport* owner_view)
{
    PixelRect r {usable.x + (usable.w - w) / 2, usable.y + (usable.h - h) / 2, w, h};
    if (design.placement == Placement::OverOwner && owner && owner_view) {
        r.x = owner->x + (owner->w - w) / 2;
        r.y = owner->y + owner_view->py(design.top_over_owner);
        // Kept on the screen, clear of a panel along its top.
        r.x = std::clamp(r.x, usable.x, std::max(usable.x, usable.x + usable.w - w));
        r.y = std::clamp(r.y, usable.y + 24, std::max(usable.y + 24, usable.y + usable.h - h));
    }
    return r;
}

double choose_scale(const std::vector<Form*>& forms, const PixelRect& usable, double density)
{
    double board_w = 1, board_h = 1;
    for (const Form* f : forms) {
        board_w = std::max(board_w, f->design().ClientWidth / kTwipsPerPixel);
        board_h = std::max(board_h, f->design().ClientHeight / kTwipsPerPixel);
    }
    double scale = std::max(1.0, density);
    while ((scale + 1) * board_h <= 0.8 * usable.h && (scale + 1) * board_w <= 0.9 * usable.w)
        scale += 1;
    double fitting = std::min((usable.w - 16) / board_w, (usable.h - 48) / board_h);
    return std::max(0.25, std::min(scale, fitting));
}

} // namespace tk
