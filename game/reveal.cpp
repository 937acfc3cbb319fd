// The verdict: a right answer climbs one rung, a wrong one names the right letter.
#include "game/form1.h"

#include "game/game.h"

using namespace colors;

// Right answer: the host keeps the player waiting three seconds, then says so and hands over
// to Timer9. The counter ends at 1, so only the first right answer of a game has an idle tick.
void Board::Timer7_Timer()
{
    if (bb == 1) {
        Label4.Caption = "LA RISPOSTA E'....";
        Timer7.Interval = 3000;
    } else if (bb == 2) {
        Label4.Caption = "ESATTA!!!!";
        Timer7.Enabled = false;
        Timer9.Enabled = true;
        bb = 0;
        clic = 0; // the next question takes a choice again,
        ll = 0; // and its answers are placed from A
        Timer7.Interval = 1;
    }
    for (int i = 0; i <= 3; ++i)
        Label6(i).MousePointer = tk::kCustomPointer;
    ++bb;
}

// Wrong answer: the verdict, the chosen answer blinking red, then the letter that was right.
void Board::Timer8_Timer()
{
    if (ccc == 1) {
        Label4.Caption = "LA RISPOSTA E'....";
        Timer8.Interval = 3000;
    } else if (ccc == 2) {
        Label4.Caption = "SBAGLIATA....";
        Timer8.Interval = 100;
    } else if (ccc == 3 || ccc == 5 || ccc == 7 || ccc == 9) {
        Label3(indlab).BackColor = kRed;
    } else if (ccc == 4 || ccc == 6 || ccc == 8 || ccc == 10) {
        Label3(indlab).BackColor = kOrange;
    } else if (ccc == 11) {
        Label3(indlab).BackColor = kRed;
        Timer8.Interval = 3000;
        Label3(indlab).ForeColor = kPurple;
        for (int i = 0; i <= 3; ++i) {
            if (Label3(i).Caption == risgiusta) {
                indice = static_cast<Integer>(i);
                lettera = std::string(1, "ABCD"[i]);
            }
        }
    } else if (ccc == 12) {
        Label4.Caption = "LA RISPOSTA ESATTA....";
    } else if (ccc == 13) {
        Label4.Caption = "ERA LA LETTERA " + lettera;
        Timer8.Enabled = false;
        Timer10.Enabled = true;
        ccc = 0;
    }
    ++ccc;
}

// After "ESATTA!!!!": the right answer blinks green, stays lit for two seconds, then the board
// is cleared and the light climbs one rung. Milestones and the million have their own party.
void Board::Timer9_Timer()
{
    Enabled = false;
    for (int i = 0; i <= 3; ++i)
        if (Label3(i).Caption == risgiusta)
            indice = static_cast<Integer>(i);

    if (qqq == 1 || qqq == 3 || qqq == 5) {
        Label3(indice).BackColor = kGreen;
    } else if (qqq == 2 || qqq == 4 || qqq == 6) {
        Label3(indice).BackColor = kOrange;
    } else if (qqq == 7) {
        Label3(indice).BackColor = kGreen;
        Timer9.Interval = 2000;
    } else if (qqq == 8) {
        for (int i = 0; i <= 3; ++i) {
            Label3(i).ForeColor = kWhite;
            Label3(i).BackColor = kBoard;
            Label3(i).Enabled = false;
            Label6(i).Enabled = false;
            Label3(i).Visible = false;
            Label6(i).Visible = false;
        }
        if (conta == 1) {
            highlight(0);
        } else if (conta == 5 || conta == 10) {
            Timer14.Enabled = true;
            Timer9.Enabled = false;
        } else if (conta == 15) {
            Timer16.Enabled = true;
            Timer9.Enabled = false;
        } else {
            highlight(conta - 1);
            release(conta - 2);
        }
        if (conta != 5 && conta != 10 && conta != 15) {
            Label4.Caption = "";
            Label2.Caption = "";
            Timer9.Enabled = false;
            qqq = 0;
            Timer9.Interval = 100;
            Timer4.Enabled = true;
        }
    }
    ++qqq;
}
