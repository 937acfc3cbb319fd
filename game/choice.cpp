// The player chooses an answer; the host nudges a player who hesitates.
#include "game/form1.h"

#include "game/game.h"

#include <string>

using namespace colors;

// A click on a letter marks that answer and asks whether it is final. Only one choice at a time
// gets through: clic stays at 2 until "NO" or the next question sets it back to 0.
void Board::Label6_Click(int Index)
{
    indlab = static_cast<Integer>(Index);
    ++clic;
    if (clic == 1) {
        ++clic;
        Timer6.Enabled = false;
        nn = 0;
        Label4.Caption = valdom; // no nudge stays up over the final-answer question
        Label3(Index).BackColor = kOrange;
        Label3(Index).ForeColor = kPurple;
        for (int i = 0; i <= 3; ++i)
            Label6(i).MousePointer = tk::kDefaultPointer;
        game.Form6.Show();
    }
}

// The host nudges a player who takes too long: at 9, 11 and 13 s, then the value line comes
// back at 15 s and he keeps quiet for the rest of the question. No lifeline left, no nudges.
void Board::Timer6_Timer()
{
    if (aiuti == 0) {
        Timer6.Enabled = false;
        nn = 0;
    } else if (nn == 8) {
        Label4.Caption = "SEI INDECISO?....";
    } else if (nn == 10) {
        Label4.Caption = "PROVA AD UTILIZZARE GLI AIUTI....";
    } else if (nn == 12) {
        Label4.Caption = "NE HAI ANCORA A DISPOSIZIONE " + std::to_string(aiuti);
    } else if (nn == 14) {
        Label4.Caption = valdom;
    }
    if (nn == 14) {
        Timer6.Enabled = false;
        nn = 0;
    }
    ++nn;
}
