// The goodbye screen: credits, two chasing lights, flashing borders, the dedication spelled
// out and taken away, and the end of the program.
//
//   Timer1  the four credit lines, one every half second
//   Timer2  two lights chase round the double border until the inner one has done five laps
//   Timer3  the borders flash green and orange while the credit lines go, and the dedication starts
//   Timer4  the dedication, one letter at a time, then a pause
//   Timer5  the letters go one at a time, and the screen closes
#include "windows/form3.h"

#include "game/game.h"

using namespace colors;

void Goodbye::Form_Load()
{
    Timer1.Enabled = true;
}

void Goodbye::Timer1_Timer()
{
    switch (righe) {
    case 0:
        Label1.Visible = true;
        break;
    case 1:
        Label2.Visible = true;
        break;
    case 2:
        Label3.Visible = true;
        break;
    case 3:
        Label4.Visible = true;
        break;
    default:
        break;
    }
    ++righe;
    if (righe == 4) {
        Timer2.Enabled = true;
        Timer1.Enabled = false;
    }
}

// The outer light runs down the left edge first, the inner one along the top; each lamp
// appears the first time a light reaches it and stays.
void Goodbye::Timer2_Timer()
{
    Shape2(esterno).Visible = true;
    Shape2(esterno).BackColor = kGreen;
    if (esterno != 0)
        Shape2(esterno - 1).BackColor = kBoard;
    Shape3(interno).Visible = true;
    Shape3(interno).BackColor = kGreen;
    if (interno != 87)
        Shape3(interno + 1).BackColor = kBoard;
    if (interno > 0) {
        --interno;
    } else {
        interno = 87;
        ++giri;
    }
    if (esterno < 99)
        ++esterno;
    else
        esterno = 0;
    // The two lamps where the lights wrap round are put out at once, which also puts out the
    // last light of each lap.
    Shape3(0).BackColor = kBoard;
    Shape2(99).BackColor = kBoard;
    if (giri == 5) {
        for (tk::Shape& lamp : Shape2)
            lamp.BackColor = kGreen;
        for (tk::Shape& lamp : Shape3)
            lamp.BackColor = kOrange;
        Timer2.Enabled = false;
        Timer3.Enabled = true;
    }
}

// The two borders swap colours every second; meanwhile the credit lines go, and the
// dedication starts at the fifth flash.
void Goodbye::Timer3_Timer()
{
    if (lampi >= 0 && lampi <= 12) {
        const bool even = lampi % 2 == 0;
        for (tk::Shape& lamp : Shape2)
            lamp.BackColor = even ? kOrange : kGreen;
        for (tk::Shape& lamp : Shape3)
            lamp.BackColor = even ? kGreen : kOrange;
    }
    switch (lampi) {
    case 0:
        Label1.Visible = false;
        break;
    case 1:
        Label4.Visible = false;
        break;
    case 2:
        Label2.Visible = false;
        break;
    case 3:
        Label3.Visible = false;
        break;
    case 4:
        Timer4.Enabled = true;
        break;
    case 12:
        Timer3.Enabled = false;
        break;
    default:
        break;
    }
    ++lampi;
}

// The dedication is spelled out twenty letters a second and then stays complete for three.
void Goodbye::Timer4_Timer()
{
    if (ft >= 0 && ft <= 31)
        Label5(ft).Visible = true;
    if (ft == 31)
        Timer4.Interval = 3000;
    if (ft == 32) {
        Timer4.Enabled = false;
        Timer5.Enabled = true;
    }
    ++ft;
}

// The letters go again from the first, and the screen closes: with it the show ends.
void Goodbye::Timer5_Timer()
{
    if (ds >= 0 && ds <= 31)
        Label5(ds).Visible = false;
    if (ds == 32)
        Unload();
    ++ds;
}
