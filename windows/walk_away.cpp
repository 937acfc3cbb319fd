// The walk-away confirmation: the window builds itself up, then "SI" clears the question and
// starts the walk-away ending, "NO" returns to the question.
#include "windows/form2.h"

#include "game/game.h"

// While the window is open only it takes clicks.
void WalkAway::Form_Load()
{
    game.Form1.Enabled = false;
    Timer1.Enabled = true;
}

// The window draws itself one piece per tick: frame, stem, bar, the answer frames, the
// question, and last "SI" and "NO". The step carries over to the next opening, which
// therefore starts straight from the frame.
void WalkAway::Timer1_Timer()
{
    switch (fase) {
    case 1:
        Shape1.Visible = true;
        break;
    case 2:
        Line1.Visible = true;
        break;
    case 3:
        Line2.Visible = true;
        break;
    case 4:
        Shape2.Visible = true;
        Shape3.Visible = true;
        break;
    case 5:
        Label1.Visible = true;
        break;
    case 6:
        Label2.Visible = true;
        Label3.Visible = true;
        break;
    default:
        break;
    }
    if (fase == 6) {
        Timer1.Enabled = false;
        fase = 0;
    }
    ++fase;
}

// "SI": the question and the answers leave the board (their frames stay) and the host
// announces what the player takes home.
void WalkAway::Label2_Click()
{
    Board& board = game.Form1;
    board.Label2.Visible = false;
    for (int i = 0; i <= 3; ++i) {
        board.Label3(i).Visible = false;
        board.Label6(i).Visible = false;
    }
    // The board is given back only for the ending to run on it. The lifelines and "ABBANDONA"
    // go dark now rather than at the ending's first tick, so that a second click landing on the
    // board in that instant can neither open a lifeline nor this window again.
    board.Image2.Enabled = false;
    board.Image3.Enabled = false;
    board.Image4.Enabled = false;
    board.Label5.Enabled = false;
    board.Enabled = true;
    Unload();
    board.Timer12.Enabled = true;
}

// "NO": back to the question as it was, but the host's nudges do not come back.
void WalkAway::Label3_Click()
{
    game.Form1.Enabled = true;
    Unload();
}
