// RUVANTIA: the real clock, the SDL2 windows, the start-up window, and the show runs.
#include "game/game.h"
#include "toolkit/sdl/backend.h"

#include <random>

int main()
{
    tk::sdl::SystemClock clock;
    tk::Random random(std::random_device {}());
    Game game(clock, random);
    auto backend = tk::sdl::Backend::create(game.runtime, clock);
    if (!backend)
        return 1;
    game.start();
    return backend->run();
}
