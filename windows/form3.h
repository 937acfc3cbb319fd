// Form3, "CIAO!": the goodbye screen with its credits, chasing lights and dedication.
#pragma once

#include "game/form1.h"

struct GoodbyeControls {
    GoodbyeControls();
    void each_control(tk::ControlVisitor& v); // back to front
    tk::Shape Shape1;
    tk::ControlArray<tk::Shape, 100> Shape2; // outer border
    tk::ControlArray<tk::Shape, 88> Shape3; // inner border
    tk::Label Label1, Label2, Label3, Label4; // credit lines
    tk::ControlArray<tk::Label, 32> Label5; // the dedication, one letter each
};

class Goodbye final : public tk::FormOf<GoodbyeControls> {
public:
    explicit Goodbye(Game& game);

    void close_requested() override;

    // Counters kept from tick to tick.
    tk::Integer righe = 0, esterno = 0, interno = 0, giri = 0, lampi = 0;
    tk::Integer ft = 0, ds = 0;

    tk::Timer Timer1 {*this, "Timer1", 500, false, [this] { Timer1_Timer(); }};
    tk::Timer Timer2 {*this, "Timer2", 10, false, [this] { Timer2_Timer(); }};
    tk::Timer Timer3 {*this, "Timer3", 1000, false, [this] { Timer3_Timer(); }};
    tk::Timer Timer4 {*this, "Timer4", 50, false, [this] { Timer4_Timer(); }};
    tk::Timer Timer5 {*this, "Timer5", 50, false, [this] { Timer5_Timer(); }};

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();

protected:
    void Form_Load() override;

private:
    Game& game;
};
