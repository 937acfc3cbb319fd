// Form3's design: the credit lines, the two rings of lamps and the dedication's letters.
#include "windows/form3.h"

#include "game/game.h"

#include <array>
#include <string_view>

using namespace colors;

namespace {

tk::Shape lamp(int left, int top)
{
    return tk::Shape {
        .Left = left, .Top = top, .Width = 375, .Height = 375, .BorderColor = kWhite, .BackStyle = 1, .Visible = false};
}

tk::Label credit(int left, int top, int width, int height, const char* text, tk::Color color, double size)
{
    return tk::Label {.Left = left,
        .Top = top,
        .Width = width,
        .Height = height,
        .Caption = text,
        .ForeColor = color,
        .BackStyle = 0,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .Font = {.Name = "Times New Roman", .Size = size, .Bold = true},
        .Reader = tk::Reading::Text};
}

} // namespace

GoodbyeControls::GoodbyeControls()
{
    Shape1 = tk::Shape {.Left = 1200, .Top = 960, .Width = 7215, .Height = 7335, .BackStyle = 1};
    // The outer ring starts at the top-left corner and runs down the left edge, along the
    // bottom, up the right edge and back along the top.
    Shape2 = tk::ControlArray<tk::Shape, 100>::generate([](int k) {
        if (k <= 24)
            return lamp(120, 120 + 360 * k);
        if (k <= 49)
            return lamp(120 + 360 * (k - 25), 9120);
        if (k <= 74)
            return lamp(9120, 9120 - 360 * (k - 50));
        return lamp(9120 - 360 * (k - 75), 120);
    });
    Shape3 = tk::ControlArray<tk::Shape, 88>::generate([](int k) {
        if (k <= 21)
            return lamp(600, 600 + 360 * k);
        if (k <= 43)
            return lamp(600 + 360 * (k - 22), 8520);
        if (k <= 65)
            return lamp(8520, 8520 - 360 * (k - 44));
        return lamp(8520 - 360 * (k - 66), 600);
    });
    Label1 = credit(1320, 1440, 6855, 855, "RUVANTIA", kRed, 20.25);
    Label2 = credit(1320, 3240, 6855, 495, "un gioco della squadra di RUVANTIA", kGreen, 18);
    Label3 = credit(1680, 4800, 6135, 735, "GRAZIE PER AVER GIOCATO!", kCyan, 24);
    Label4 = credit(1560, 6600, 6375, 1095, "ALLA PROSSIMA SCALATA!", 0xFFFF00, 24);
    // SPECIAL THANKS / TO / TOLVARENA / BRUSILDE, one letter per label.
    Label5 = tk::ControlArray<tk::Label, 32>::generate([](int k) {
        static constexpr std::string_view letters = "SPECIALTHANKSTOTOLVARENABRUSILDE";
        static constexpr std::array<tk::Color, 7> colours
            = {0x00FFFF, 0xFF0000, 0xFFFF00, 0xFF80FF, 0xFFFFFF, 0x00FF00, 0xFFC0C0};
        int top = 0, left = 0;
        if (k <= 6) {
            top = 2400, left = 1320 + 480 * k;
        } else if (k <= 12) {
            top = 2400, left = 5280 + 480 * (k - 7);
        } else if (k <= 14) {
            top = 3960, left = 4320 + 480 * (k - 13);
        } else if (k <= 23) {
            top = 5280, left = 2640 + 480 * (k - 15);
        } else {
            top = 6000, left = 2880 + 480 * (k - 24);
        }
        return tk::Label {.Left = left,
            .Top = top,
            .Width = 495,
            .Height = 615,
            .Caption = std::string(1, letters[static_cast<std::size_t>(k)]),
            .ForeColor = colours[static_cast<std::size_t>(k % 7)],
            .Alignment = tk::Align::Center,
            .Visible = false,
            .Font = {.Name = "Bermuda Solid", .Size = 21.75, .Bold = true, .Italic = true}};
    });
}

Goodbye::Goodbye(Game& g)
    : FormOf(g.runtime, tk::FormDesign {.name = "Form3", .title = "CIAO!", .ClientWidth = 9630, .ClientHeight = 9615})
    , game(g)
{
}

void GoodbyeControls::each_control(tk::ControlVisitor& v)
{
    // clang-format off
    tk::visit_all(v,
        "Shape1", Shape1, "Shape2", Shape2, "Shape3", Shape3,
        "Label1", Label1, "Label2", Label2, "Label3", Label3, "Label4", Label4, "Label5", Label5);
    // clang-format on
}

// Closing the goodbye screen from its title bar simply ends the show now.
void Goodbye::close_requested()
{
    Unload();
}
