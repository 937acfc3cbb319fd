// The board as it waits for an answer, set up directly for the lifeline tests: any level, the right
// answer at any position, the three pictures clickable, the hesitation prompts running.
#pragma once

#include "tools/sim/simulation.h"

#include <array>
#include <string>
#include <vector>

namespace lifeline_board {

inline constexpr std::array<const char*, 4> kLetters = {"A", "B", "C", "D"};

inline void set_question(Game& g, int level, int right, const std::vector<int>& removed = {})
{
    g.runtime.dispatch([&] {
        Board& b = g.Form1;
        b.Timer3.Enabled = false; // the opening's blinking would only add noise
        b.conta = static_cast<tk::Integer>(level);
        b.valdom = "DOMANDA DA " + std::to_string(level) + " EURO";
        b.risgiusta = "      Giusta";
        for (int i = 0; i <= 3; ++i) {
            b.Label3(i).Caption = i == right ? b.risgiusta : "      Sbagliata " + std::to_string(i);
            b.Label3(i).Visible = b.Label3(i).Enabled = b.Shape3(i).Visible = true;
            b.Label6(i).Visible = b.Label6(i).Enabled = true;
        }
        for (int i : removed) // as a 50:50 leaves them
            b.Label3(i).Visible = b.Label6(i).Visible = false;
        for (tk::Picture* p : {&b.Image2, &b.Image3, &b.Image4})
            p->Visible = p->Enabled = true;
        b.Label4.Caption = b.valdom;
        b.Timer6.Enabled = true;
    });
}

// The letters still on the board, e.g. "BD".
inline std::string letters_left(Game& g)
{
    std::string left;
    for (int i = 0; i <= 3; ++i)
        if (g.Form1.Label3(i).Visible && g.Form1.Label6(i).Visible)
            left += kLetters[static_cast<std::size_t>(i)];
    return left;
}

// Opens a lifeline window afresh, as if for the first time in its game, without moving the clock.
inline void reopen(Game& g, tk::Form& window)
{
    g.runtime.dispatch([&] {
        window.Unload();
        g.Form4.ty = -1;
        g.Form5.contati = g.Form5.lk = 0;
        window.Show();
    });
}

} // namespace lifeline_board
