// The host between questions: the lifeline reminder, the lead-in, the value line, the question.
#include "game/form1.h"

#include "game/game.h"

#include <array>
#include <string_view>

namespace {

// clang-format off
// What each rung is worth, as the host announces it.
constexpr std::array<std::string_view, 15> kValori = {
    "DOMANDA DA 50 EURO",      "DOMANDA DA 100 EURO",     "DOMANDA DA 200 EURO",
    "DOMANDA DA 300 EURO",     "DOMANDA DA 500 EURO",     "DOMANDA DA 1.000 EURO",
    "DOMANDA DA 2.000 EURO",   "DOMANDA DA 4.000 EURO",   "DOMANDA DA 8.000 EURO",
    "DOMANDA DA 16.000 EURO",  "DOMANDA DA 35.000 EURO",  "DOMANDA DA 70.000 EURO",
    "DOMANDA DA 150.000 EURO", "DOMANDA DA 300.000 EURO", "DOMANDA DA 1 MILIONE DI EURO",
};

// The sub that draws and shows the question of each level.
constexpr std::array<void (Board::*)(), 15> kDomande = {
    &Board::domanda1,  &Board::domanda2,  &Board::domanda3,  &Board::domanda4,  &Board::domanda5,
    &Board::domanda6,  &Board::domanda7,  &Board::domanda8,  &Board::domanda9,  &Board::domanda10,
    &Board::domanda11, &Board::domanda12, &Board::domanda13, &Board::domanda14, &Board::domanda15,
};
// clang-format on

} // namespace

// One step per tick. Before the first question the host points at the three lifelines; then
// each question gets three steps: a lead-in phrase, its value, and the question itself.
// Question n uses steps 3n + 1, 3n + 2 and 3n + 3.
void Board::Timer4_Timer()
{
    // Nobody touches the board while the host speaks.
    Enabled = false;
    runtime().Randomize();

    if (passo == 0) {
        Label4.Caption = "TI RICORDO CHE HAI TRE AIUTI....";
    } else if (passo == 1) {
        Label4.Caption = "L'AIUTO DEL COMPUTER....";
        Line6.Visible = true;
        Line7.Visible = true;
        Line8.Visible = true;
    } else if (passo == 2) {
        Label4.Caption = "L'AIUTO DA CASA....";
        Line6.Visible = false;
        Line7.Visible = false;
        Line8.Visible = false;
        Line9.Visible = true;
        Line10.Visible = true;
        Line11.Visible = true;
    } else if (passo == 3) {
        Label4.Caption = "E QUELLO DEL PUBBLICO....";
        Line9.Visible = false;
        Line10.Visible = false;
        Line11.Visible = false;
        Line12.Visible = true;
        Line13.Visible = true;
        Line14.Visible = true;
        Timer4.Interval = 2500;
        ++conta; // the first question is counted here, so that its lead-in already reads row 1
    } else if (passo == 4) {
        qq = static_cast<Integer>(runtime().random().below(5) + 1);
        Label4.Caption = std::string(frasi(conta, qq));
        Line12.Visible = false;
        Line13.Visible = false;
        Line14.Visible = false;
        Timer4.Interval = 3000;
    } else if (passo >= 7 && passo <= 46 && passo % 3 == 1) {
        qq = static_cast<Integer>(runtime().random().below(5) + 1);
        ++conta;
        Label4.Caption = std::string(frasi(conta, qq));
    } else if (passo >= 5 && passo <= 47 && passo % 3 == 2) {
        int n = (passo - 2) / 3;
        valdom = std::string(kValori[static_cast<std::size_t>(n - 1)]);
        Label4.Caption = valdom;
    } else if (passo >= 6 && passo <= 48 && passo % 3 == 0) {
        int n = (passo - 3) / 3;
        (this->*kDomande[static_cast<std::size_t>(n - 1)])();
    }
    ++passo;
}
