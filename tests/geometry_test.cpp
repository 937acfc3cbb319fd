// Where the show's windows open, from a small laptop to a 4K monitor: one scale for every window,
// the board filling most of the screen's height, every window wholly on the screen.
#include "game/game.h"
#include "toolkit/geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(GeometryTest, TheBoardAndEveryDialogFitFromALaptopToA4KScreen)
{
    tk::ManualClock clock;
    tk::Random random;
    Game game {clock, random};
    for (auto [w, h] : {std::pair {1024, 600}, {1366, 768}, {1920, 1080}, {3840, 2160}}) {
        const tk::PixelRect usable {0, 24, w, h - 24}; // below a panel
        const double scale = tk::choose_scale(game.runtime.forms(), usable, 1.0);
        const tk::PixelRect board_size = tk::client_size(game.Form1.design(), scale);
        const tk::PixelRect board
            = tk::placement(game.Form1.design(), board_size.w, board_size.h, usable, nullptr, nullptr);
        const tk::Viewport view = tk::fit(game.Form1.design(), board.w, board.h);
        EXPECT_GE(board.h, 0.6 * h) << "the board is a stamp on " << w << "x" << h;
        for (tk::Form* form : game.runtime.forms()) {
            const tk::PixelRect size = tk::client_size(form->design(), scale);
            const bool over = !form->design().owner.empty();
            const tk::PixelRect at = tk::placement(
                form->design(), size.w, size.h, usable, over ? &board : nullptr, over ? &view : nullptr);
            EXPECT_EQ(tk::intersect(at, usable), at) << form->name() << " leaves a " << w << "x" << h << " screen";
        }
    }
}

} // namespace
