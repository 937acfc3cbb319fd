// Form4, "AIUTO DA CASA": the friend on the phone names a letter.
#pragma once

#include "game/form1.h"

struct PhoneFriendControls {
    PhoneFriendControls();
    void each_control(tk::ControlVisitor& v); // back to front
    tk::Picture Image1;
    tk::Shape Shape1, Shape2;
    tk::Line Line1;
    tk::Label Label1, Label2; // the friend's sentence, "TORNA AL GIOCO"
};

class PhoneFriend final : public tk::FormOf<PhoneFriendControls> {
public:
    explicit PhoneFriend(Game& game);

    void click(std::string_view control, int index) override;
    void close_requested() override;

    std::string lett;
    tk::Integer ty = 0, dh = 0, fg = 0;
    tk::Table2<std::string, 1, 3, 1, 10> consigli;

    tk::Timer Timer1 {*this, "Timer1", 50, false, [this] { Timer1_Timer(); }};

    void indlet();
    void Timer1_Timer();
    void Label2_Click();

protected:
    void Form_Load() override;

private:
    Game& game;
};
