// Google Benchmark: a full redraw of the board off screen, and whole games in virtual time.
//
//   BM_RedrawBoard/1, /2   one full redraw of Form1 during a question (every rung, the question,
//                          the four answers, the lifelines), at scale 1 and 2, with the painter's
//                          caches warm as in a running show
//   BM_WholeGame           whole games from the logo to the end of the program, no drawing, no
//                          trace: the player answers right up to a question, then wrong (a
//                          different question each game, from the first to the million)
#include "toolkit/sdl/painter.h"
#include "toolkit/sdl/snapshot.h"
#include "tools/sim/simulation.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

bool board_waits(Game& g)
{
    return g.Form1.Timer6.Enabled;
}

// Answers right until question `wrong_at` (16: never), confirming each with "SI".
bool play(sim::Simulation& s, int wrong_at)
{
    Game& g = s.game();
    s.wait(900);
    s.click("Form1", "Image1");
    for (int q = 1; q <= 15; ++q) {
        if (!s.until([&] { return board_waits(g); }))
            return false;
        sim::answer(s, q < wrong_at);
        s.wait(600);
        s.click("Form6", "Label2", 0);
        if (q >= wrong_at)
            break;
    }
    s.until([&] { return s.ended(); });
    return s.ended();
}

void BM_WholeGame(benchmark::State& state)
{
    int game = 0;
    for (auto _ : state) {
        sim::Simulation s;
        if (!play(s, 1 + game % 16)) {
            state.SkipWithError("a game did not reach its end");
            break;
        }
        ++game;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["games_per_s"]
        = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMicrosecond);

void BM_RedrawBoard(benchmark::State& state)
{
    double scale = static_cast<double>(state.range(0));
    sim::Simulation s;
    s.wait(900);
    s.click("Form1", "Image1");
    s.until([&] { return board_waits(s.game()); });
    Board& board = s.game().Form1;
    tk::PixelRect size = tk::client_size(board.design(), scale);
    int w = size.w, h = size.h;
    tk::sdl::SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888));
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface.get());
    {
        tk::sdl::Fonts fonts;
        tk::sdl::Painter painter(renderer, fonts);
        for (auto _ : state) {
            painter.paint(board, tk::Viewport {scale, 0, 0}, w, h);
            SDL_RenderPresent(renderer);
            benchmark::DoNotOptimize(surface->pixels);
        }
    }
    SDL_DestroyRenderer(renderer);
}
BENCHMARK(BM_RedrawBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
