// Form4's design, its click and its closing.
#include "lifelines/form4.h"

#include "game/game.h"

using namespace colors;

PhoneFriendControls::PhoneFriendControls()
{
    Image1 = tk::Picture {
        .Left = 1920, .Top = 120, .Width = 1065, .Height = 690, .Source = "friend.svg", .Visible = false};
    Shape1 = tk::Shape {.Left = 120, .Top = 960, .Width = 4695, .Height = 735, .BorderWidth = 2, .Visible = false};
    Label1 = tk::Label {.Left = 480,
        .Top = 1080,
        .Width = 3975,
        .Height = 495,
        .ForeColor = kCyan,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .Font = {.Size = 9.75, .Bold = true},
        .Reader = tk::Reading::SpokenText};
    Line1 = tk::Line {.X1 = 2400, .Y1 = 1680, .X2 = 2400, .Y2 = 2040, .Visible = false};
    Shape2 = tk::Shape {.Left = 840, .Top = 2040, .Width = 3135, .Height = 615, .BorderWidth = 2, .Visible = false};
    Label2 = tk::Label {.Left = 1080,
        .Top = 2160,
        .Width = 2775,
        .Height = 375,
        .Caption = "TORNA AL GIOCO",
        .ForeColor = kRed,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .MousePointer = tk::kCustomPointer,
        .Font = {.Size = 13.5, .Bold = true},
        .Reader = tk::Reading::Button};
}

PhoneFriend::PhoneFriend(Game& g)
    : FormOf(g.runtime, dialog_design("Form4", "AIUTO DA CASA", 4905, 2700))
    , game(g)
{
}

void PhoneFriendControls::each_control(tk::ControlVisitor& v)
{
    // clang-format off
    tk::visit_all(v,
        "Image1", Image1,
        "Shape1", Shape1, "Shape2", Shape2,
        "Line1", Line1,
        "Label1", Label1, "Label2", Label2);
    // clang-format on
}

void PhoneFriend::click(std::string_view control, int)
{
    if (control == "Label2")
        Label2_Click();
}

// Hanging up from the title bar returns to the game, as "TORNA AL GIOCO".
void PhoneFriend::close_requested()
{
    Label2_Click();
}
