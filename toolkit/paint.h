// Drawing a window for every backend: which controls reach into which region, in what order,
// clipped to what, and where a label's text and a tooltip go. A backend's canvas only fills,
// clips and draws the pieces it is handed, so a window looks the same on the desktop and in a page.
#pragma once

#include "toolkit/driver.h"
#include "toolkit/form.h"
#include "toolkit/geometry.h"
#include "toolkit/text_layout.h"

#include <vector>

namespace tk {

// What a backend draws with.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Nothing is drawn outside r until the next clip.
    virtual void clip(const PixelRect& r) = 0;
    virtual void fill(const PixelRect& r, Color color) = 0;
    // One line of a label's text, with the top left of its box at (line.x, line.y).
    virtual void text(const Typeface& font, int pixels, const PlacedLine& line, Color color) = 0;
    // A line between two points in fractions of a pixel, `width` pixels thick.
    virtual void line(double x1, double y1, double x2, double y2, double width, Color color) = 0;
    // A picture stretched over `at`; only what lies in `region` needs drawing.
    virtual void picture(std::string_view source, const PixelRect& at, const PixelRect& region) = 0;
};

class WindowPainter {
public:
    explicit WindowPainter(FontMetrics& metrics)
        : metrics_(metrics)
        , layout_(metrics)
    {
    }

    // Within each region (the regions do not overlap): its background, then every visible
    // control that reaches into it, back to front, clipped to it. The pixels are those a whole
    // paint gives there.
    void paint(Form& form, const Viewport& view, const std::vector<PixelRect>& regions, Canvas& canvas);
    // Where a tooltip box near a point of the window goes, and the box drawn over each region it
    // reaches into.
    PixelRect tooltip_area(const Tip& tip, int output_w, int output_h, double scale);
    void paint_tooltip(const Tip& tip, int output_w, int output_h, double scale, const std::vector<PixelRect>& regions,
        Canvas& canvas);

private:
    FontMetrics& metrics_;
    LabelLayout layout_;
};

} // namespace tk
