// The studio audience's poll: the shares of the four answers and the rising bars.
//
//   Form_Load      the poll is settled at once, then the window builds up
//   dddd           the four percentages: the right answer's share by the level, the rest shared out
//   Timer1_Timer   the frame builds up, then the four bars rise half a second apart
//   Label10_Click  "TORNA AL GIOCO": back to the board
#include "lifelines/form5.h"

#include "game/game.h"

#include <string>

void AudiencePoll::Form_Load()
{
    dddd();
    Timer1.Enabled = true;
}

// The audience knows the easy questions well, the middle ones so-so, the hard ones hardly at all:
// the right answer's share is drawn from a range set by the level. The wrong answers still on the
// board share what is left, the ones the computer took away get nothing, and the four always add
// up to 100.
void AudiencePoll::dddd()
{
    const Board& board = game.Form1;
    // The source is re-seeded many times within the same second here; each re-seed stirs the time
    // into the source instead of restarting it, so the shares stay independent draws.
    runtime().Randomize();
    resto = 100;
    int conta = board.conta;

    int base = 0, span = 0;
    if (conta <= 5) {
        base = 70;
        span = 30;
    } else if (conta <= 10) {
        base = 35;
        span = 20;
    } else {
        base = 10;
        span = 40;
    }

    // Every share set also gives its text above the bar and its lit segments, 4 % each.
    auto set = [this](int x, int value) {
        perc(x) = static_cast<tk::Integer>(value);
        testi(x) = std::to_string(value);
        tacche(x) = static_cast<tk::Integer>(value / 4);
    };

    for (int i = 1; i <= 4; ++i) {
        runtime().Randomize();
        if (board.Label3(i - 1).Caption != board.risgiusta)
            continue;
        posgiusta = static_cast<tk::Integer>(i);
        estratto = static_cast<tk::Integer>(runtime().random().below(span));
        set(i, estratto + base);
        resto = static_cast<tk::Integer>(resto - perc(i));
        for (int j = 1; j <= 4; ++j) {
            if (!board.Label3(j - 1).Visible) {
                set(j, 0);
                continue;
            }
            runtime().Randomize();
            if (j == posgiusta)
                continue;
            ++contati;
            if (contati == 3) {
                set(j, resto);
                resto = 0;
            } else {
                estratto = static_cast<tk::Integer>(runtime().random().below(resto));
                set(j, estratto);
                resto = static_cast<tk::Integer>(resto - perc(j));
            }
        }
        // After a 50:50 some points are left over: the first answer still on the board takes them.
        if (resto != 0) {
            for (int k = 1; k <= 4; ++k) {
                if (board.Label3(k - 1).Visible) {
                    set(k, perc(k) + resto);
                    resto = 0;
                    break;
                }
            }
        }
    }
}

// The frame of the result builds up 50 ms a piece; then the bars rise, A to D, half a second apart,
// each with its percentage above it.
void AudiencePoll::Timer1_Timer()
{
    // Lights the first n segments of a bar at once.
    auto raise = [](tk::ControlArray<tk::Shape, 25, 1>& bar, int n) {
        for (int k = 1; k <= n; ++k)
            bar(k).Visible = true;
    };
    switch (lk) {
    case 0:
        Shape3.Visible = true;
        break;
    case 1:
        Line2.Visible = true;
        break;
    case 2:
        Line3.Visible = true;
        break;
    case 3:
        Line4.Visible = true;
        break;
    case 4:
        Line5.Visible = true;
        break;
    case 5:
        Shape6.Visible = true;
        break;
    case 6:
        Shape7.Visible = true;
        break;
    case 7:
        Shape8.Visible = true;
        break;
    case 8:
        Shape9.Visible = true;
        break;
    case 9:
        Line1.Visible = true;
        break;
    case 10:
        Shape10.Visible = true;
        break;
    case 11:
        Shape11.Visible = true;
        break;
    case 12:
        Shape12.Visible = true;
        break;
    case 13:
        Shape13.Visible = true;
        break;
    case 14:
        Shape14.Visible = true;
        break;
    case 15:
        Label1.Visible = true;
        break;
    case 16:
        Label10.Visible = true;
        Timer1.Interval = 500;
        break;
    case 17:
        Label6.Visible = true;
        Label2.Visible = true;
        Label2.Caption = testi(1) + "%";
        raise(Shape1, tacche(1));
        break;
    case 18:
        Label7.Visible = true;
        Label3.Visible = true;
        Label3.Caption = testi(2) + "%";
        raise(Shape2, tacche(2));
        break;
    case 19:
        Label8.Visible = true;
        Label4.Visible = true;
        Label4.Caption = testi(3) + "%";
        raise(Shape4, tacche(3));
        break;
    case 20:
        Label9.Visible = true;
        Label5.Visible = true;
        Label5.Caption = testi(4) + "%";
        raise(Shape5, tacche(4));
        Timer1.Enabled = false;
        break;
    default:
        break;
    }
    ++lk;
}

// The poll is over: the board takes clicks again. The audience stays crossed out.
void AudiencePoll::Label10_Click()
{
    game.Form1.Enabled = true;
    Unload();
}
