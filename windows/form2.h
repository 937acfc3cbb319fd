// Form2, "Vuoi veramente abbandonare?": the walk-away confirmation.
#pragma once

#include "game/form1.h"

struct WalkAwayControls {
    WalkAwayControls();
    void each_control(tk::ControlVisitor& v); // back to front
    tk::Shape Shape1, Shape2, Shape3;
    tk::Line Line1, Line2;
    tk::Label Label1, Label2, Label3; // the question, "SI", "NO"
};

class WalkAway final : public tk::FormOf<WalkAwayControls> {
public:
    explicit WalkAway(Game& game);

    void click(std::string_view control, int index) override;
    void close_requested() override;

    tk::Integer fase = 0; // build-up step, kept across openings

    tk::Timer Timer1 {*this, "Timer1", 50, false, [this] { Timer1_Timer(); }};

    void Timer1_Timer();
    void Label2_Click();
    void Label3_Click();

protected:
    void Form_Load() override;

private:
    Game& game;
};
