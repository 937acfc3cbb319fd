#include "toolkit/paint.h"

#include "toolkit/visitor.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

// One pass over the controls, back to front: each is drawn into every region it reaches,
// clipped to it. The regions do not overlap, so each pixel sees the order of a whole paint.
class RegionWalk final : public ControlVisitor {
public:
    RegionWalk(
        Canvas& canvas, LabelLayout& layout, const Viewport& view, const std::vector<PixelRect>& regions, Color back)
        : canvas_(canvas)
        , layout_(layout)
        , view_(view)
        , regions_(regions)
        , back_(back)
    {
    }

    void visit(std::string_view, int, Label& c) override
    {
        PixelRect area = c.Visible ? view_.rect(c.Left, c.Top, c.Width, c.Height) : PixelRect {};
        for (std::size_t i = 0; next(area, i); ++i)
            label(c, area, regions_[i]);
    }
    void visit(std::string_view, int, Shape& c) override
    {
        PixelRect area = c.Visible ? view_.rect(c.Left, c.Top, c.Width, c.Height) : PixelRect {};
        for (std::size_t i = 0; next(area, i); ++i)
            shape(c, area);
    }
    void visit(std::string_view, int, Line& c) override
    {
        PixelRect area = c.Visible ? line_area(c, view_) : PixelRect {};
        for (std::size_t i = 0; next(area, i); ++i)
            canvas_.line(view_.fx(c.X1), view_.fy(c.Y1), view_.fx(c.X2), view_.fy(c.Y2), c.BorderWidth * view_.scale,
                c.BorderColor);
    }
    void visit(std::string_view, int, Picture& c) override
    {
        PixelRect area = c.Visible ? view_.rect(c.Left, c.Top, c.Width, c.Height) : PixelRect {};
        for (std::size_t i = 0; next(area, i); ++i)
            canvas_.picture(c.Source, area, regions_[i]);
    }

private:
    // Moves i on to the next region that `area` reaches and clips the drawing to it.
    bool next(const PixelRect& area, std::size_t& i)
    {
        for (; i < regions_.size(); ++i) {
            if (!intersect(area, regions_[i]).empty()) {
                canvas_.clip(regions_[i]);
                return true;
            }
        }
        return false;
    }
    void label(const Label& c, const PixelRect& area, const PixelRect& region)
    {
        if (c.BackStyle == 1)
            canvas_.fill(area, c.BackColor);
        std::optional<LabelText> text = layout_.place(c, view_, back_);
        if (!text)
            return;
        PixelRect inside = intersect(text->clip, region);
        if (inside.empty())
            return;
        canvas_.clip(inside);
        for (const PlacedLine& line : text->lines)
            canvas_.text(text->font, text->pixels, line, text->color);
        canvas_.clip(region);
    }
    void shape(const Shape& c, const PixelRect& r)
    {
        if (c.BackStyle == 1)
            canvas_.fill(r, c.BackColor);
        int t = std::max(1, static_cast<int>(std::lround(c.BorderWidth * view_.scale)));
        t = std::min({t, r.w / 2 + 1, r.h / 2 + 1});
        canvas_.fill(PixelRect {r.x, r.y, r.w, t}, c.BorderColor);
        canvas_.fill(PixelRect {r.x, r.y + r.h - t, r.w, t}, c.BorderColor);
        canvas_.fill(PixelRect {r.x, r.y, t, r.h}, c.BorderColor);
        canvas_.fill(PixelRect {r.x + r.w - t, r.y, t, r.h}, c.BorderColor);
    }

    Canvas& canvas_;
    LabelLayout& layout_;
    const Viewport& view_;
    const std::vector<PixelRect>& regions_;
    Color back_;
};

} // namespace

void WindowPainter::paint(Form& form, const Viewport& view, const std::vector<PixelRect>& regions, Canvas& canvas)
{
    Color back = form.design().BackColor;
    for (const PixelRect& region : regions) {
        canvas.clip(region);
        canvas.fill(region, back);
    }
    RegionWalk walk(canvas, layout_, view, regions, back);
    form.visit_controls(walk);
    layout_.trim();
}

PixelRect WindowPainter::tooltip_area(const Tip& tip, int output_w, int output_h, double scale)
{
    std::optional<TooltipBox> box = tooltip_box(metrics_, tip.text, tip.x, tip.y, output_w, output_h, scale);
    return box ? box->frame : PixelRect {};
}

void WindowPainter::paint_tooltip(
    const Tip& tip, int output_w, int output_h, double scale, const std::vector<PixelRect>& regions, Canvas& canvas)
{
    std::optional<TooltipBox> box = tooltip_box(metrics_, tip.text, tip.x, tip.y, output_w, output_h, scale);
    if (!box)
        return;
    const PixelRect& f = box->frame;
    for (const PixelRect& region : regions) {
        if (intersect(f, region).empty())
            continue;
        canvas.clip(region);
        canvas.fill(f, kTooltipBorder);
        canvas.fill(PixelRect {f.x + 1, f.y + 1, f.w - 2, f.h - 2}, kTooltipBack);
        canvas.text(box->font, box->pixels, box->line, 0x000000);
    }
}

} // namespace tk
