// Drawing a question from the level's pool and placing its four answers on the board.
#include "game/form1.h"

#include "game/bank/bank.h"
#include "game/game.h"

#include <array>

namespace {

// clang-format off
// Which answer stands at A, B, C and D for each arrangement: 0 is the right answer, 1 to 3 the
// wrong ones in pool order.
constexpr std::array<std::array<int, 4>, 12> kDisposizioni = {{
    {0, 1, 2, 3},
    {1, 0, 2, 3},
    {1, 2, 0, 3},
    {1, 2, 3, 0},
    {0, 3, 2, 1},
    {3, 0, 2, 1},
    {3, 2, 0, 1},
    {3, 2, 1, 0},
    {0, 2, 1, 3},
    {2, 0, 1, 3},
    {2, 1, 0, 3},
    {2, 1, 3, 0},
}};
// clang-format on

std::string with_blanks(std::string_view answer)
{
    return std::string(bank::kAnswerBlanks) + std::string(answer);
}

// What every domanda sub does, with the pool of its own level: draw a question and an
// arrangement, show the question and let Timer5 bring on the answers. Every question of the
// pool has the same chance.
void poni_domanda(Board& Form1, int level)
{
    Form1.Timer4.Enabled = false;
    const bank::Pool& pool = Form1.questions(level);
    Form1.runtime().Randomize();
    Form1.ind = static_cast<tk::Integer>(Form1.runtime().random().below(static_cast<int>(pool.size())) + 1);
    const bank::Question& row = pool[static_cast<std::size_t>(Form1.ind - 1)];
    Form1.domanda = row.domanda;
    Form1.risgiusta = with_blanks(row.giusta);
    for (int k = 1; k <= 3; ++k)
        Form1.sbagliate(k) = with_blanks(row.errate[static_cast<std::size_t>(k - 1)]);
    Form1.disp = static_cast<tk::Integer>(Form1.runtime().random().below(12) + 1);
    Form1.Label2.Caption = Form1.domanda;
    Form1.ind = 0;
    Form1.Timer5.Enabled = true;
}

} // namespace

const bank::Pool& Board::questions(int level) const
{
    return game.pack.pool(level);
}

// clang-format off
void Board::domanda1() { poni_domanda(*this, 1); }
void Board::domanda2() { poni_domanda(*this, 2); }
void Board::domanda3() { poni_domanda(*this, 3); }
void Board::domanda4() { poni_domanda(*this, 4); }
void Board::domanda5() { poni_domanda(*this, 5); }
void Board::domanda6() { poni_domanda(*this, 6); }
void Board::domanda7() { poni_domanda(*this, 7); }
void Board::domanda8() { poni_domanda(*this, 8); }
void Board::domanda9() { poni_domanda(*this, 9); }
void Board::domanda10() { poni_domanda(*this, 10); }
void Board::domanda11() { poni_domanda(*this, 11); }
void Board::domanda12() { poni_domanda(*this, 12); }
void Board::domanda13() { poni_domanda(*this, 13); }
void Board::domanda14() { poni_domanda(*this, 14); }
void Board::domanda15() { poni_domanda(*this, 15); }
// clang-format on

// One answer every 1.5 s, A to D; with the fourth the board opens for the player.
void Board::Timer5_Timer()
{
    int p = ll;
    int which = kDisposizioni[static_cast<std::size_t>(disp - 1)][static_cast<std::size_t>(p)];
    Label3(p).Caption = which == 0 ? risgiusta : sbagliate(which);
    Label6(p).Enabled = true;
    Label3(p).Enabled = true;
    Label6(p).Visible = true;
    Label3(p).Visible = true;
    if (p == 3) {
        // The lifelines open with the first question; later they stay as the player left them.
        if (conta == 1) {
            Image2.Enabled = true;
            Image3.Enabled = true;
            Image4.Enabled = true;
        }
        Timer6.Enabled = true;
        Timer5.Enabled = false;
        Label5.Enabled = true;
        ll = 0;
        Enabled = true;
    } else {
        ll = static_cast<tk::Integer>(p + 1);
    }
}
