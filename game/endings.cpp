// How a game ends: walking away, a wrong answer, and the closing of the board.
//
//   Label5_Click   "ABBANDONA": the confirmation window
//   Timer10_Timer  after a wrong answer: the right one blinks, then the farewell messages
//   Timer15_Timer  after a wrong answer: the light steps down to the sum kept
//   Timer12_Timer  after walking away: the sum taken home and a comment
//   Timer11_Timer  every ending: the board is taken apart and the goodbye screen follows
#include "game/form1.h"

#include "game/game.h"

#include <array>
#include <string_view>

using namespace colors;

namespace {

// What the player takes home when walking away at question 1 to 15.
constexpr std::array<std::string_view, 15> kSumTaken = {
    "TORNI A CASA A MANI VUOTE....",
    "TE NE TORNI CON 50 EURO....MEGLIO DI NIENTE....",
    "TE NE TORNI CON 100 EURO....MEGLIO DI NIENTE....",
    "TE NE TORNI CON 200 EURO....MEGLIO DI NIENTE....",
    "TE NE TORNI CON 300 EURO....MEGLIO DI NIENTE....",
    "PORTI A CASA IL PRIMO TRAGUARDO....",
    "PORTI A CASA 1.000 EURO....COMPLIMENTI....",
    "PORTI A CASA 2.000 EURO....COMPLIMENTI....",
    "PORTI A CASA 4.000 EURO....COMPLIMENTI....",
    "PORTI A CASA 8.000 EURO....COMPLIMENTI....",
    "HAI CONQUISTATO IL SECONDO TRAGUARDO....BRAVO!",
    "HAI CONQUISTATO 35.000 EURO....COMPLIMENTI, BELLA CIFRA!",
    "HAI CONQUISTATO 70.000 EURO....COMPLIMENTI, BELLA CIFRA!",
    "HAI CONQUISTATO 150.000 EURO....COMPLIMENTI, BELLA CIFRA!",
    "HAI CONQUISTATO 300.000 EURO....COMPLIMENTI, BELLA CIFRA!",
};

// The host's comment on a walk-away, by how far the player got.
std::string_view walk_away_comment(int conta)
{
    if (conta == 1)
        return "NON HAI FATTO UNA BELLA FIGURA....";
    if (conta <= 5)
        return "LA PROSSIMA VOLTA FARAI DI MEGLIO....";
    if (conta <= 10)
        return "RIPROVACI....ARRIVERAI SICURAMENTE PIU' IN ALTO....";
    return "LA PROSSIMA VOLTA ARRIVERAI AL MILIONE....";
}

} // namespace

// The player asks to walk away: the host line shows what the question is worth, the nudges
// stop for good, and the confirmation window takes over the board.
void Board::Label5_Click()
{
    Label4.Caption = valdom;
    Timer6.Enabled = false;
    game.Form2.Show();
}

// After a wrong answer: the right answer blinks green and orange and stays green, the board is
// cleared and the light steps down the ladder (Timer15); back from there, the host says
// goodbye with the sum kept and the closing starts.
void Board::Timer10_Timer()
{
    Timer6.Enabled = false;
    nn = 0;
    for (int i = 0; i <= 3; ++i)
        if (Label3(i).Caption == risgiusta)
            indice = i;
    switch (qqq) {
    case 1:
    case 3:
    case 5:
        Label3(indice).BackColor = kGreen;
        Label3(indice).ForeColor = kPurple;
        break;
    case 2:
    case 4:
    case 6:
        Label3(indice).BackColor = kOrange;
        Label3(indice).ForeColor = kPurple;
        break;
    case 7:
        Label3(indice).BackColor = kGreen;
        Timer10.Interval = 2000;
        Label3(indice).ForeColor = kPurple;
        break;
    case 8:
        for (int i = 0; i <= 3; ++i) {
            Label3(i).BackColor = kBoard;
            Label3(i).Caption = "";
            Label6(i).Visible = false;
        }
        conta2 = conta;
        Label4.Caption = "";
        Label2.Caption = "";
        Timer9.Enabled = false;
        Timer15.Enabled = true;
        Timer10.Enabled = false;
        break;
    case 9:
        Label4.Caption = "IL TUO CAMMINO SI FERMA QUI....";
        break;
    case 10:
        if (conta2 >= 1 && conta2 <= 5) {
            Label4.Caption = "NON SEI ARRIVATO NEMMENO AL PRIMO TRAGUARDO....";
            ++f;
        } else if (conta2 >= 6 && conta2 <= 10) {
            Label4.Caption = "TORNI A CASA CON 500 EURO....";
            ++f;
        } else if (conta2 >= 11 && conta2 <= 15) {
            Label4.Caption = "TUTTO SOMMATO TORNI A CASA CON 16.000 EURO....";
            ++f;
        }
        break;
    case 11:
        if (f == 1)
            Label4.Caption = "RIPROVA LA PROSSIMA VOLTA!!!!";
        break;
    case 12:
        Timer10.Enabled = false;
        Image2.Enabled = false;
        Image3.Enabled = false;
        Image4.Enabled = false;
        Timer11.Enabled = true;
        Label5.Enabled = false;
        for (int i = 0; i <= 3; ++i)
            Label6(i).Enabled = false;
        for (int i = 0; i <= 14; ++i)
            release(i);
        break;
    default:
        break;
    }
    ++qqq;
}

// The light steps down from the rung of the question before the wrong one to the last
// milestone passed, or off the bottom of the ladder when none was passed. The first step
// lights the rung already lit; the others follow quickly.
void Board::Timer15_Timer()
{
    --conta;
    if (we >= 0 && we <= 4) {
        if (we == 0)
            Timer15.Interval = 50;
        if (conta == 0) {
            release(0);
            Timer15.Enabled = false;
            Timer10.Enabled = true;
        } else if (conta == 5 || conta == 10) {
            highlight(conta - 1);
            release(conta);
            Timer15.Enabled = false;
            Timer10.Enabled = true;
        } else {
            highlight(conta - 1);
            if (we != 0)
                release(conta);
        }
    }
    ++we;
}

// After "SI" to walking away: the board goes quiet, the host announces the sum taken home and,
// three seconds later, comments on it; three seconds after that the closing starts.
void Board::Timer12_Timer()
{
    Image2.Enabled = false;
    Image3.Enabled = false;
    Image4.Enabled = false;
    Timer6.Enabled = false;
    nn = 0;
    Label5.Enabled = false;
    Enabled = false;
    if (xc == 0) {
        Label4.Caption = kSumTaken.at(static_cast<std::size_t>(conta - 1));
        Timer12.Interval = 3000;
    } else if (xc == 1) {
        Label4.Caption = walk_away_comment(conta);
    }
    if (xc == 2) {
        Timer12.Enabled = false;
        Timer11.Enabled = true;
    }
    ++xc;
}

// The closing: a light climbs to the top of the ladder, the ladder vanishes rung by rung from
// the top, then the rest of the board is taken away piece by piece; the host line stays with
// the last word. Finally the board closes and the goodbye screen opens.
void Board::Timer11_Timer()
{
    for (int i = 0; i <= 14; ++i)
        Label1(i).ForeColor = rung_text(i);
    if (sa == 0) {
        highlight(0);
    } else if (sa >= 1 && sa <= 14) {
        highlight(sa);
        release(sa - 1);
    } else if (sa >= 15 && sa <= 28) {
        Label1(29 - sa).Visible = false;
        Shape1(29 - sa).Visible = false;
        highlight(28 - sa);
    } else {
        switch (sa) {
        case 29:
            Label1(0).Visible = false;
            Shape1(0).Visible = false;
            break;
        case 30:
            Line1(1).Visible = false;
            break;
        case 31:
            Line2(4).Visible = false;
            break;
        case 32:
            Line2(5).Visible = false;
            break;
        case 33:
            Label6(3).Visible = false;
            Label3(3).Visible = false;
            Shape3(3).Visible = false;
            break;
        case 34:
            Line2(1).Visible = false;
            break;
        case 35:
            Label6(2).Visible = false;
            Label3(2).Visible = false;
            Shape3(2).Visible = false;
            break;
        case 36:
            Line2(3).Visible = false;
            break;
        case 37:
            Line2(2).Visible = false;
            break;
        case 38:
            Shape3(0).Visible = false;
            break;
        case 39:
            Label6(0).Visible = false;
            Label3(0).Visible = false;
            Shape3(0).Visible = false;
            break;
        case 40:
            Line2(0).Visible = false;
            break;
        case 41:
            Label6(1).Visible = false;
            Label3(1).Visible = false;
            Shape3(1).Visible = false;
            break;
        case 42:
            Shape2.Visible = false;
            Label2.Visible = false;
            break;
        case 43:
            Line1(0).Visible = false;
            break;
        case 44:
            Shape5.Visible = false;
            Label5.Visible = false;
            break;
        case 45:
            Image4.Visible = false;
            Line5(0).Visible = false;
            Line5(1).Visible = false;
            break;
        case 46:
            Image3.Visible = false;
            Line4(0).Visible = false;
            Line4(1).Visible = false;
            break;
        case 47:
            Image2.Visible = false;
            Line3(0).Visible = false;
            Line3(1).Visible = false;
            break;
        case 48:
            Shape4.Visible = false;
            break;
        case 49:
            Image1.Visible = false;
            break;
        case 50:
            // Closing the board stops its timers, this one too.
            Unload();
            game.Form3.Show();
            break;
        default:
            break;
        }
    }
    ++sa;
}

// The million's lights have run (Timer16), or the player walked away at question conta
// (Timer12) and takes the rung below it, or answered question conta2 wrong and keeps the last
// milestone passed.
std::string Board::sum_won() const
{
    int rung = -1;
    if (lp > 0 || hg > 0)
        rung = 14;
    else if (xc > 0)
        rung = conta - 2;
    else if (conta2 >= 11)
        rung = 9;
    else if (conta2 >= 6)
        rung = 4;
    return rung >= 0 ? std::string(rung_sum(rung)) + " €" : "";
}
