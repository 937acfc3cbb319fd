// Where the text of a label goes: word wrap inside the label, the largest size up to its own
// that shows all of it, the lines aligned and centred as a block, dimmed when disabled. Every
// backend draws the lines it is given here, so a question wraps the same everywhere.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/geometry.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tk {

// How tall a face's lines are.
struct FaceMetrics {
    int height = 0; // from the top of the tallest letter to the bottom of the deepest descender
    int line_skip = 0; // from one line's top to the next one's
    int ascent = 0; // from the top of the tallest letter to the baseline
};

// What text layout needs to know of the fonts a backend draws with.
class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // A font at a pixel size, or nothing when there is no usable face for it.
    virtual std::optional<FaceMetrics> face(const Typeface& font, int pixels) = 0;
    // The width of a line of UTF-8 text in that face, in pixels.
    virtual int width(const Typeface& font, int pixels, std::string_view text) = 0;
};

// Pixel size of a point size at a scale (96 dpi at scale 1).
int font_pixels(double points, double scale);

// How a caption wraps: its lines at the largest size up to the label's own that shows all of it.
struct TextLayout {
    int pixels = 0;
    int nominal = 0;
    std::vector<std::string> lines;
    bool fits = true; // false only when even the smallest size cannot show it all
};

TextLayout layout_text(FontMetrics& metrics, const Label& label, double scale);

// A label's text as a backend draws it: each line at its place, in one face and colour, clipped
// to the label.
struct PlacedLine {
    std::string_view text; // the layout's own copy: valid until the layouts are trimmed
    int x = 0, y = 0; // the top left of the line's box, in output pixels
    int width = 0;
};
struct LabelText {
    Typeface font;
    int pixels = 0;
    Color color = 0;
    PixelRect clip;
    std::vector<PlacedLine> lines;
};

// Lays out labels and keeps what it laid out: the same caption in the same box is wrapped once.
class LabelLayout {
public:
    explicit LabelLayout(FontMetrics& metrics)
        : metrics_(metrics)
    {
    }
    // The label's text on a window drawn with `view` on a background of `form_back`; nothing when
    // the caption shows no text or no font can draw it.
    std::optional<LabelText> place(const Label& label, const Viewport& view, Color form_back);
    // Forgets the layouts when they have grown past a few screens' worth.
    void trim();

private:
    const TextLayout& layout(const Label& label, double scale);
    FontMetrics& metrics_;
    std::unordered_map<std::string, TextLayout> cache_;
};

// The tooltip's box near a point of an output: below the pointer, kept inside the output.
struct TooltipBox {
    PixelRect frame; // the dark border; inside it the pale box
    PlacedLine line;
    Typeface font;
    int pixels = 0;
};
std::optional<TooltipBox> tooltip_box(
    FontMetrics& metrics, const std::string& text, int x, int y, int output_w, int output_h, double scale);
inline constexpr Typeface kTooltipFont {"MS Sans Serif", 9, false};
inline constexpr Color kTooltipBorder = 0x202020;
inline constexpr Color kTooltipBack = 0xFFFFE1;

} // namespace tk
