// Twips and pixels: where a window's client area lies on its output, how big a window opens,
// where it opens, and which scale suits the screen. The same rules for every backend.
#pragma once

#include "toolkit/form.h"

#include <vector>

namespace tk {

// 1440 twips an inch at 96 pixels an inch: fifteen twips are one pixel at scale 1.
inline constexpr double kTwipsPerPixel = 15.0;

// Twips to pixels at a scale, rounded to the nearest pixel.
int to_pixels(int twips, double scale);

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const PixelRect&) const = default;
};

// The part two rectangles share (empty when they share none).
PixelRect intersect(const PixelRect& a, const PixelRect& b);
// The smallest rectangle that holds both; an empty one adds nothing.
PixelRect unite(const PixelRect& a, const PixelRect& b);

// What to draw again in an output for the rectangles whose look changed: each kept to the
// output, those that overlap joined into one, and the whole output instead where they are many
// or cover most of it. A region that reaches into one of the `uncut` areas takes all of it in:
// a slanting line cut short by a region's edge would be stepped from a different end and light
// other pixels than when drawn whole.
std::vector<PixelRect> regions_to_redraw(
    const std::vector<PixelRect>& changed, const PixelRect& output, const std::vector<PixelRect>& uncut = {});

// Where the client area lies in an output of pixels: scaled by one factor, shifted by the bars
// of a letterbox.
struct Viewport {
    double scale = 1.0;
    int x = 0, y = 0;
    int px(int twips) const;
    int py(int twips) const;
    PixelRect rect(int left, int top, int width, int height) const;
    // The same in fractions of a pixel, for lines.
    double fx(int twips) const;
    double fy(int twips) const;
    // From a pixel of the output back to twips of the client area.
    int twips_x(int pixel) const;
    int twips_y(int pixel) const;
    bool operator==(const Viewport&) const = default;
};

// The pixels a line may touch, its thickness and the rasteriser's rounding included.
PixelRect line_area(const Line& line, const Viewport& view);
// Whether a line runs neither across nor down, so that a region's edge may not cut it.
bool slanting(const Line& line);

// The client area scaled to fit an output of w x h pixels whole, centred: a resized window
// shows the whole board with bars of its background colour.
Viewport fit(const FormDesign& design, int w, int h);

// Whether a point in twips lies on the client area (not on the bars around it).
bool on_client(const FormDesign& design, int x, int y);

// A window's client size in pixels at a scale.
PixelRect client_size(const FormDesign& design, double scale);

// Where a window opens on a screen whose usable area is `usable`: centred, or over its owner
// (at `owner`, with the owner's viewport) at the design's height, kept on the screen.
PixelRect placement(const FormDesign& design, int w, int h, const PixelRect& usable, const PixelRect* owner,
    const Viewport* owner_view);

// The largest client area among the windows, in pixels at scale 1 (each side on its own): one
// scale for every window is chosen so that this fits.
struct BoardSize {
    double w = 1, h = 1;
};
BoardSize largest_client(const std::vector<Form*>& forms);

// One scale for every window: the display's pixel density, made smaller where the largest
// window would not fit the screen and larger where it would look like a stamp.
double choose_scale(const std::vector<Form*>& forms, const PixelRect& usable, double density);

} // namespace tk
