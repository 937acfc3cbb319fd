// Form6's design, its clicks and its closing.
#include "windows/form6.h"

#include "game/game.h"

using namespace colors;

FinalAnswerControls::FinalAnswerControls()
{
    Shape1 = tk::Shape {.Left = 240, .Top = 120, .Width = 4335, .Height = 1335, .BorderWidth = 2, .Visible = false};
    Label1 = tk::Label {.Left = 720,
        .Top = 360,
        .Width = 3375,
        .Height = 975,
        .Caption = "E' la tua risposta definitiva?",
        .ForeColor = kRed,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .Font = {.Size = 18, .Bold = true},
        .Reader = tk::Reading::SpokenText};
    Line1 = tk::Line {.X1 = 2400, .Y1 = 1440, .X2 = 2400, .Y2 = 2280, .Visible = false};
    Line3 = tk::Line {.X1 = 720, .Y1 = 2280, .Y2 = 2280, .Visible = false};
    Shape2 = tk::Shape {.Left = 720, .Top = 1920, .Width = 1215, .Height = 735, .BorderWidth = 2, .Visible = false};
    Line2 = tk::Line {.X1 = 1920, .Y1 = 2280, .X2 = 2880, .Y2 = 2280, .Visible = false};
    Shape3 = tk::Shape {.Left = 2880, .Top = 1920, .Width = 1215, .Height = 735, .BorderWidth = 2, .Visible = false};
    Line4 = tk::Line {.X1 = 4080, .Y1 = 2280, .X2 = 4800, .Y2 = 2280, .Visible = false};
    Label2 = tk::ControlArray<tk::Label, 2>::generate([](int i) {
        return tk::Label {.Left = i == 0 ? 1080 : 3120,
            .Top = 2040,
            .Width = i == 0 ? 615 : 855,
            .Height = 495,
            .Caption = i == 0 ? "SI" : "NO",
            .ForeColor = kGreen,
            .BackStyle = 0,
            .Alignment = tk::Align::Center,
            .Visible = false,
            .MousePointer = tk::kCustomPointer,
            .Font = {.Size = 24, .Bold = true},
            .Reader = tk::Reading::Button};
    });
}

FinalAnswer::FinalAnswer(Game& g)
    : FormOf(g.runtime, dialog_design("Form6", "LA ACCENDIAMO?", 4755, 3090))
    , game(g)
{
}

void FinalAnswerControls::each_control(tk::ControlVisitor& v)
{
    // clang-format off
    tk::visit_all(v,
        "Shape1", Shape1, "Shape2", Shape2, "Shape3", Shape3,
        "Line1", Line1, "Line2", Line2, "Line3", Line3, "Line4", Line4,
        "Label1", Label1, "Label2", Label2);
    // clang-format on
}

void FinalAnswer::click(std::string_view control, int index)
{
    if (control == "Label2")
        Label2_Click(index);
}

// Closing the window from its title bar takes the answer back, as "NO" does.
void FinalAnswer::close_requested()
{
    Label2_Click(1);
}
