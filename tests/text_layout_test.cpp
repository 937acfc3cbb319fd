// Where a label's text goes, measured with a made-up font whose letters are half as wide as the
// face is tall: wrapping, shrinking to fit, alignment and centring, dimmed text.
#include "toolkit/text_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct HalfWidthFont final : tk::FontMetrics {
    std::optional<tk::FaceMetrics> face(const tk::Typeface&, int pixels) override
    {
        return tk::FaceMetrics {pixels, pixels + 2};
    }
    int width(const tk::Typeface&, int pixels, std::string_view text) override
    {
        return static_cast<int>(std::ceil(static_cast<double>(text.size()) * pixels / 2));
    }
};

// A label 100 pixels wide at scale 1 whose font is 10 pixels: twenty letters a line.
tk::Label label(std::string caption, int height_px = 100)
{
    tk::Label l {.Left = 150, .Top = 300, .Width = 1500, .Height = height_px * 15, .Caption = std::move(caption)};
    l.Font.Size = 7.5;
    return l;
}

TEST(TextLayoutTest, WrapsAtWordBreaksAndShrinksOnlyWhatWouldNotFit)
{
    HalfWidthFont font;
    tk::TextLayout two = tk::layout_text(font, label("aaaa bbbb cccc dddd eeee"), 1.0);
    EXPECT_EQ(two.lines, (std::vector<std::string> {"aaaa bbbb cccc dddd", "eeee"}));
    EXPECT_EQ(two.pixels, 10);
    EXPECT_TRUE(two.fits);
    // The same text in a box one line high: the largest size that shows it whole on one line.
    tk::TextLayout one = tk::layout_text(font, label("aaaa bbbb cccc dddd eeee", 14), 1.0);
    EXPECT_EQ(one.lines, (std::vector<std::string> {"aaaa bbbb cccc dddd eeee"}));
    EXPECT_EQ(one.pixels, 8);
    // A word wider than the box is never cut: it stays whole and the size shrinks.
    tk::TextLayout word = tk::layout_text(font, label("abcdefghijklmnopqrstuvwxyz"), 1.0);
    EXPECT_EQ(word.lines, (std::vector<std::string> {"abcdefghijklmnopqrstuvwxyz"}));
    EXPECT_EQ(word.pixels, 7);
    EXPECT_TRUE(word.fits);
    // The blanks in front of an answer stay where they are, wrapped or not.
    EXPECT_EQ(tk::layout_text(font, label("      Parigi"), 1.0).lines, (std::vector<std::string> {"      Parigi"}));
    EXPECT_FALSE(tk::layout_text(font, label(std::string(200, 'x'), 6), 1.0).fits);
}

TEST(TextLayoutTest, LinesAreAlignedCentredAsABlockAndDimmedWhenDisabled)
{
    HalfWidthFont font;
    tk::LabelLayout layout(font);
    tk::Viewport view {1.0, 10, 20};
    tk::Label l = label("aaaa bbbb cccc dddd eeee");
    l.ForeColor = 0xFFFFFF;
    l.BackColor = 0x000000;
    auto left = layout.place(l, view, 0x000040);
    ASSERT_TRUE(left);
    // The label is at (10 + 10, 20 + 20), 100 x 100; two lines of 10 pixels, 12 apart: a block
    // of 22 pixels, centred.
    EXPECT_EQ(left->clip.x, 20);
    EXPECT_EQ(left->clip.y, 40);
    ASSERT_EQ(left->lines.size(), 2u);
    EXPECT_EQ(left->lines[0].x, 20);
    EXPECT_EQ(left->lines[0].y, 40 + (100 - 22) / 2);
    EXPECT_EQ(left->lines[1].y, left->lines[0].y + 12);
    EXPECT_EQ(left->color, 0xFFFFFFu);
    l.Alignment = tk::Align::Center;
    EXPECT_EQ(layout.place(l, view, 0x000040)->lines[1].x, 20 + (100 - 20) / 2);
    l.Alignment = tk::Align::Right;
    EXPECT_EQ(layout.place(l, view, 0x000040)->lines[1].x, 20 + 100 - 20);
    // Disabled text is dimmed towards what lies behind it: the label's own colour when opaque,
    // the window's when transparent.
    l.Enabled = false;
    EXPECT_EQ(layout.place(l, view, 0x000040)->color, 0x7F7F7Fu);
    l.BackStyle = 0;
    EXPECT_EQ(layout.place(l, view, 0x000040)->color, 0x7F7F9Fu);
    l.Caption = "      ";
    EXPECT_FALSE(layout.place(l, view, 0x000040));
}

} // namespace
