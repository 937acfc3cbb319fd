// Form1, the studio board: the money ladder, the host line, the question and its four answers,
// the lifelines, "ABBANDONA" and the logo. It owns every piece of game state.
//
// Where the handlers live:
//   form1.cpp         design-time controls, Form_Load, the lead-in phrases, clicks and closing
//   opening.cpp       Timer3_Timer, Image1_Click, Timer2_Timer, Timer1_Timer
//   presentation.cpp  Timer4_Timer
//   question.cpp      domanda1..domanda15, Timer5_Timer
//   choice.cpp        Label6_Click, Timer6_Timer
//   reveal.cpp        Timer7_Timer, Timer8_Timer, Timer9_Timer
//   milestones.cpp    Timer14_Timer, Timer16_Timer
//   endings.cpp       Label5_Click, Timer10_Timer, Timer15_Timer, Timer12_Timer, Timer11_Timer
//   ../lifelines/lifelines.cpp  Image2_Click, Image3_Click, Image4_Click, Timer13_Timer, computer
#pragma once

#include "game/bank/bank.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

#include <string>
#include <string_view>

class Game;

namespace colors {
constexpr tk::Color kBoard = 0x000040; // the board's dark blue
constexpr tk::Color kFrame = 0x8080FF; // outline of every frame
constexpr tk::Color kGreen = 0x00FF00; // highlight
constexpr tk::Color kOrange = 0xFF8000; // a chosen answer
constexpr tk::Color kRed = 0xFF0000; // a wrong answer, the crosses
constexpr tk::Color kPurple = 0x400040; // text on a highlight
constexpr tk::Color kWhite = 0xFFFFFF; // milestone rungs, answers
constexpr tk::Color kRungText = 0xFFC080; // the other rungs, the letters
constexpr tk::Color kCyan = 0x00FFFF; // the host line
} // namespace colors

// A dialog of the show belongs to the board and opens over its top, this far below the board's
// client top, so that the question and the answers stay in sight.
constexpr int kDialogTop = 1320;
inline constexpr tk::FormDesign dialog_design(std::string_view name, std::string_view title, int width, int height)
{
    return tk::FormDesign {.name = name,
        .title = title,
        .ClientWidth = width,
        .ClientHeight = height,
        .owner = "Form1",
        .placement = tk::Placement::OverOwner,
        .top_over_owner = kDialogTop};
}

inline constexpr tk::FormDesign kBoardDesign {.name = "Form1",
    .title = "RUVANTIA  -  la scalata verso il milione, ideata e realizzata dalla squadra di RUVANTIA",
    .ClientWidth = 12345,
    .ClientHeight = 10965};

// The board as it stands before Form_Load: everything but the logo and the host line hidden.
// Board::visit_controls gives their order on screen.
struct BoardControls {
    BoardControls();
    void each_control(tk::ControlVisitor& v); // back to front

    tk::Picture Image1;
    tk::Label Label4;
    tk::Shape Shape4;
    tk::ControlArray<tk::Label, 15> Label1;
    tk::ControlArray<tk::Shape, 15> Shape1;
    tk::Label Label2;
    tk::Shape Shape2;
    tk::ControlArray<tk::Label, 4> Label6;
    tk::ControlArray<tk::Label, 4> Label3;
    tk::ControlArray<tk::Shape, 4> Shape3;
    tk::Picture Image2, Image3, Image4;
    tk::Label Label5;
    tk::Shape Shape5;
    tk::Line Line6, Line7, Line8, Line9, Line10, Line11, Line12, Line13, Line14;
    tk::ControlArray<tk::Line, 2> Line3, Line4, Line5;
    tk::ControlArray<tk::Line, 2> Line1;
    tk::ControlArray<tk::Line, 6> Line2;
};

class Board final : public tk::FormOf<BoardControls> {
public:
    explicit Board(Game& game);

    void click(std::string_view control, int index) override;
    void close_requested() override;

    // What the player takes home from a show that has ended, as "16.000 €"; "" for nothing.
    std::string sum_won() const;

    // Window variables: public, the other windows read and assign them by name.
    using Integer = tk::Integer;
    // Each says what it holds and which phase (file) uses it.
    Integer m = 0; // Timer3's tick count: the blinking invitation (opening)
    Integer y = 0; // Timer2's tick count: the board's reveal (opening)
    Integer k = 0; // Timer1's tick count: the ladder's sweep (opening)
    Integer conta = 0; // the current question, 1 to 15, 0 before the first (presentation; endings count it down)
    std::string domanda; // the current question's text (question)
    std::string risgiusta; // the right answer as its label shows it, leading blanks included (question, lifelines)
    Integer qq = 0; // the host's lead-in slot just drawn, 1 to 5 (presentation)
    Integer ind = 0; // the question drawn from the level's pool, 0 once it is shown (question)
    Integer ll = 0; // the answer position, 0 to 3, that Timer5 fills next (question, reveal)
    Integer disp = 0; // the arrangement, 1 to 12, of the answers on A to D (question)
    Integer aiuti = 0; // lifelines not yet taken, 3 after Form_Load (lifelines, choice)
    std::string valdom; // the value line, "DOMANDA DA 50 EURO" and on (presentation, choice, endings)
    Integer nn = 0; // Timer6's tick count: the prompts while the player hesitates (choice, lifelines, endings)
    Integer clic = 0; // answer clicks taken in this question: the lock on a second (choice, reveal)
    Integer indlab = 0; // the letter clicked, 0 to 3 (choice, reveal)
    Integer bb = 0; // Timer7's step: the suspense before a right answer (reveal)
    Integer indice = 0; // working value of Timer8, Timer9 and Timer10 (reveal, endings)
    Integer ccc = 0; // Timer8's tick count: the wrong answer's flashes (reveal)
    std::string lettera; // the right answer's letter, said after a wrong answer (reveal)
    Integer qqq = 0; // Timer9's and Timer10's tick count, cleared by Timer14 (reveal, milestones, endings)
    Integer f = 0; // Timer10's counter (endings)
    Integer sa = 0; // Timer11's tick count: the board taken apart at the close (endings)
    Integer xc = 0; // Timer12's tick count: the sum taken home after walking away (endings)
    Integer sb = 0; // answers taken away by the computer's 50:50 (lifelines)
    Integer io = 0; // Timer13's tick count: the 50:50 at work (lifelines)
    Integer sd = 0; // Timer14's step: a milestone's celebration (milestones)
    Integer we = 0; // Timer15's tick count: the light stepping down after a wrong answer (endings)
    Integer conta2 = 0; // Timer10's working value (endings)
    Integer lp = 0; // Timer16's tick count: the million's light runs (milestones)
    Integer hg = 0; // Timer16's completed runs of lights (milestones)
    Integer passo = 0; // Timer4's own step, never reset (presentation)

    tk::Table2<std::string_view, 1, 15, 1, 5> frasi;
    tk::Table<std::string, 1, 3> sbagliate;

    tk::Timer Timer1 {*this, "Timer1", 40, true, [this] { Timer1_Timer(); }};
    tk::Timer Timer2 {*this, "Timer2", 100, true, [this] { Timer2_Timer(); }};
    tk::Timer Timer3 {*this, "Timer3", 800, true, [this] { Timer3_Timer(); }};
    tk::Timer Timer4 {*this, "Timer4", 1500, false, [this] { Timer4_Timer(); }};
    tk::Timer Timer5 {*this, "Timer5", 1500, false, [this] { Timer5_Timer(); }};
    tk::Timer Timer6 {*this, "Timer6", 1000, false, [this] { Timer6_Timer(); }};
    tk::Timer Timer7 {*this, "Timer7", 1, false, [this] { Timer7_Timer(); }};
    tk::Timer Timer8 {*this, "Timer8", 1, false, [this] { Timer8_Timer(); }};
    tk::Timer Timer9 {*this, "Timer9", 100, false, [this] { Timer9_Timer(); }};
    tk::Timer Timer10 {*this, "Timer10", 100, false, [this] { Timer10_Timer(); }};
    tk::Timer Timer11 {*this, "Timer11", 40, false, [this] { Timer11_Timer(); }};
    tk::Timer Timer12 {*this, "Timer12", 10, false, [this] { Timer12_Timer(); }};
    tk::Timer Timer13 {*this, "Timer13", 1, false, [this] { Timer13_Timer(); }};
    tk::Timer Timer14 {*this, "Timer14", 100, false, [this] { Timer14_Timer(); }};
    tk::Timer Timer15 {*this, "Timer15", 2000, false, [this] { Timer15_Timer(); }};
    tk::Timer Timer16 {*this, "Timer16", 100, false, [this] { Timer16_Timer(); }};

    // Opening.
    void Timer3_Timer();
    void Image1_Click();
    void Timer2_Timer();
    void Timer1_Timer();
    // Presentation and question.
    void Timer4_Timer();
    // The questions of a level (1 to 15), from the show's pack.
    const bank::Pool& questions(int level) const;
    void domanda1();
    void domanda2();
    void domanda3();
    void domanda4();
    void domanda5();
    void domanda6();
    void domanda7();
    void domanda8();
    void domanda9();
    void domanda10();
    void domanda11();
    void domanda12();
    void domanda13();
    void domanda14();
    void domanda15();
    void Timer5_Timer();
    // Choice and reveal.
    void Label6_Click(int Index);
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
    // Milestones and the million.
    void Timer14_Timer();
    void Timer16_Timer();
    // Endings.
    void Label5_Click();
    void Timer10_Timer();
    void Timer15_Timer();
    void Timer12_Timer();
    void Timer11_Timer();
    // Lifelines.
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Timer13_Timer();
    void computer();

    // Lighting a rung of the ladder and putting it out again.
    void highlight(int rung);
    void release(int rung);
    static tk::Color rung_text(int rung);
    // A rung's sum as its caption writes it ("16.000" for rung 9).
    static std::string_view rung_sum(int rung);

protected:
    void Form_Load() override;

private:
    Game& game;
};
