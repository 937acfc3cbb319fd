// The friend at home: which letter they name, and how sure they sound.
//
//   Form_Load     the letter is settled and the ten sentences of the level's band are written
//   indlet        the letter: always right on the easy questions, less and less often after
//   Timer1_Timer  the window builds up, and 1.5 s later the friend speaks
//   Label2_Click  "TORNA AL GIOCO": back to the board
#include "lifelines/form4.h"

#include "game/game.h"

#include <array>
#include <string_view>

namespace {

// Band 1 is questions 1 to 5, band 2 is 6 to 10, band 3 is 11 to 15.
int band(int conta)
{
    return conta <= 5 ? 1 : conta <= 10 ? 2 : 3;
}

// Each sentence is its opening, the letter, and its closing. The friend sounds sure, hesitant or
// openly guessing according to how hard the question is, not to whether they are right.
struct Sentence {
    std::string_view before;
    std::string_view after;
};

constexpr std::array<std::array<Sentence, 10>, 3> kConsigli = {{
    {{
        {"Facile, è la ", ""},
        {"Come fai a non saperla? E' la ", ""},
        {"E' sicuramente la ", ""},
        {"Scegli la lettera ", ""},
        {"Se ti blocchi ora figuriamoci dopo, è la ", ""},
        {"E' la ", ", ne sono sicuro"},
        {"Scegli la ", ", è quella esatta"},
        {"Vai sicuro sulla ", ""},
        {"La risposta esatta è la ", ""},
        {"Sono sicurissimo che è la ", ""},
    }},
    {{
        {"Prova con la ", ", ma non ne sono sicuro"},
        {"Sono indeciso, prova con la ", ""},
        {"Prova con la ", ""},
        {"Spero di aiutarti, ti consiglio la ", ""},
        {"Mi sembra sia la ", ""},
        {"Dovrebbe essere la ", ", però ragionaci su"},
        {"Non ne ho la certezza, ma ti consiglio la ", ""},
        {"Credo sia la ", ""},
        {"Spero sia la ", ", ma non posso dirti di esserne sicuro"},
        {"Non è tanto facile, forse è la ", ""},
    }},
    {{
        {"Sinceramente non la so, forse è la ", ""},
        {"Vado a intuito, io sceglierei la ", ""},
        {"E' difficile aiutarti, non so, io dico la ", ""},
        {"A intuito ti dico di scegliere la ", ""},
        {"Il mio sesto senso ti consiglia la ", ""},
        {"Visto che devo spararne una, ti dico la ", ""},
        {"Non so, prova con la ", ", tuttavia è un gioco"},
        {"Vorrei tanto aiutarti, ma non la so, a caso ti dico la ", ""},
        {"Che domanda! A istinto andrei sulla ", ""},
        {"Non so, sarà la ", "?!"},
    }},
}};

constexpr std::array<std::string_view, 4> kLetters = {"A", "B", "C", "D"};

} // namespace

// The friend makes up their mind before the window shows anything.
void PhoneFriend::Form_Load()
{
    runtime().Randomize();
    indlet();
    int b = band(game.Form1.conta);
    for (int n = 1; n <= 10; ++n) {
        const Sentence& s = kConsigli[static_cast<std::size_t>(b - 1)][static_cast<std::size_t>(n - 1)];
        consigli(b, n) = std::string(s.before) + lett + std::string(s.after);
    }
    Timer1.Enabled = true;
}

// Up to question 5 the friend knows the answer. After that they are right nine times in ten, then
// one time in two; when wrong they name the first wrong answer still on the board, so an answer
// the computer took away is never named.
void PhoneFriend::indlet()
{
    runtime().Randomize();
    const Board& board = game.Form1;
    int conta = board.conta;
    if (conta <= 5) {
        for (int i = 0; i <= 3; ++i)
            if (board.Label3(i).Caption == board.risgiusta)
                lett = kLetters[static_cast<std::size_t>(i)];
        return;
    }
    ty = static_cast<tk::Integer>(runtime().random().below(10));
    bool right = conta <= 10 ? ty <= 8 : ty <= 4;
    for (int i = 0; i <= 3; ++i) {
        if (!board.Label3(i).Visible)
            continue;
        if ((board.Label3(i).Caption == board.risgiusta) == right) {
            lett = kLetters[static_cast<std::size_t>(i)];
            return;
        }
    }
}

// The handset, the sentence frame, the connector and the button appear 50 ms apart; the friend
// speaks 1.5 s after the button.
void PhoneFriend::Timer1_Timer()
{
    runtime().Randomize();
    switch (dh) {
    case 0:
        Image1.Visible = true;
        break;
    case 1:
        Shape1.Visible = true;
        Label1.Visible = true;
        break;
    case 2:
        Line1.Visible = true;
        break;
    case 3:
        Shape2.Visible = true;
        Label2.Visible = true;
        Timer1.Interval = 1500;
        break;
    case 4:
        fg = static_cast<tk::Integer>(runtime().random().below(10) + 1);
        Label1.Caption = consigli(band(game.Form1.conta), fg);
        Timer1.Enabled = false;
        break;
    default:
        break;
    }
    ++dh;
}

// The call is over: the board takes clicks again. The phone stays crossed out.
void PhoneFriend::Label2_Click()
{
    game.Form1.Enabled = true;
    Unload();
}
