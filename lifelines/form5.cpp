// Form5's design, its click and its closing.
#include "lifelines/form5.h"

#include "game/game.h"

#include <array>
#include <string_view>

using namespace colors;

namespace {

constexpr tk::Color kLightOrange = 0xFFC080;
constexpr std::array<int, 4> kColumn = {480, 1560, 2640, 3720};

tk::Shape frame(int left, int top, int width, int height)
{
    return tk::Shape {.Left = left, .Top = top, .Width = width, .Height = height, .Visible = false};
}

tk::Line line(int x1, int y1, int x2, int y2)
{
    return tk::Line {.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2, .Visible = false};
}

tk::Label label(int left, int top, int width, int height, const char* caption, tk::Color color, double size,
    int pointer = tk::kDefaultPointer)
{
    return tk::Label {.Left = left,
        .Top = top,
        .Width = width,
        .Height = height,
        .Caption = caption,
        .ForeColor = color,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .MousePointer = pointer,
        .Font = {.Size = size, .Bold = true}};
}

// Segment k of a bar: 1 sits on the base line, 25 at the top.
tk::ControlArray<tk::Shape, 25, 1> bar(int left)
{
    return tk::ControlArray<tk::Shape, 25, 1>::generate([left](int k) {
        return tk::Shape {.Left = left,
            .Top = 4920 - 120 * (k - 1),
            .Width = 495,
            .Height = 135,
            .BorderColor = kWhite,
            .BackColor = kGreen,
            .BackStyle = 1,
            .Visible = false};
    });
}

} // namespace

AudiencePollControls::AudiencePollControls()
{
    Label1 = label(720, 240, 3375, 735, "RISULTATI DEL SONDAGGIO", kRed, 13.5);
    Shape3 = frame(600, 120, 3495, 975);
    Line2 = line(2400, 1080, 720, 1440);
    Line3 = line(2400, 1080, 1800, 1440);
    Line4 = line(2400, 1080, 2880, 1440);
    Line5 = line(2400, 1080, 3960, 1440);
    Shape6 = frame(360, 1440, 735, 495);
    Shape7 = frame(1440, 1440, 735, 495);
    Shape8 = frame(2520, 1440, 735, 495);
    Shape9 = frame(3600, 1440, 735, 495);
    Label2 = label(kColumn[0], 1560, 495, 255, "", kLightOrange, 9.75);
    Label3 = label(kColumn[1], 1560, 495, 255, "", kLightOrange, 9.75);
    Label4 = label(kColumn[2], 1560, 495, 255, "", kLightOrange, 9.75);
    Label5 = label(kColumn[3], 1560, 495, 255, "", kLightOrange, 9.75);
    Shape1 = bar(kColumn[0]);
    Shape2 = bar(kColumn[1]);
    Shape4 = bar(kColumn[2]);
    Shape5 = bar(kColumn[3]);
    Line1 = line(120, 5040, 4560, 5040);
    Label6 = label(kColumn[0], 5160, 495, 375, "A", kLightOrange, 13.5);
    Label7 = label(kColumn[1], 5160, 495, 375, "B", kLightOrange, 13.5);
    Label8 = label(kColumn[2], 5160, 495, 375, "C", kLightOrange, 13.5);
    Label9 = label(kColumn[3], 5160, 495, 375, "D", kLightOrange, 13.5);
    Shape10 = frame(kColumn[0], 5160, 495, 375);
    Shape11 = frame(kColumn[1], 5160, 495, 375);
    Shape12 = frame(kColumn[2], 5160, 495, 375);
    Shape13 = frame(kColumn[3], 5160, 495, 375);
    Label10 = label(1080, 5880, 2655, 375, "TORNA AL GIOCO", kCyan, 13.5, tk::kCustomPointer);
    Shape14 = frame(840, 5760, 3135, 615);
    // A screen reader reads the title, each letter with its share of the votes, and the button.
    Label1.Reader = tk::Reading::Text;
    auto read_with_votes = [](tk::Label& letter, std::string_view votes) {
        letter.Reader = tk::Reading::SpokenText;
        letter.ReadWith = votes;
    };
    read_with_votes(Label6, "Label2");
    read_with_votes(Label7, "Label3");
    read_with_votes(Label8, "Label4");
    read_with_votes(Label9, "Label5");
    Label10.Reader = tk::Reading::Button;
}

AudiencePoll::AudiencePoll(Game& g)
    : FormOf(g.runtime, dialog_design("Form5", "AIUTO DEL PUBBLICO", 4680, 6450))
    , game(g)
{
}

// Back to front; the frames lie over the labels they surround.
void AudiencePollControls::each_control(tk::ControlVisitor& v)
{
    // clang-format off
    tk::visit_all(v,
        "Label1", Label1, "Label2", Label2, "Label3", Label3, "Label4", Label4, "Label5", Label5, "Label6", Label6,
        "Label7", Label7, "Label8", Label8, "Label9", Label9, "Label10", Label10,
        "Shape3", Shape3,
        "Line2", Line2, "Line3", Line3, "Line4", Line4, "Line5", Line5,
        "Shape6", Shape6, "Shape7", Shape7, "Shape8", Shape8, "Shape9", Shape9, "Shape1", Shape1, "Shape2", Shape2,
        "Shape4", Shape4, "Shape5", Shape5,
        "Line1", Line1,
        "Shape10", Shape10, "Shape11", Shape11, "Shape12", Shape12, "Shape13", Shape13, "Shape14", Shape14);
    // clang-format on
}

void AudiencePoll::click(std::string_view control, int)
{
    if (control == "Label10")
        Label10_Click();
}

// Leaving the poll from the title bar returns to the game, as "TORNA AL GIOCO".
void AudiencePoll::close_requested()
{
    Label10_Click();
}
