// Form4's design, its click and its closing.
#include "lifelines/form4.h"

#include "game/game.h"

using namespace colors;

PhoneFriendControls::PhoneFriendControls()
{
    Image1 = tk::Picture {1920, 120, 1065, 690, "friend.svg", false, true, tk::kDefaultPointer, ""};
    Shape1 = tk::Shape {120, 960, 4695, 735, kFrame, kBoard, 0, 2, false};
    Label1 = tk::Label {480, 1080, 3975, 495, "", kBoard, kCyan, 1, tk::Align::Center, false, true, tk::kDefaultPointer,
        "", tk::Typeface {"MS Sans Serif", 9.75, true}};
    Line1 = tk::Line {2400, 1680, 2400, 2040, kFrame, 1, false};
    Shape2 = tk::Shape {840, 2040, 3135, 615, kFrame, kBoard, 0, 2, false};
    Label2 = tk::Label {1080, 2160, 2775, 375, "TORNA AL GIOCO", kBoard, kRed, 1, tk::Align::Center, false, true,
        tk::kCustomPointer, "", tk::Typeface {"MS Sans Serif", 13.5, true}};
}

PhoneFriend::PhoneFriend(Game& g)
    : tk::Form(g.runtime, dialog_design("Form4", "AIUTO DA CASA", 4905, 2700))
    , game(g)
{
}

void PhoneFriend::reset_controls()
{
    static_cast<PhoneFriendControls&>(*this) = PhoneFriendControls {};
}

void PhoneFriend::visit_controls(tk::ControlVisitor& v)
{
    tk::visit(v, "Image1", Image1);
    tk::visit(v, "Shape1", Shape1);
    tk::visit(v, "Shape2", Shape2);
    tk::visit(v, "Line1", Line1);
    tk::visit(v, "Label1", Label1);
    tk::visit(v, "Label2", Label2);
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
