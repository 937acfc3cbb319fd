// The text engine: UTF-8 as the questions are written, widths the word wrap can trust, and the
// bold of a family that has no bold file of its own.
#include "toolkit/sdl/face.h"

#include "toolkit/utf8.h"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>

namespace {

constexpr const char* kRegular = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
constexpr const char* kBold = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

TEST(FaceTest, Utf8DecodesAccentsAndTurnsBrokenBytesIntoReplacementCharacters)
{
    EXPECT_EQ(
        tk::decode_utf8("Città € È"), (std::vector<char32_t> {U'C', U'i', U't', U't', U'à', U' ', U'€', U' ', U'È'}));
    // A lone lead byte, a stray continuation, an overlong slash and a cut-off euro sign.
    EXPECT_EQ(tk::decode_utf8("a\xC3"), (std::vector<char32_t> {U'a', U'\uFFFD'}));
    EXPECT_EQ(tk::decode_utf8("\x80z"), (std::vector<char32_t> {U'\uFFFD', U'z'}));
    EXPECT_EQ(tk::decode_utf8("\xC0\xAF"), (std::vector<char32_t> {U'\uFFFD', U'\uFFFD'}));
    EXPECT_EQ(tk::decode_utf8("\xE2\x82"), (std::vector<char32_t> {U'\uFFFD', U'\uFFFD'}));
}

class FaceFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(kRegular) || !std::filesystem::exists(kBold))
            GTEST_SKIP() << "Liberation Sans is not installed";
        ASSERT_EQ(FT_Init_FreeType(&library), 0);
        regular_file = tk::sdl::FontFile::map(kRegular);
        bold_file = tk::sdl::FontFile::map(kBold);
        ASSERT_TRUE(regular_file && bold_file);
    }
    void TearDown() override
    {
        if (library)
            FT_Done_FreeType(library);
    }
    FT_Library library = nullptr;
    std::unique_ptr<tk::sdl::FontFile> regular_file, bold_file;
};

TEST_F(FaceFiles, TextIsDrawnInItsColourWithinTheWidthItIsMeasuredAt)
{
    auto face = tk::sdl::Face::open(library, *regular_file, 20, false, false);
    ASSERT_TRUE(face);
    EXPECT_GT(face->line_skip(), 0);
    EXPECT_GE(face->line_skip(), face->height());
    EXPECT_EQ(face->width(""), 0);
    // Blanks take room (an answer's leading blanks are part of how it looks) but leave no ink.
    EXPECT_GT(face->width("      "), face->width("   "));
    const std::string text = "Qual è lo Stato più piccolo?";
    int w = face->width(text), h = face->height();
    ASSERT_GT(w, 0);
    // A guard column right of the measured width must stay untouched.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>((w + 1) * h), 0xDEADBEEF);
    face->render(text, 0xFFC080, pixels.data(), (w + 1) * 4);
    int opaque = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y * (w + 1) + x)];
            EXPECT_EQ(p & 0xFFFFFF, 0xFFC080u);
            opaque += (p >> 24) == 0xFF;
        }
        EXPECT_EQ(pixels[static_cast<std::size_t>(y * (w + 1) + w)], 0xDEADBEEF);
    }
    EXPECT_GT(opaque, 50);
}

TEST_F(FaceFiles, ABoldAskedOfARegularFileIsMadeBoldAndABoldFileIsLeftAsItIs)
{
    auto regular = tk::sdl::Face::open(library, *regular_file, 20, false, false);
    auto made_bold = tk::sdl::Face::open(library, *regular_file, 20, true, false);
    auto bold = tk::sdl::Face::open(library, *bold_file, 20, false, false);
    auto bold_asked = tk::sdl::Face::open(library, *bold_file, 20, true, false);
    ASSERT_TRUE(regular && made_bold && bold && bold_asked);
    const std::string text = "GRAZIE PER AVER GIOCATO!";
    EXPECT_GT(made_bold->width(text), regular->width(text));
    EXPECT_EQ(bold_asked->width(text), bold->width(text));
    EXPECT_FALSE(tk::sdl::FontFile::map("/nonexistent.ttf"));
}

} // namespace
