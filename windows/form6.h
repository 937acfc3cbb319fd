// Form6, "LA ACCENDIAMO?": the final-answer confirmation, built up piece by piece.
#pragma once

#include "game/form1.h"

struct FinalAnswerControls {
    FinalAnswerControls();
    void each_control(tk::ControlVisitor& v); // back to front
    tk::Shape Shape1, Shape2, Shape3;
    tk::Line Line1, Line2, Line3, Line4;
    tk::Label Label1;
    tk::ControlArray<tk::Label, 2> Label2; // "SI", "NO"
};

class FinalAnswer final : public tk::FormOf<FinalAnswerControls> {
public:
    explicit FinalAnswer(Game& game);

    void click(std::string_view control, int index) override;
    void close_requested() override;

    tk::Integer fase = 0; // build-up step, kept across openings

    tk::Timer Timer1 {*this, "Timer1", 50, false, [this] { Timer1_Timer(); }};

    void Timer1_Timer();
    void Label2_Click(int Index);

protected:
    void Form_Load() override;

private:
    Game& game;
};
