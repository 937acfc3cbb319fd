// The two milestones and the million.
//
//   Timer14_Timer  after questions 5 and 10: the milestone rung blinks, the host congratulates,
//                  a pause, then the next question
//   Timer16_Timer  after question 15: the top rung blinks, the two victory lines, then five runs
//                  of a light up and down the ladder with the answer boxes and the crosses
//                  flashing, then the closing
#include "game/form1.h"

#include "game/game.h"

#include <array>

using namespace colors;

namespace {

// The four answer boxes lit in turn during the million's light run: A and B orange, then D
// and C green, so the light turns clockwise round the four boxes.
constexpr std::array<int, 4> kLampBox = {0, 1, 3, 2};
constexpr std::array<tk::Color, 4> kLampColor = {kOrange, kOrange, kGreen, kGreen};

} // namespace

// A milestone reached: the rung of the question just won blinks while the host congratulates;
// after a pause the show goes on with the next question, the milestone rung still lit.
void Board::Timer14_Timer()
{
    release(conta - 2);
    Label2.Caption = "";
    if (sd >= 0 && sd <= 11) {
        if (conta == 5)
            Label4.Caption = "COMPLIMENTI!....HAI RAGGIUNTO IL PRIMO TRAGUARDO!!!";
        if (conta == 10)
            Label4.Caption = "COMPLIMENTI!....HAI RAGGIUNTO IL SECONDO TRAGUARDO!!!";
        if (conta == 5 || conta == 10) {
            if (sd % 2 == 0)
                highlight(conta - 1);
            else
                release(conta - 1);
        }
    } else if (sd == 12) {
        if (conta == 5)
            Label4.Caption = "COMPLIMENTI!....HAI RAGGIUNTO IL PRIMO TRAGUARDO!!!";
        if (conta == 10)
            Label4.Caption = "COMPLIMENTI!....HAI RAGGIUNTO IL SECONDO TRAGUARDO!!!";
        if (conta == 5 || conta == 10)
            highlight(conta - 1);
        Timer14.Interval = 3000;
    } else if (sd == 13) {
        Timer14.Enabled = false;
        sd = 0;
        Label4.Caption = "";
        Label2.Caption = "";
        qqq = 0;
        Timer9.Interval = 100;
        Timer4.Enabled = true;
        Timer14.Interval = 100;
    }
    ++sd;
}

// The million: the top rung blinks with the victory lines, then a light runs up and down the
// whole ladder five times while the answer boxes and the lifeline crosses flash in turn.
void Board::Timer16_Timer()
{
    release(conta - 2);
    if (lp == 0 && conta == 15) {
        // The four empty answer boxes become lamps; their letters stay hidden.
        Label2.Caption = "";
        Label2.BackStyle = 1;
        for (int i = 0; i <= 3; ++i) {
            Label3(i).BackStyle = 1;
            Label6(i).BackStyle = 0;
            Label3(i).Enabled = true;
            Label6(i).Enabled = true;
            Label3(i).Visible = true;
            Label3(i).Caption = "";
        }
        Label4.Caption = "COMPLIMENTI!....SEI MILIONARIO!!!";
        highlight(14);
    } else if (lp >= 1 && lp <= 11 && conta == 15) {
        if (lp % 2 == 1)
            release(14);
        else
            highlight(14);
    } else if (lp == 12 && conta == 15) {
        highlight(14);
        Timer16.Interval = 40;
        Label2.Caption = "NON ERA FACILE......MA CI SEI RIUSCITO......BRAVO!!!!";
    } else if (lp >= 13 && lp <= 41) {
        const int s = lp;
        // The light climbs from the bottom rung to the top and comes back down.
        if (s <= 27) {
            highlight(s - 13);
            if (s >= 14)
                release(s - 14);
        } else {
            highlight(41 - s);
            release(42 - s);
        }
        // The lamps turn round the answer boxes, one lit at a time.
        if (s >= 14) {
            const auto before = static_cast<std::size_t>((s - 14) % 4);
            Label3(kLampBox[before]).BackColor = kBoard;
        }
        const auto now = static_cast<std::size_t>((s - 13) % 4);
        Label3(kLampBox[now]).BackColor = kLampColor[now];
        // Every fourth step a cross moves on to the next lifeline.
        switch (s) {
        case 13:
            Line3(0).Visible = Line3(1).Visible = true;
            break;
        case 17:
        case 29:
            Line4(0).Visible = Line4(1).Visible = true;
            Line3(0).Visible = Line3(1).Visible = false;
            break;
        case 21:
        case 33:
            Line5(0).Visible = Line5(1).Visible = true;
            Line4(0).Visible = Line4(1).Visible = false;
            break;
        case 25:
            Line3(0).Visible = Line3(1).Visible = true;
            Line5(0).Visible = Line5(1).Visible = false;
            break;
        case 37:
            Line4(0).Visible = Line4(1).Visible = true;
            Line5(0).Visible = Line5(1).Visible = false;
            break;
        case 41:
            Line3(0).Visible = Line3(1).Visible = true;
            Line4(0).Visible = Line4(1).Visible = false;
            break;
        default:
            break;
        }
    } else if (lp == 42) {
        Label1(0).BackColor = kGreen;
        Label1(0).ForeColor = kRungText;
        lp = 12;
        ++hg;
    }
    ++lp;
    if (hg == 5) {
        for (int i = 0; i <= 1; ++i) {
            Line3(i).Visible = false;
            Line4(i).Visible = false;
            Line5(i).Visible = false;
        }
        for (int i = 0; i <= 3; ++i)
            Label3(i).BackColor = kBoard;
        Timer16.Enabled = false;
        Timer11.Enabled = true;
    }
}
