// Form1's design: the board's controls as they stand before Form_Load, the host's lead-in
// phrases, and the clicks and the closing of the window.
#include "game/form1.h"

#include "game/game.h"
#include "toolkit/runtime.h"
#include "toolkit/visitor.h"

#include <array>

using namespace colors;

namespace {

constexpr tk::Typeface kSans {.Size = 13.5};
constexpr tk::Typeface kSansBold {.Size = 13.5, .Bold = true};
constexpr tk::Typeface kHostFont {.Name = "Times New Roman", .Size = 17.25, .Bold = true};

constexpr std::array<std::string_view, 15> kRungCaptions = {
    "   1   € 50",
    "   2   € 100",
    "   3   € 200",
    "   4   € 300",
    "   5   € 500",
    "   6   € 1.000",
    "   7   € 2.000",
    "   8   € 4.000",
    "   9   € 8.000",
    " 10  € 16.000",
    " 11  € 35.000",
    " 12  € 70.000",
    " 13  € 150.000",
    " 14  € 300.000",
    " 15  € 1.000.000",
};

// Answer boxes A, B (top row) and C, D (bottom row).
constexpr std::array<std::array<int, 2>, 4> kAnswerAt = {{{1320, 9360}, {6360, 9360}, {1320, 10080}, {6360, 10080}}};

constexpr std::array<std::array<std::string_view, 5>, 15> kFrasi = {{
    {"INIZIAMO CON LA PRIMA DOMANDA....", "ANDIAMO SUBITO ALLA PRIMA DOMANDA....",
        "NON PERDIAMO TEMPO, PRIMA DOMANDA....", "SEI PRONTO? ANDIAMO CON LA PRIMA DOMANDA....",
        "INIZIAMO A GIOCARE, PRIMA DOMANDA...."},
    {"VELOCI ALLA SECONDA DOMANDA....", "SECONDA DOMANDA....", "LE PRIME SONO FACILI, SECONDA DOMANDA....",
        "VOLIAMO ALLA SECONDA DOMANDA....", "SECONDA DOMANDA, DA 100 EURO...."},
    {"VEDIAMO ORA LA TERZA DOMANDA....", "CONTINUIAMO CON LA TERZA DOMANDA....", "TERZA DOMANDA, DA 200 EURO....",
        "TERZA DOMANDA....", "DOMANDA NUMERO TRE...."},
    {"STIAMO ARRIVANDO AL PRIMO TRAGUARDO, QUARTA DOMANDA....", "ANDIAMO CON LA DOMANDA DA 300 EURO....",
        "PIANO PIANO SALIAMO VERSO LA VETTA, QUARTA DOMANDA....", "LEGGIAMO ORA LA QUARTA DOMANDA....",
        "COME SARA' LA QUARTA DOMANDA? VEDIAMO...."},
    {"SIAMO A UN TERZO DEL PERCORSO, QUINTA DOMANDA....", "QUINTA DOMANDA, CHE VALE A DIRE PRIMO TRAGUARDO....",
        "ORA VEDIAMO LA DOMANDA DEL QUINTO GRADINO....", "QUINTA DOMANDA, CHE TI DARA' I PRIMI 500 EURO....",
        "CONQUISTATI IL PRIMO TRAGUARDO, QUINTA DOMANDA...."},
    {"ORA LE CIFRE CRESCONO, DOMANDA DA 1.000 EURO....", "LA DIFFICOLTA' ORA AUMENTA, SESTA DOMANDA....",
        "SESTA DOMANDA, DA 1.000 EURO....", "SESTA DOMANDA....", "LE CIFRE SI FANNO INTERESSANTI, SESTA DOMANDA...."},
    {"ECCO SERVITA LA SETTIMA DOMANDA....", "SETTIMA DOMANDA....", "SIAMO A BUON PUNTO, SETTIMA DOMANDA....",
        "TI VA DI GUARDARE LA SETTIMA DOMANDA?....", "ORA CONCENTRATI SULLA SETTIMA DOMANDA...."},
    {"SIAMO A META' PERCORSO, OTTAVA DOMANDA....", "ANDIAMO CON L'OTTAVA DOMANDA....",
        "INTERESSIAMOCI ORA ALL'OTTAVA DOMANDA....", "OSSERVIAMO ORA L'OTTAVA DOMANDA....",
        "PRONTO CON L'OTTAVA DOMANDA?...."},
    {"IL SECONDO TRAGUARDO E' VICINO, NONA DOMANDA....", "ECCO LA DOMANDA NUMERO NOVE....",
        "SALIAMO ALLA NONA DOMANDA....", "DOMANDA NUMERO NOVE....", "NON DECONCENTRARTI, NONA DOMANDA...."},
    {"LEGGIAMO LA DOMANDA DEL SECONDO TRAGUARDO....", "DECIMA DOMANDA....", "IL SECONDO TRAGUARDO E' VICINO....",
        "SALIAMO SU DI UN ALTRO GRADINO....", "ANDIAMO ORA ALLA DOMANDA DEL DECIMO GRADINO...."},
    {"D'ORA IN POI, E' SOLO UNA QUESTIONE DI CORAGGIO....", "LE DOMANDE ORA DIVENTANO DAVVERO DIFFICILI....",
        "IL MILIONE E' SEMPRE PIU' VICINO....", "ENTRIAMO NELLA FASE CALDA DEL GIOCO....",
        "ORA LE CIFRE DIVENTANO VERAMENTE INTERESSANTI...."},
    {"IL MILIONE E' SICURAMENTE ALLA TUA PORTATA....", "ORA MASSIMA ATTENZIONE....",
        "ECCO LA DOMANDA DEL DODICESIMO GRADINO....", "NON E' FACILE ARRIVARE FIN QUI....", "SALIAMO ANCORA...."},
    {"ALTRE TRE DOMANDE E SEI MILIONARIO....", "ORA CONCENTRATI AL MASSIMO....", "DOMANDA NUMERO TREDICI....",
        "ANDIAMO CON UN'ALTRA DOMANDA....", "ANDIAMO ANCORA PIU' SU'...."},
    {"PENULTIMA DOMANDA....", "NON PUOI CHE ARRIVARE AL MILIONE....", "LEGGIAMO LA PENULTIMA DOMANDA....",
        "ALTRE DUE DOMANDE E SEI MILIONARIO....", "MASSIMA CONCENTRAZIONE, MI RACCOMANDO...."},
    {"NON CADERE PROPRIO ORA....", "ULTIMA DOMANDA....", "UN ULTIMO SFORZO....", "ECCOTI SERVITA L'ULTIMA DOMANDA....",
        "MANCA DAVVERO POCO...."},
}};

tk::Line line(int x1, int y1, int x2, int y2, tk::Color color, int width = 1)
{
    return tk::Line {
        .X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2, .BorderColor = color, .BorderWidth = width, .Visible = false};
}

tk::Shape frame(int left, int top, int width, int height, int border = 1)
{
    return tk::Shape {
        .Left = left, .Top = top, .Width = width, .Height = height, .BorderWidth = border, .Visible = false};
}

tk::Picture lifeline(int top, int width, int height, std::string_view art, const char* tip, std::string_view name)
{
    return tk::Picture {.Left = 840,
        .Top = top,
        .Width = width,
        .Height = height,
        .Source = art,
        .Visible = false,
        .Enabled = false,
        .MousePointer = tk::kCustomPointer,
        .ToolTipText = tip,
        .AccessibleName = name};
}

// The arrow that points at a lifeline: a shaft and two barbs.
void arrow(tk::Line& shaft, tk::Line& up, tk::Line& down, int y, tk::Color shaft_color)
{
    shaft = line(120, y, 720, y, shaft_color, 5);
    up = line(720, y, 480, y - 240, kGreen, 5);
    down = line(720, y, 480, y + 240, kGreen, 5);
}

// A red cross over a lifeline picture.
tk::ControlArray<tk::Line, 2> cross(int top)
{
    return tk::ControlArray<tk::Line, 2>::generate([top](int i) {
        return i == 0 ? line(960, top, 1680, top + 720, kRed, 5) : line(1680, top, 960, top + 720, kRed, 5);
    });
}

} // namespace

BoardControls::BoardControls()
{
    Image1 = tk::Picture {.Left = 2520,
        .Top = 1320,
        .Width = 7155,
        .Height = 6675,
        .Source = "logo.svg",
        .MousePointer = tk::kCustomPointer,
        .ToolTipText = "CLICCA QUI PER INIZIARE LA SCALATA VERSO IL MILIONE!",
        .AccessibleName = "Inizia la partita"};
    Label4 = tk::Label {.Left = 240,
        .Top = 360,
        .Width = 11895,
        .Height = 375,
        .ForeColor = kCyan,
        .Alignment = tk::Align::Center,
        .Font = kHostFont,
        .Reader = tk::Reading::Spoken};
    Shape4 = frame(120, 120, 12135, 855, 2);
    Label1 = tk::ControlArray<tk::Label, 15>::generate([](int i) {
        return tk::Label {.Left = 9600,
            .Top = 7800 - 480 * i,
            .Width = 2655,
            .Height = 375,
            .Caption = std::string(kRungCaptions[static_cast<std::size_t>(i)]),
            .ForeColor = Board::rung_text(i),
            .Visible = false,
            .Font = kSansBold,
            .Reader = tk::Reading::ListItem,
            .AccessibleName = "Domanda"};
    });
    Shape1 = tk::ControlArray<tk::Shape, 15>::generate([](int i) { return frame(9600, 7800 - 480 * i, 2655, 375); });
    Label2 = tk::Label {.Left = 2520,
        .Top = 8400,
        .Width = 6975,
        .Height = 735,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .Font = kSans,
        .Reader = tk::Reading::SpokenText};
    Shape2 = frame(1440, 8280, 9255, 975, 2);
    Label6 = tk::ControlArray<tk::Label, 4>::generate([](int i) {
        static constexpr std::array<std::string_view, 4> letters = {" A:", " B:", " C:", " D:"};
        auto [x, y] = kAnswerAt[static_cast<std::size_t>(i)];
        return tk::Label {.Left = x,
            .Top = y,
            .Width = 4455,
            .Height = 495,
            .Caption = std::string(letters[static_cast<std::size_t>(i)]),
            .ForeColor = kRungText,
            .BackStyle = 0,
            .Visible = false,
            .MousePointer = tk::kCustomPointer,
            .Font = kSansBold,
            .Reader = tk::Reading::Button,
            .AccessibleName = "Risposta",
            .ReadWith = "Label3"};
    });
    Label3 = tk::ControlArray<tk::Label, 4>::generate([](int i) {
        auto [x, y] = kAnswerAt[static_cast<std::size_t>(i)];
        return tk::Label {.Left = x,
            .Top = y,
            .Width = 4455,
            .Height = 495,
            .Caption = i == 3 ? " " : "",
            .Visible = false,
            .Enabled = false,
            .Font = kSans};
    });
    Shape3 = tk::ControlArray<tk::Shape, 4>::generate([](int i) {
        auto [x, y] = kAnswerAt[static_cast<std::size_t>(i)];
        return frame(x, y, 4455, 495);
    });
    Image2 = lifeline(2040, 1005, 675, "fifty.svg", "CHIEDI L'AIUTO DEL COMPUTER!", "50:50");
    Image3 = lifeline(3480, 1065, 690, "phone.svg", "CHIEDI L'AIUTO DA CASA!", "Aiuto da casa");
    Image4 = lifeline(4920, 1005, 675, "audience.svg", "CHIEDI L'AIUTO DEL PUBBLICO!", "Aiuto del pubblico");
    Label5 = tk::Label {.Left = 480,
        .Top = 6720,
        .Width = 2055,
        .Height = 375,
        .Caption = "ABBANDONA",
        .ForeColor = kGreen,
        .Alignment = tk::Align::Center,
        .Visible = false,
        .Enabled = false,
        .MousePointer = tk::kCustomPointer,
        .ToolTipText = "VUOI FINIRE QUI LA TUA AVVENTURA?",
        .Font = kSansBold,
        .Reader = tk::Reading::Button};
    Shape5 = frame(240, 6600, 2535, 615, 2);
    arrow(Line6, Line7, Line8, 2400, 0x80FF80);
    arrow(Line9, Line10, Line11, 3840, kGreen);
    arrow(Line12, Line13, Line14, 5280, kGreen);
    Line3 = cross(2040);
    Line4 = cross(3480);
    Line5 = cross(4920);
    Line1 = tk::ControlArray<tk::Line, 2>::generate(
        [](int i) { return i == 0 ? line(1440, 8760, 0, 8760, kFrame) : line(12360, 8760, 10680, 8760, kFrame); });
    Line2 = tk::ControlArray<tk::Line, 6>::generate([](int i) {
        static constexpr std::array<std::array<int, 4>, 6> at = {{{5760, 9600, 6360, 9600}, {5760, 10320, 6360, 10320},
            {0, 9600, 1320, 9600}, {0, 10320, 1320, 10320}, {10800, 9600, 12360, 9600}, {10800, 10320, 12360, 10320}}};
        auto [x1, y1, x2, y2] = at[static_cast<std::size_t>(i)];
        return line(x1, y1, x2, y2, kFrame);
    });
}

Board::Board(Game& g)
    : FormOf(g.runtime, kBoardDesign)
    , game(g)
{
}

// Back to front. The frames lie over their labels, so that an opaque answer box or rung still
// shows its outline; frames and lines never take clicks, so they cover nothing that matters.
void BoardControls::each_control(tk::ControlVisitor& v)
{
    // clang-format off
    tk::visit_all(v,
        "Image1", Image1,
        "Label4", Label4, "Label1", Label1, "Label2", Label2, "Label3", Label3, "Label6", Label6, "Label5", Label5,
        "Image2", Image2, "Image3", Image3, "Image4", Image4,
        "Shape4", Shape4, "Shape1", Shape1, "Shape2", Shape2, "Shape3", Shape3, "Shape5", Shape5,
        "Line1", Line1, "Line2", Line2, "Line6", Line6, "Line7", Line7, "Line8", Line8, "Line9", Line9,
        "Line10", Line10, "Line11", Line11, "Line12", Line12, "Line13", Line13, "Line14", Line14, "Line3", Line3,
        "Line4", Line4, "Line5", Line5);
    // clang-format on
}

void Board::click(std::string_view control, int index)
{
    if (control == "Image1")
        Image1_Click();
    else if (control == "Label6")
        Label6_Click(index);
    else if (control == "Label5")
        Label5_Click();
    else if (control == "Image2")
        Image2_Click();
    else if (control == "Image3")
        Image3_Click();
    else if (control == "Image4")
        Image4_Click();
}

// Closing the board from its title bar ends the show at once: every window goes with it.
void Board::close_requested()
{
    for (tk::Form* form : runtime().forms())
        form->Unload();
}

void Board::Form_Load()
{
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Timer3.Enabled = true;
    runtime().Randomize();
    aiuti = 3;
    for (int level = 1; level <= 15; ++level)
        for (int slot = 1; slot <= 5; ++slot)
            frasi(level, slot) = kFrasi[static_cast<std::size_t>(level - 1)][static_cast<std::size_t>(slot - 1)];
}

std::string_view Board::rung_sum(int rung)
{
    const std::string_view caption = kRungCaptions.at(static_cast<std::size_t>(rung));
    return caption.substr(caption.find("€ ") + std::string_view("€ ").size());
}

tk::Color Board::rung_text(int rung)
{
    return rung == 4 || rung == 9 || rung == 14 ? kWhite : kRungText;
}

void Board::highlight(int rung)
{
    Label1(rung).BackColor = kGreen;
    Label1(rung).ForeColor = kPurple;
}

void Board::release(int rung)
{
    Label1(rung).BackColor = kBoard;
    Label1(rung).ForeColor = rung_text(rung);
}
