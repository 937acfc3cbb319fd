// The three lifeline pictures of the board and the computer's 50:50.
//
//   Image2_Click   the computer: cross it out, and let Timer13 talk the player through the 50:50
//   Timer13_Timer  the computer's two announcements, then the two wrong answers go
//   computer       which two wrong answers go: fixed by the level and the right answer's place
//   Image3_Click   the friend at home: cross it out and open "AIUTO DA CASA"
//   Image4_Click   the studio audience: cross it out and open "AIUTO DEL PUBBLICO"
#include "game/form1.h"

#include "game/game.h"

// The computer lifeline. The board stays closed while the computer speaks.
void Board::Image2_Click()
{
    nn = 0;
    Timer6.Enabled = false;
    Timer13.Enabled = true;
    Enabled = false;
    --aiuti;
}

// The computer announces itself, says what it is about to do, and 3 s later takes two wrong
// answers away as the value of the question comes back on the host line.
void Board::Timer13_Timer()
{
    switch (io) {
    case 0:
        Image2.Enabled = false;
        Line3(0).Visible = true;
        Line3(1).Visible = true;
        Label4.Caption = "HAI SCELTO DI UTILIZZARE L'AIUTO DEL COMPUTER....";
        Timer13.Interval = 3000;
        break;
    case 1:
        Label4.Caption = "TOGLIAMO DUE RISPOSTE SBAGLIATE....";
        break;
    case 2:
        // valdom holds the value line of the question on the board.
        Label4.Caption = valdom;
        computer();
        Timer13.Enabled = false;
        Enabled = true;
        break;
    default:
        break;
    }
    ++io;
}

// The computer draws nothing: it scans the answers in an order set by the level and takes away
// the first two wrong ones it meets, so the wrong answer left is the last one of the scan.
void Board::computer()
{
    // A to D on questions 1 to 3 and 8 to 11, D to A on questions 4 to 7 and 12 to 15.
    bool from_d = (conta >= 4 && conta <= 7) || conta >= 12;
    for (int n = 0; n <= 3; ++n) {
        int i = from_d ? 3 - n : n;
        if (Label3(i).Caption != risgiusta) {
            Label3(i).Enabled = false;
            Label3(i).Visible = false;
            Label6(i).Visible = false;
            Label6(i).Enabled = false;
            ++sb;
        }
        if (sb == 2)
            break;
    }
}

// The friend at home. The host's value line comes back before the call, in case a nudge was
// showing; the friend decides the letter as the window opens.
void Board::Image3_Click()
{
    Label4.Caption = valdom;
    nn = 0;
    Timer6.Enabled = false;
    Line4(0).Visible = true;
    Line4(1).Visible = true;
    Image3.Enabled = false;
    Enabled = false;
    game.Form4.Show();
    --aiuti;
}

// The studio audience: the same as the call, with the poll's window.
void Board::Image4_Click()
{
    Label4.Caption = valdom;
    nn = 0;
    Timer6.Enabled = false;
    Line5(0).Visible = true;
    Line5(1).Visible = true;
    Image4.Enabled = false;
    Enabled = false;
    game.Form5.Show();
    --aiuti;
}
