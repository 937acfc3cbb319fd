// The final-answer confirmation: the window builds itself up, then "SI" starts the reveal and
// "NO" gives the board back.
#include "windows/form6.h"

#include "game/game.h"

using namespace colors;

// While the player thinks it over, the board takes no clicks.
void FinalAnswer::Form_Load()
{
    game.Form1.Enabled = false;
    Timer1.Enabled = true;
}

// One piece every 50 ms: the frame, the drop, a pause, the rail with "SI" and "NO" in their
// frames, the question, and last the two answers.
void FinalAnswer::Timer1_Timer()
{
    if (fase == 0) {
        Shape1.Visible = true;
    } else if (fase == 1) {
        Line1.Visible = true;
    } else if (fase == 3) {
        Line3.Visible = true;
    } else if (fase == 4) {
        Shape2.Visible = true;
    } else if (fase == 5) {
        Line2.Visible = true;
    } else if (fase == 6) {
        Shape3.Visible = true;
    } else if (fase == 7) {
        Line4.Visible = true;
    } else if (fase == 8) {
        Label1.Visible = true;
    } else if (fase == 9) {
        Label2(0).Visible = true;
    } else if (fase == 10) {
        Label2(1).Visible = true;
    }
    if (fase == 10) {
        Timer1.Enabled = false;
        fase = 0;
    } else {
        ++fase;
    }
}

// "SI" makes the answer final and starts the verdict; "NO" takes the marking back and lets the
// player choose again.
void FinalAnswer::Label2_Click(int Index)
{
    Board& Form1 = game.Form1;
    if (Index == 0) {
        Form1.clic = 2;
        if (Form1.Label3(Form1.indlab).Caption == Form1.risgiusta)
            Form1.Timer7.Enabled = true;
        else
            Form1.Timer8.Enabled = true;
        Form1.Enabled = false;
    } else {
        Form1.Label3(Form1.indlab).BackColor = kBoard;
        Form1.Label3(Form1.indlab).ForeColor = kWhite;
        for (int i = 0; i <= 3; ++i)
            Form1.Label6(i).MousePointer = tk::kCustomPointer;
        Form1.clic = 0;
        Form1.Enabled = true;
    }
    // Left before it had finished building up ("SI" before "NO" showed, or closed from its
    // title bar): the next opening builds up from the frame again.
    if (Timer1.Enabled)
        fase = 0;
    Unload();
}
