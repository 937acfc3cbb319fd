// A machine without the game's fonts: fontconfig is told to offer one face alone (DejaVu Sans),
// and a whole game still plays and shows every text of every window. The fonts are looked up
// once per process, so the game runs in a simulate process of its own, which writes snapshots;
// the test plays the same steps here to know what each window shows, and finds every caption's
// ink in the pictures.
#include "tests/support.h"
#include "toolkit/sdl/snapshot.h"
#include "toolkit/visitor.h"
#include "tools/sim/commands.h"

#include <gtest/gtest.h>

#include <SDL2/SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr const char* kOnlyFace = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A fontconfig setup that knows one file and nothing else.
std::string write_font_config(const fs::path& dir)
{
    fs::create_directories(dir / "cache");
    fs::path conf = dir / "fonts.conf";
    std::ofstream out(conf);
    out << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
        << "  <dir>" << fs::path(kOnlyFace).parent_path().string() << "</dir>\n"
        << "  <cachedir>" << (dir / "cache").string() << "</cachedir>\n"
        << "  <selectfont>\n    <acceptfont><glob>" << kOnlyFace << "</glob></acceptfont>\n"
        << "    <rejectfont><glob>*</glob></rejectfont>\n  </selectfont>\n</fontconfig>\n";
    return conf.string();
}

std::string shell_word(const std::string& s)
{
    return "'" + s + "'";
}

// Pixels of a label's rectangle close to its text colour, a margin in from its edges (where
// frames are drawn).
int ink(SDL_Surface* picture, const tk::Label& label)
{
    int count = 0;
    int r = label.ForeColor >> 16 & 0xFF, g = label.ForeColor >> 8 & 0xFF, b = label.ForeColor & 0xFF;
    for (int y = label.Top / 15 + 3; y < (label.Top + label.Height) / 15 - 3; ++y)
        for (int x = label.Left / 15 + 3; x < (label.Left + label.Width) / 15 - 3; ++x) {
            tk::Color c = tk::sdl::pixel(picture, x, y);
            int d = std::abs(int(c >> 16 & 0xFF) - r) + std::abs(int(c >> 8 & 0xFF) - g) + std::abs(int(c & 0xFF) - b);
            count += d < 120 ? 1 : 0;
        }
    return count;
}

// Every visible label with words on it shows ink in the snapshot of its window.
void expect_every_text_shown(tk::Form& form, const std::string& png)
{
    SCOPED_TRACE(png);
    tk::sdl::SurfacePtr picture(IMG_Load(png.c_str()));
    ASSERT_TRUE(picture) << "no snapshot";
    struct V final : tk::ControlVisitor {
        SDL_Surface* picture;
        int checked = 0;
        void visit(std::string_view name, int index, tk::Label& c) override
        {
            if (!c.Visible || c.Caption.find_first_not_of(' ') == std::string::npos)
                return;
            ++checked;
            EXPECT_GE(ink(picture, c), 8) << name << "(" << index << ") \"" << c.Caption << "\" is not shown";
        }
        void visit(std::string_view, int, tk::Shape&) override { }
        void visit(std::string_view, int, tk::Line&) override { }
        void visit(std::string_view, int, tk::Picture&) override { }
    } v;
    v.picture = picture.get();
    form.visit_controls(v);
    EXPECT_GT(v.checked, 0);
}

TEST(FontsTest, WithOneOtherFaceAloneTheGamePlaysAndShowsEveryText)
{
    // A test that cannot run is a failure: ./dev installs this face (fonts-dejavu-core).
    ASSERT_TRUE(fs::exists(kOnlyFace)) << kOnlyFace << " is not installed";
    fs::path dir = fs::path(RUVANTIA_BINARY_DIR) / "tests" / "fonts";
    std::string conf = write_font_config(dir);
    // fontconfig itself finds nothing else (where its tools are installed to ask).
    if (std::system("command -v fc-match >/dev/null") == 0) {
        std::string cmd = "FONTCONFIG_FILE=" + shell_word(conf) + " fc-match -f '%{file}' 'Times New Roman'";
        FILE* p = popen(cmd.c_str(), "r");
        ASSERT_TRUE(p);
        char buf[512] = {};
        std::size_t n = std::fread(buf, 1, sizeof buf - 1, p);
        pclose(p);
        EXPECT_EQ(std::string(buf, n), kOnlyFace);
    }

    // One game from the logo to the goodbye screen, with every window in it; a snapshot of each.
    struct Part {
        std::vector<std::string> steps;
        std::string form;
    };
    const std::vector<Part> parts = {
        {{"wait 900", "click Form1.Image1", "until Form1.Timer6.Enabled=true"}, "Form1"},
        {{"click Form1.Image3", "until Form4.Timer1.Enabled=false"}, "Form4"},
        {{"click Form4.Label2", "click Form1.Image4", "until Form5.Timer1.Enabled=false"}, "Form5"},
        {{"click Form5.Label10", "click Form1.Label6(0)", "until Form6.Timer1.Enabled=false"}, "Form6"},
        {{"click Form6.Label2(1)", "click Form1.Label5", "until Form2.Timer1.Enabled=false"}, "Form2"},
        {{"click Form2.Label2", "until Form3.Label4.Visible=true"}, "Form3"},
        {{"until Form3.Label5(31).Visible=true"}, "Form3"},
    };
    std::string command = "FONTCONFIG_FILE=" + shell_word(conf) + " SDL_VIDEODRIVER=offscreen "
        + shell_word(std::string(RUVANTIA_BINARY_DIR) + "/simulate") + " --start 12:00:00";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (const std::string& step : parts[i].steps)
            command.append(" ").append(shell_word(step));
        command.append(" ").append(
            shell_word("snapshot " + parts[i].form + " " + (dir / (std::to_string(i) + ".png")).string()));
    }
    command += " 'wait 30000' 2>" + shell_word((dir / "errors.txt").string());
    ASSERT_EQ(std::system(command.c_str()), 0) << command << "\n"
                                               << testing_support::read_file((dir / "errors.txt").string());
    EXPECT_EQ(testing_support::read_file((dir / "errors.txt").string()), "");

    // The same game here, to know what each window shows at each snapshot.
    sim::Simulation s(12 * 3600);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        ASSERT_EQ(sim::run_steps(s, parts[i].steps), 0);
        expect_every_text_shown(*s.runtime().form(parts[i].form), (dir / (std::to_string(i) + ".png")).string());
    }
}

} // namespace
