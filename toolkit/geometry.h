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
};

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
};

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

// One scale for every window: the display's pixel density, made smaller where the largest
// window would not fit the screen and larger where it would look like a stamp.
double choose_scale(const std::vector<Form*>& forms, const PixelRect& usable, double density);

} // namespace tk
