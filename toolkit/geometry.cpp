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

PixelRect intersect(const PixelRect& a, const PixelRect& b)
{
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    return x1 > x0 && y1 > y0 ? PixelRect {x0, y0, x1 - x0, y1 - y0} : PixelRect {};
}

PixelRect unite(const PixelRect& a, const PixelRect& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return PixelRect {x0, y0, x1 - x0, y1 - y0};
}

namespace {

// Joins every two regions that overlap, until none do.
void join(std::vector<PixelRect>& regions)
{
    for (std::size_t i = 0; i < regions.size(); ++i) {
        for (std::size_t j = i + 1; j < regions.size(); ++j) {
            if (!intersect(regions[i], regions[j]).empty()) {
                regions[i] = unite(regions[i], regions[j]);
                regions.erase(regions.begin() + static_cast<std::ptrdiff_t>(j));
                j = i; // the grown region may now overlap one already passed
            }
        }
    }
}

} // namespace

std::vector<PixelRect> regions_to_redraw(
    const std::vector<PixelRect>& changed, const PixelRect& output, const std::vector<PixelRect>& uncut)
{
    constexpr std::size_t kMostRegions = 8; // beyond this, one pass over the window costs less
    std::vector<PixelRect> regions;
    for (const PixelRect& c : changed)
        if (PixelRect r = intersect(c, output); !r.empty())
            regions.push_back(r);
    for (bool grown = true; grown;) {
        join(regions);
        grown = false;
        for (PixelRect& r : regions) {
            for (const PixelRect& u : uncut) {
                PixelRect area = intersect(u, output);
                if (!intersect(r, area).empty() && unite(r, area) != r) {
                    r = unite(r, area);
                    grown = true;
                }
            }
        }
    }
    long long area = 0;
    for (const PixelRect& r : regions)
        area += static_cast<long long>(r.w) * r.h;
    if (regions.size() > kMostRegions || 2 * area > static_cast<long long>(output.w) * output.h)
        return {output};
    return regions;
}

bool slanting(const Line& line)
{
    return line.X1 != line.X2 && line.Y1 != line.Y2;
}

PixelRect line_area(const Line& line, const Viewport& view)
{
    double x0 = std::min(view.fx(line.X1), view.fx(line.X2)), x1 = std::max(view.fx(line.X1), view.fx(line.X2));
    double y0 = std::min(view.fy(line.Y1), view.fy(line.Y2)), y1 = std::max(view.fy(line.Y1), view.fy(line.Y2));
    double pad = line.BorderWidth * view.scale / 2 + 2;
    int left = static_cast<int>(std::floor(x0 - pad)), top = static_cast<int>(std::floor(y0 - pad));
    return PixelRect {
        left, top, static_cast<int>(std::ceil(x1 + pad)) - left, static_cast<int>(std::ceil(y1 + pad)) - top};
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

BoardSize largest_client(const std::vector<Form*>& forms)
{
    BoardSize board;
    for (const Form* f : forms) {
        board.w = std::max(board.w, f->design().ClientWidth / kTwipsPerPixel);
        board.h = std::max(board.h, f->design().ClientHeight / kTwipsPerPixel);
    }
    return board;
}

double choose_scale(const std::vector<Form*>& forms, const PixelRect& usable, double density)
{
    const auto [board_w, board_h] = largest_client(forms);
    double scale = std::max(1.0, density);
    while ((scale + 1) * board_h <= 0.8 * usable.h && (scale + 1) * board_w <= 0.9 * usable.w)
        scale += 1;
    double fitting = std::min((usable.w - 16) / board_w, (usable.h - 48) / board_h);
    return std::max(0.25, std::min(scale, fitting));
}

} // namespace tk
