#include "toolkit/text_layout.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

Color mix(Color a, Color b)
{
    auto ch = [&](int shift) { return ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift; };
    return ch(16) | ch(8) | ch(0);
}

bool blank(const std::string& s)
{
    return s.find_first_not_of(' ') == std::string::npos;
}

// Greedy word wrap that keeps every blank of the caption: the leading blanks of an answer and
// the inner blanks of a rung are part of how it looks. A word wider than the box stays whole on
// a line of its own, where the size check sees it.
std::vector<std::string> wrap(
    FontMetrics& metrics, const Typeface& font, int pixels, const std::string& text, int width)
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
            if (word.empty() || metrics.width(font, pixels, candidate) <= width || blank(current))
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

int line_width(FontMetrics& metrics, const Typeface& font, int pixels, const std::string& line)
{
    return line.empty() ? 0 : metrics.width(font, pixels, line);
}

} // namespace

int font_pixels(double points, double scale)
{
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale)));
}

TextLayout layout_text(FontMetrics& metrics, const Label& label, double scale)
{
    TextLayout out;
    out.nominal = font_pixels(label.Font.Size, scale);
    out.pixels = out.nominal;
    if (label.Caption.empty())
        return out;
    int width = std::max(1, to_pixels(label.Width, scale));
    int height = std::max(1, to_pixels(label.Height, scale));
    int smallest = std::max(4, static_cast<int>(std::lround(6 * scale)));
    for (int px = out.nominal; px >= smallest; --px) {
        std::optional<FaceMetrics> face = metrics.face(label.Font, px);
        if (!face) {
            out.lines = {label.Caption};
            return out;
        }
        std::vector<std::string> lines = wrap(metrics, label.Font, px, label.Caption, width);
        int widest = 0;
        for (const std::string& l : lines)
            widest = std::max(widest, line_width(metrics, label.Font, px, l));
        // A line's height is the face's ascent to descent; a label may lend its last line an
        // eighth of its height for the descenders, which capitals and most letters never use.
        int need = static_cast<int>(lines.size() - 1) * face->line_skip + face->height;
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

const TextLayout& LabelLayout::layout(const Label& label, double scale)
{
    std::string key = std::to_string(label.Width) + "x" + std::to_string(label.Height) + ":" + std::to_string(scale)
        + ":" + std::string(label.Font.Name) + std::to_string(label.Font.Size) + (label.Font.Bold ? "b" : "")
        + (label.Font.Italic ? "i" : "") + ":" + label.Caption;
    auto it = cache_.find(key);
    if (it == cache_.end())
        it = cache_.emplace(std::move(key), layout_text(metrics_, label, scale)).first;
    return it->second;
}

std::optional<LabelText> LabelLayout::place(const Label& label, const Viewport& view, Color form_back)
{
    if (label.Caption.empty() || blank(label.Caption))
        return std::nullopt;
    const TextLayout& layout = this->layout(label, view.scale);
    std::optional<FaceMetrics> face = metrics_.face(label.Font, layout.pixels);
    if (!face)
        return std::nullopt;
    LabelText out;
    out.font = label.Font;
    out.pixels = layout.pixels;
    // Disabled text is drawn dimmed towards what lies behind it.
    out.color
        = label.Enabled ? label.ForeColor : mix(label.ForeColor, label.BackStyle == 1 ? label.BackColor : form_back);
    out.clip = view.rect(label.Left, label.Top, label.Width, label.Height);
    const PixelRect& r = out.clip;
    int block = static_cast<int>(layout.lines.size() - 1) * face->line_skip + face->height;
    int y = r.y + (r.h - block) / 2;
    for (const std::string& text : layout.lines) {
        if (!text.empty()) {
            int w = metrics_.width(label.Font, layout.pixels, text);
            int x = r.x;
            if (label.Alignment == Align::Center)
                x = r.x + (r.w - w) / 2;
            else if (label.Alignment == Align::Right)
                x = r.x + r.w - w;
            out.lines.push_back(PlacedLine {text, x, y, w});
        }
        y += face->line_skip;
    }
    return out;
}

void LabelLayout::trim()
{
    if (cache_.size() > 600)
        cache_.clear();
}

std::optional<TooltipBox> tooltip_box(
    FontMetrics& metrics, const std::string& text, int x, int y, int output_w, int output_h, double scale)
{
    TooltipBox tip;
    tip.font = kTooltipFont;
    tip.pixels = font_pixels(9, std::max(1.0, scale));
    std::optional<FaceMetrics> face = metrics.face(tip.font, tip.pixels);
    if (!face || text.empty())
        return std::nullopt;
    int w = metrics.width(tip.font, tip.pixels, text);
    int h = face->height;
    if (w <= 0 || h <= 0)
        return std::nullopt;
    constexpr int kPad = 4;
    PixelRect box {x, y + 20, w + 2 * kPad, h + 2 * kPad};
    box.x = std::clamp(box.x, 0, std::max(0, output_w - box.w));
    if (box.y + box.h > output_h)
        box.y = std::max(0, y - box.h - 4);
    tip.frame = box;
    tip.line = PlacedLine {text, box.x + kPad, box.y + kPad, w};
    return tip;
}

} // namespace tk
