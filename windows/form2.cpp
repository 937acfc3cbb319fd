// Form2's design, its clicks and its closing.
#include "windows/form2.h"

#include "game/game.h"

using namespace colors;

WalkAwayControls::WalkAwayControls()
{
    tk::Typeface bold18 {"MS Sans Serif", 18, true};
    Shape1 = tk::Shape {120, 240, 4815, 1215, kFrame, kBoard, 0, 2, false};
    Label1 = tk::Label {600, 480, 3735, 855, "VUOI FINIRE QUI LA TUA AVVENTURA?", kBoard, kRungText, 1,
        tk::Align::Center, false, true, tk::kDefaultPointer, "", tk::Typeface {"MS Sans Serif", 13.5, true}};
    Line1 = tk::Line {2520, 1440, 2520, 2520, kFrame, 1, false};
    Line2 = tk::Line {3360, 2520, 1680, 2520, kFrame, 1, false};
    Shape2 = tk::Shape {600, 2160, 1095, 615, kFrame, kBoard, 0, 2, false};
    Shape3 = tk::Shape {3360, 2160, 1095, 615, kFrame, kBoard, 0, 2, false};
    Label2 = tk::Label {
        960, 2280, 375, 375, "SI", kBoard, kGreen, 1, tk::Align::Left, false, true, tk::kCustomPointer, "", bold18};
    Label3 = tk::Label {
        3600, 2280, 615, 495, "NO", kBoard, kGreen, 1, tk::Align::Center, false, true, tk::kCustomPointer, "", bold18};
}

WalkAway::WalkAway(Game& g)
    : tk::Form(g.runtime, dialog_design("Form2", "Vuoi veramente abbandonare?", 5070, 3285))
    , game(g)
{
}

void WalkAway::reset_controls()
{
    static_cast<WalkAwayControls&>(*this) = WalkAwayControls {};
}

// Back to front. The frames lie over the labels, so that the opaque "NO", which reaches down to
// the bottom of its frame, does not hide the frame's lower edge.
void WalkAway::visit_controls(tk::ControlVisitor& v)
{
    tk::visit(v, "Label1", Label1);
    tk::visit(v, "Label2", Label2);
    tk::visit(v, "Label3", Label3);
    tk::visit(v, "Shape1", Shape1);
    tk::visit(v, "Shape2", Shape2);
    tk::visit(v, "Shape3", Shape3);
    tk::visit(v, "Line1", Line1);
    tk::visit(v, "Line2", Line2);
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
