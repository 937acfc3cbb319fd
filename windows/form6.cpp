// Form6's design, its clicks and its closing.
#include "windows/form6.h"

#include "game/game.h"

using namespace colors;

FinalAnswerControls::FinalAnswerControls()
{
    Shape1 = tk::Shape {240, 120, 4335, 1335, kFrame, kBoard, 0, 2, false};
    Label1 = tk::Label {720, 360, 3375, 975, "E' la tua risposta definitiva?", kBoard, kRed, 1, tk::Align::Center,
        false, true, tk::kDefaultPointer, "", tk::Typeface {"MS Sans Serif", 18, true}};
    Line1 = tk::Line {2400, 1440, 2400, 2280, kFrame, 1, false};
    Line3 = tk::Line {720, 2280, 0, 2280, kFrame, 1, false};
    Shape2 = tk::Shape {720, 1920, 1215, 735, kFrame, kBoard, 0, 2, false};
    Line2 = tk::Line {1920, 2280, 2880, 2280, kFrame, 1, false};
    Shape3 = tk::Shape {2880, 1920, 1215, 735, kFrame, kBoard, 0, 2, false};
    Line4 = tk::Line {4080, 2280, 4800, 2280, kFrame, 1, false};
    Label2 = tk::ControlArray<tk::Label, 2>::generate([](int i) {
        return tk::Label {i == 0 ? 1080 : 3120, 2040, i == 0 ? 615 : 855, 495, i == 0 ? "SI" : "NO", kBoard, kGreen, 0,
            tk::Align::Center, false, true, tk::kCustomPointer, "", tk::Typeface {"MS Sans Serif", 24, true}};
    });
}

FinalAnswer::FinalAnswer(Game& g)
    : tk::Form(g.runtime, dialog_design("Form6", "LA ACCENDIAMO?", 4755, 3090))
    , game(g)
{
}

void FinalAnswer::reset_controls()
{
    static_cast<FinalAnswerControls&>(*this) = FinalAnswerControls {};
}

void FinalAnswer::visit_controls(tk::ControlVisitor& v)
{
    tk::visit(v, "Shape1", Shape1);
    tk::visit(v, "Shape2", Shape2);
    tk::visit(v, "Shape3", Shape3);
    tk::visit(v, "Line1", Line1);
    tk::visit(v, "Line2", Line2);
    tk::visit(v, "Line3", Line3);
    tk::visit(v, "Line4", Line4);
    tk::visit(v, "Label1", Label1);
    tk::visit(v, "Label2", Label2);
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
