// The show's keys, for every window in one table. A key chooses its control exactly as a click on
// it would, and only where that click would count: the show played by keys is the show played by
// clicks at the same moments.
#include "game/game.h"

namespace {

// clang-format off
constexpr tk::KeyBinding kKeys[] = {
    // The invitation: the logo.
    {"Form1", "Enter", "Image1"}, {"Form1", "Space", "Image1"},
    // A question: its letters, the three lifelines and "ABBANDONA".
    {"Form1", "A", "Label6", 0}, {"Form1", "B", "Label6", 1}, {"Form1", "C", "Label6", 2}, {"Form1", "D", "Label6", 3},
    {"Form1", "1", "Label6", 0}, {"Form1", "2", "Label6", 1}, {"Form1", "3", "Label6", 2}, {"Form1", "4", "Label6", 3},
    {"Form1", "F", "Image2"}, {"Form1", "T", "Image3"}, {"Form1", "P", "Image4"}, {"Form1", "R", "Label5"},
    // The final answer: "SI" and "NO".
    {"Form6", "S", "Label2", 0}, {"Form6", "Enter", "Label2", 0},
    {"Form6", "N", "Label2", 1}, {"Form6", "Escape", "Label2", 1},
    // The walk-away: "SI" and "NO".
    {"Form2", "S", "Label2"}, {"Form2", "Enter", "Label2"}, {"Form2", "N", "Label3"}, {"Form2", "Escape", "Label3"},
    // The friend and the audience: "TORNA AL GIOCO".
    {"Form4", "Enter", "Label2"}, {"Form4", "Escape", "Label2"},
    {"Form5", "Enter", "Label10"}, {"Form5", "Escape", "Label10"},
};
// clang-format on

} // namespace

std::span<const tk::KeyBinding> Game::keys()
{
    return kKeys;
}
