// Form2's design, its clicks and its closing.
#include "windows/form2.h"

#include "game/game.h"

using namespace colors;

WalkAwayControls::WalkAwayControls()
{
    tk::Typeface bold18 {.Size = 18, .Bold = true};
    Shape1 = tk::Shape {.Left = 120, .Top = 240, .Width = 4815, .Height = 1215, .BorderWidth = 2, .Visible = false};
    Label1 = tk::Label {.Left = 600,
        .Top = 480,
        .Width = 3735,
        .Height = 855,
        .Caption = "VUOI FINIRE QUI LA TUA AVVENTURA?",
        .ForeColor = kRungText,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .Font = {.Size = 13.5, .Bold = true},
        .Reader = tk::Reading::SpokenText};
    Line1 = tk::Line {.X1 = 2520, .Y1 = 1440, .X2 = 2520, .Y2 = 2520, .Visible = false};
    Line2 = tk::Line {.X1 = 3360, .Y1 = 2520, .X2 = 1680, .Y2 = 2520, .Visible = false};
    Shape2 = tk::Shape {.Left = 600, .Top = 2160, .Width = 1095, .Height = 615, .BorderWidth = 2, .Visible = false};
    Shape3 = tk::Shape {.Left = 3360, .Top = 2160, .Width = 1095, .Height = 615, .BorderWidth = 2, .Visible = false};
    Label2 = tk::Label {.Left = 960,
        .Top = 2280,
        .Width = 375,
        .Height = 375,
        .Caption = "SI",
        .ForeColor = kGreen,
        .Visible = false,
        .MousePointer = tk::kCustomPointer,
        .Font = bold18,
        .Reader = tk::Reading::Button};
    Label3 = tk::Label {.Left = 3600,
        .Top = 2280,
        .Width = 615,
        .Height = 495,
        .Caption = "NO",
        .ForeColor = kGreen,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .MousePointer = tk::kCustomPointer,
        .Font = bold18,
        .Reader = tk::Reading::Button};
}

WalkAway::WalkAway(Game& g)
    : FormOf(g.runtime, dialog_design("Form2", "Vuoi veramente abbandonare?", 5070, 3285))
    , game(g)
{
}

// Back to front. The frames lie over the labels, so that the opaque "NO", which reaches down to
// the bottom of its frame, does not hide the frame's lower edge.
void WalkAwayControls::each_control(tk::ControlVisitor& v)
{
    // clang-format off
    tk::visit_all(v,
        "Label1", Label1, "Label2", Label2, "Label3", Label3,
        "Shape1", Shape1, "Shape2", Shape2, "Shape3", Shape3,
        "Line1", Line1, "Line2", Line2);
    // clang-format on
}

void WalkAway::click(std::string_view control, int)
{
    if (control == "Label2")
        Label2_Click();
    else if (control == "Label3")
        Label3_Click();
}

// Closing the window from its title bar means the player stays in the game, as "NO". A window
// closed halfway through its build-up leaves the step where a finished one would, so that the
// next opening still draws the frame first.
void WalkAway::close_requested()
{
    if (Timer1.Enabled)
        fase = 1;
    Label3_Click();
}
