// The browser's font tables against FreeType itself: every text the game shows wraps and shrinks
// the same at every scale, single letters and pairs measure the same at every size, every
// letter the game needs is covered, and each typeface gets the desktop's face.
#include "game/bank/bank.h"
#include "game/form1.h"
#include "tests/support.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/utf8.h"
#include "toolkit/visitor.h"
#include "toolkit/web/font_table.h"
#include "tools/sim/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace {

// The faces of the game's typefaces (the point size does not choose the face).
const std::vector<tk::Typeface> kFaces = {
    {"MS Sans Serif", 13.5, false},
    {"MS Sans Serif", 13.5, true},
    {"Times New Roman", 17.25, true},
    {"Bermuda Solid", 21.75, true, true},
};

// Every label a game shows, once per caption, box and font, with the tooltips' texts: the
// built-in questions and answers in the board's boxes, and every window of a game played from
// the logo to the goodbye screen, looked at after each step.
struct Texts {
    std::vector<tk::Label> labels;
    std::set<std::string> tooltips;
};

const Texts& game_texts()
{
    static const Texts texts = [] {
        Texts t;
        std::set<std::tuple<std::string, std::string, double, bool, bool, int, int>> seen;
        auto add = [&](const tk::Label& l) {
            if (l.Caption.empty())
                return;
            if (seen.emplace(
                        l.Caption, std::string(l.Font.Name), l.Font.Size, l.Font.Bold, l.Font.Italic, l.Width, l.Height)
                    .second)
                t.labels.push_back(l);
        };
        const BoardControls board;
        for (const bank::Pool& pool : bank::built_in().levels)
            for (const bank::Question& q : pool) {
                tk::Label question = board.Label2;
                question.Caption = q.domanda;
                add(question);
                for (const std::string* a : {&q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]}) {
                    tk::Label answer = board.Label3(0);
                    answer.Caption = std::string(bank::kAnswerBlanks) + *a;
                    add(answer);
                }
            }
        struct V final : tk::ControlVisitor {
            std::function<void(const tk::Label&)> add;
            std::set<std::string>* tooltips;
            void visit(std::string_view, int, tk::Label& c) override
            {
                add(c);
                if (!c.ToolTipText.empty())
                    tooltips->insert(c.ToolTipText);
            }
            void visit(std::string_view, int, tk::Shape&) override { }
            void visit(std::string_view, int, tk::Line&) override { }
            void visit(std::string_view, int, tk::Picture& c) override
            {
                if (!c.ToolTipText.empty())
                    tooltips->insert(c.ToolTipText);
            }
        } v;
        v.add = add;
        v.tooltips = &t.tooltips;
        const std::vector<std::string> steps = {"wait 900", "click Form1.Image1", "until Form1.Timer6.Enabled=true",
            "click Form1.Image3", "until Form4.Timer1.Enabled=false", "click Form4.Label2", "click Form1.Image4",
            "until Form5.Timer1.Enabled=false", "click Form5.Label10", "click Form1.Label6(0)",
            "until Form6.Timer1.Enabled=false", "click Form6.Label2(1)", "click Form1.Label5",
            "until Form2.Timer1.Enabled=false", "click Form2.Label2", "until Form3.Label4.Visible=true",
            "until Form3.Label5(31).Visible=true", "wait 30000"};
        sim::Simulation s(12 * 3600);
        auto look = [&] {
            for (tk::Form* form : s.runtime().forms())
                if (form->loaded())
                    form->visit_controls(v);
        };
        for (const std::string& step : steps) {
            EXPECT_EQ(sim::run_steps(s, {step}), 0) << step;
            look();
            // What changes while the windows play on by themselves (the poll's bars, the
            // goodbye screen's letters) is seen at every tick of the next second.
            s.until(
                [&] {
                    look();
                    return false;
                },
                1000);
        }
        return t;
    }();
    return texts;
}

std::vector<double> scales()
{
    std::vector<double> out;
    for (int i = 0; i < 20; ++i)
        out.push_back(0.35 + i * (4.0 - 0.35) / 19);
    return out;
}

TEST(FontTableTest, EveryTextOfTheGameWrapsAndShrinksAsOnTheDesktopAtEveryScale)
{
    const Texts& texts = game_texts();
    ASSERT_GT(texts.labels.size(), 400u);
    tk::sdl::Fonts desktop;
    tk::FontTable table;
    int compared = 0;
    for (const tk::Label& label : texts.labels) {
        for (double scale : scales()) {
            tk::TextLayout want = tk::layout_text(desktop, label, scale);
            tk::TextLayout got = tk::layout_text(table, label, scale);
            ASSERT_EQ(got.pixels, want.pixels) << "\"" << label.Caption << "\" at scale " << scale;
            ASSERT_EQ(got.lines, want.lines) << "\"" << label.Caption << "\" at scale " << scale;
            EXPECT_EQ(got.fits, want.fits) << "\"" << label.Caption << "\" at scale " << scale;
            EXPECT_EQ(table.face(label.Font, got.pixels)->line_skip, desktop.face(label.Font, got.pixels)->line_skip);
            for (const std::string& line : got.lines)
                ASSERT_EQ(table.width(label.Font, got.pixels, line), desktop.width(label.Font, got.pixels, line))
                    << "\"" << line << "\" at " << got.pixels << " px";
            ++compared;
        }
    }
    for (const std::string& tip : texts.tooltips)
        for (double scale : scales()) {
            int px = tk::font_pixels(tk::kTooltipFont.Size, std::max(1.0, scale));
            EXPECT_EQ(table.width(tk::kTooltipFont, px, tip), desktop.width(tk::kTooltipFont, px, tip)) << tip;
        }
    EXPECT_GT(compared, 8000);
}

TEST(FontTableTest, LettersAndPairsMeasureAsFreeTypeAtEverySize)
{
    tk::sdl::Fonts desktop;
    tk::FontTable table;
    for (const tk::Typeface& font : kFaces) {
        SCOPED_TRACE(font.Name);
        const tk::font_data::FaceData* data = nullptr;
        for (int i = 0; i < tk::font_data::kFaceCount; ++i)
            if (tk::font_data::kFaces[i].file == tk::FontTable::file(font))
                data = &tk::font_data::kFaces[i];
        ASSERT_TRUE(data);
        std::vector<std::string> letters;
        for (char16_t cp : data->code_points)
            tk::append_utf8(letters.emplace_back(), cp);
        // Every kerned pair, a spread of the others, and code points the tables leave out: one
        // the font lacks (drawn as .notdef on the desktop), a malformed byte.
        std::vector<std::string> pairs;
        for (std::size_t l = 0; l < letters.size(); ++l) {
            for (std::size_t k = data->kern_starts[l]; k < data->kern_starts[l + 1]; ++k)
                pairs.push_back(letters[l] + letters[data->kern_rights[k]]);
            for (std::size_t r = l % 13; r < letters.size(); r += 13)
                pairs.push_back(letters[l] + letters[r]);
        }
        pairs.insert(pairs.end(),
            {"A\xE4\xB8\xAD"
             "B",
                "\xE4\xB8\xAD\xE4\xB8\xAD", "a\xFFz", "Tu\xC3",
                "L'AVV\xC3\x80"
                "Y fa 50:50 \xE2\x82\xAC 1.000.000"});
        for (int px = 1; px <= 120; ++px) {
            std::optional<tk::FaceMetrics> want = desktop.face(font, px);
            ASSERT_TRUE(want);
            std::optional<tk::FaceMetrics> got = table.face(font, px);
            ASSERT_TRUE(got);
            ASSERT_EQ(got->height, want->height) << px << " px";
            ASSERT_EQ(got->line_skip, want->line_skip) << px << " px";
            ASSERT_EQ(got->ascent, want->ascent) << px << " px";
            for (const std::vector<std::string>* texts : {&letters, &pairs})
                for (const std::string& text : *texts)
                    ASSERT_EQ(table.width(font, px, text), desktop.width(font, px, text))
                        << "\"" << text << "\" at " << px << " px";
        }
        // A letter the font has but the tables leave out measures as a letter of the face.
        int a = desktop.width(font, 40, "\xC4\x80"); // U+0100
        int b = table.width(font, 40, "\xC4\x80");
        EXPECT_GT(b, a / 2);
        EXPECT_LT(b, a * 2);
        EXPECT_EQ(table
                      .positions(font, 40,
                          "a\xC4\x80"
                          "b")
                      .size(),
            3u);
    }
}

TEST(FontTableTest, EveryLetterOfTheGameIsCovered)
{
    const Texts& texts = game_texts();
    tk::FontTable table;
    auto code_points = [](std::string_view s) {
        std::vector<char32_t> out;
        for (char32_t cp : tk::decode_utf8(s))
            if (cp >= 0x20)
                out.push_back(cp);
        return out;
    };
    // The whole built-in pack, comments included, in the board's face.
    for (char32_t cp : code_points(bank::built_in_text()))
        EXPECT_TRUE(table.covers(tk::Typeface {"MS Sans Serif", 13.5, false}, cp))
            << std::hex << static_cast<std::uint32_t>(cp);
    for (const tk::Label& label : texts.labels)
        for (char32_t cp : code_points(label.Caption))
            EXPECT_TRUE(table.covers(label.Font, cp))
                << std::hex << static_cast<std::uint32_t>(cp) << " of \"" << label.Caption << "\"";
    for (const std::string& tip : texts.tooltips)
        for (char32_t cp : code_points(tip))
            EXPECT_TRUE(table.covers(tk::kTooltipFont, cp))
                << std::hex << static_cast<std::uint32_t>(cp) << " of \"" << tip << "\"";
    for (const tk::Typeface& font : kFaces)
        for (char32_t cp = 0x20; cp < 0x7F; ++cp)
            EXPECT_TRUE(table.covers(font, cp)) << font.Name << " " << std::hex << static_cast<std::uint32_t>(cp);
}

// The desktop's face is the very file the tables were made from (Debian installs Lobster Two
// Bold Italic as a link to fonts-lobster's lobster.otf, which fontconfig reports).
TEST(FontTableTest, EachTypefaceGetsTheDesktopsFace)
{
    auto source = [](const tk::Typeface& font) {
        for (int i = 0; i < tk::font_data::kFaceCount; ++i)
            if (tk::font_data::kFaces[i].file == tk::FontTable::file(font))
                return std::string(tk::font_data::kFaces[i].source);
        return std::string();
    };
    auto same = [](const std::string& a, const std::string& b) {
        std::error_code error;
        return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error);
    };
    tk::sdl::Fonts desktop;
    std::set<std::string_view> families;
    for (const tk::Typeface& font : kFaces) {
        EXPECT_TRUE(same(source(font), desktop.file_for(font)))
            << font.Name << ": " << source(font) << " but the desktop draws " << desktop.file_for(font);
        families.insert(tk::FontTable::family(font));
    }
    EXPECT_EQ(families.size(), kFaces.size());
    // The game's own typefaces, in every size it uses, are among those.
    for (const tk::Label& label : game_texts().labels)
        EXPECT_TRUE(same(source(label.Font), desktop.file_for(label.Font))) << label.Caption;
}

} // namespace
