// The opening: the invitation blinks until the logo is clicked, then the board is revealed
// piece by piece and a light sweeps up and down the ladder before the host starts talking.
#include "game/form1.h"

#include <cstdint>

using namespace colors;

// The invitation blinks: on at even ticks, off at odd ones, for as long as the player waits.
void Board::Timer3_Timer()
{
    if (m % 2 == 0)
        Label4.Caption = "CLICCA SUL LOGO PER INIZIARE!!!";
    else
        Label4.Caption = "";
    // After about seven hours of waiting the counter would overflow; 32767 is odd, so starting
    // again from 0 keeps the blinking in step.
    m = m == INT16_MAX ? 0 : static_cast<Integer>(m + 1);
}

// The player starts the game: the logo can be clicked only once.
void Board::Image1_Click()
{
    Image1.ToolTipText = "";
    Timer2.Enabled = true;
    Image1.Enabled = false;
    Timer3.Enabled = false;
    Label4.Caption = "";
}

// The board appears one piece per tick: rung frames, host line, lifelines, question, answers,
// decorations, and finally the rungs with their sums.
void Board::Timer2_Timer()
{
    if (y >= 0 && y <= 14) {
        Shape1(y).Visible = true;
    } else if (y == 15) {
        Shape4.Visible = true;
        Label4.Visible = true;
    } else if (y == 16) {
        Image2.Visible = true;
    } else if (y == 17) {
        Image3.Visible = true;
    } else if (y == 18) {
        Image4.Visible = true;
    } else if (y == 19) {
        Label5.Visible = true;
        Shape5.Visible = true;
    } else if (y == 20) {
        Label2.Visible = true;
        Shape2.Visible = true;
    } else if (y == 21) {
        Label3(0).Visible = true;
        Shape3(0).Visible = true;
    } else if (y == 22) {
        Label3(1).Visible = true;
        Shape3(1).Visible = true;
    } else if (y == 23) {
        Shape3(2).Visible = true;
        Label3(2).Visible = true;
    } else if (y == 24) {
        Label3(3).Visible = true;
        Shape3(3).Visible = true;
    } else if (y == 25) {
        Line1(0).Visible = true;
        Line1(1).Visible = true;
    } else if (y == 26) {
        Line2(2).Visible = true;
        Line2(0).Visible = true;
        Line2(4).Visible = true;
    } else if (y == 27) {
        Line2(3).Visible = true;
        Line2(1).Visible = true;
        Line2(5).Visible = true;
    } else if (y == 28) {
        Label4.Caption = "INIZIA LA TUA SCALATA VERSO IL MILIONE!";
        Label1(0).Visible = true;
    } else if (y >= 29 && y <= 42) {
        Label1(y - 28).Visible = true;
    }
    if (y == 42) {
        Timer2.Enabled = false;
        Timer1.Enabled = true;
    }
    y = static_cast<Integer>(y + 1);
}

// The light runs up the ladder and back down, then the host takes over.
void Board::Timer1_Timer()
{
    if (k == 0) {
        highlight(0);
    } else if (k >= 1 && k <= 14) {
        highlight(k);
        release(k - 1);
    } else if (k >= 15 && k <= 28) {
        highlight(28 - k);
        release(29 - k);
    } else if (k == 29) {
        Label1(0).BackColor = kGreen;
        Label1(0).ForeColor = kRungText;
    }
    if (k == 30) {
        Timer1.Enabled = false;
        Label1(0).BackColor = kBoard;
        Timer4.Enabled = true;
        Label4.Caption = "";
    }
    k = static_cast<Integer>(k + 1);
}
