// Form5, "AIUTO DEL PUBBLICO": the studio audience's poll as four rising bars.
#pragma once

#include "game/form1.h"

struct AudiencePollControls {
    AudiencePollControls();
    void each_control(tk::ControlVisitor& v); // back to front
    tk::Shape Shape3; // frame of the title
    tk::Line Line2, Line3, Line4, Line5; // fan to the percentages
    tk::Shape Shape6, Shape7, Shape8, Shape9; // frames of the percentages
    tk::ControlArray<tk::Shape, 25, 1> Shape1, Shape2, Shape4, Shape5; // bar segments A, B, C, D
    tk::Line Line1; // base line
    tk::Shape Shape10, Shape11, Shape12, Shape13; // frames of the letters
    tk::Shape Shape14; // frame of the button
    tk::Label Label1; // "RISULTATI DEL SONDAGGIO"
    tk::Label Label2, Label3, Label4, Label5; // percentages
    tk::Label Label6, Label7, Label8, Label9; // letters
    tk::Label Label10; // "TORNA AL GIOCO"
};

class AudiencePoll final : public tk::FormOf<AudiencePollControls> {
public:
    explicit AudiencePoll(Game& game);

    void click(std::string_view control, int index) override;
    void close_requested() override;

    tk::Table<tk::Integer, 1, 4> perc;
    tk::Table<std::string, 1, 4> testi;
    tk::Table<tk::Integer, 1, 4> tacche;
    tk::Integer resto = 0, posgiusta = 0, estratto = 0, contati = 0, lk = 0;

    tk::Timer Timer1 {*this, "Timer1", 50, false, [this] { Timer1_Timer(); }};

    void dddd();
    void Timer1_Timer();
    void Label10_Click();

protected:
    void Form_Load() override;

private:
    Game& game;
};
