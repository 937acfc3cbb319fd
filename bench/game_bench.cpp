// Google Benchmark: a full redraw of the board off screen, and whole games in virtual time.
//
//   BM_RedrawBoard/1, /2   one full redraw of Form1 during a question (every rung, the question,
//                          the four answers, the lifelines), at scale 1 and 2, with the painter's
//                          caches warm as in a running show
//   BM_RedrawFloor/1, /2   the floor of that redraw: the same fills, lines, texts and pictures at
//                          the same places, with plain SDL calls, every text and picture a texture
//                          made once beforehand (what drawing them costs, and nothing more)
//   BM_WholeGame           whole games from the logo to the end of the program, no drawing, no
//                          trace: the player answers right up to a question, then wrong (a
//                          different question each game, from the first to the million)
#include "toolkit/sdl/art.h"
#include "toolkit/sdl/painter.h"
#include "toolkit/sdl/snapshot.h"
#include "tools/sim/simulation.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

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

// The board with a question up, and a software renderer drawing into pixels of its size.
struct Scene {
    explicit Scene(double scale_)
        : scale(scale_)
    {
        s.wait(900);
        s.click("Form1", "Image1");
        s.until([&] { return board_waits(s.game()); });
        tk::PixelRect size = tk::client_size(s.game().Form1.design(), scale);
        w = size.w;
        h = size.h;
        surface.reset(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888));
        renderer = SDL_CreateSoftwareRenderer(surface.get());
    }
    ~Scene() { SDL_DestroyRenderer(renderer); }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    double scale;
    sim::Simulation s;
    int w = 0, h = 0;
    tk::sdl::SurfacePtr surface;
    SDL_Renderer* renderer = nullptr;
};

void BM_RedrawBoard(benchmark::State& state)
{
    Scene scene(static_cast<double>(state.range(0)));
    tk::sdl::Fonts fonts;
    tk::sdl::Painter painter(scene.renderer, fonts);
    for (auto _ : state) {
        painter.paint(scene.s.game().Form1, tk::Viewport {scene.scale, 0, 0}, scene.w, scene.h);
        SDL_RenderPresent(scene.renderer);
        benchmark::DoNotOptimize(scene.surface->pixels);
    }
}
BENCHMARK(BM_RedrawBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What one redraw of a window draws, taken down once, then drawn again with plain SDL calls.
class Floor final : public tk::Canvas {
public:
    Floor(SDL_Renderer* renderer, tk::sdl::Fonts& fonts)
        : renderer_(renderer)
        , fonts_(fonts)
    {
    }
    ~Floor() override
    {
        for (SDL_Texture* t : textures_)
            SDL_DestroyTexture(t);
    }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    void draw() const
    {
        for (const Op& op : ops_) {
            switch (op.kind) {
            case Op::Clip:
                SDL_RenderSetClipRect(renderer_, &op.rect);
                break;
            case Op::Fill:
                SDL_SetRenderDrawColor(renderer_, op.color.r, op.color.g, op.color.b, 255);
                SDL_RenderFillRect(renderer_, &op.rect);
                break;
            case Op::Line:
                SDL_SetRenderDrawColor(renderer_, op.color.r, op.color.g, op.color.b, 255);
                SDL_RenderDrawLine(renderer_, op.rect.x, op.rect.y, op.rect.w, op.rect.h);
                break;
            case Op::Quad: {
                static const int indices[6] = {0, 1, 2, 0, 2, 3};
                SDL_RenderGeometry(renderer_, nullptr, op.quad.data(), 4, indices, 6);
                break;
            }
            case Op::Copy:
                SDL_RenderCopy(renderer_, op.texture, nullptr, &op.rect);
                break;
            }
        }
        SDL_RenderSetClipRect(renderer_, nullptr);
    }

private:
    struct Op {
        enum Kind { Clip, Fill, Line, Quad, Copy } kind;
        SDL_Rect rect; // for a line: x1, y1, x2, y2
        SDL_Color color {};
        SDL_Texture* texture = nullptr;
        std::array<SDL_Vertex, 4> quad {}; // a thick line
    };

    static SDL_Color rgb(tk::Color c)
    {
        return SDL_Color {static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c), 255};
    }
    // A texture of the size given, its pixels drawn by `draw` once.
    SDL_Texture* texture(int w, int h, auto&& draw)
    {
        SDL_Texture* t = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
        void* pixels = nullptr;
        int pitch = 0;
        if (t && SDL_LockTexture(t, nullptr, &pixels, &pitch) == 0) {
            draw(pixels, pitch);
            SDL_UnlockTexture(t);
        }
        if (t) {
            SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
            textures_.push_back(t);
        }
        return t;
    }

    void clip(const tk::PixelRect& r) override { ops_.push_back({Op::Clip, tk::sdl::sdl_rect(r)}); }
    void fill(const tk::PixelRect& r, tk::Color c) override
    {
        ops_.push_back({Op::Fill, tk::sdl::sdl_rect(r), rgb(c)});
    }
    void text(const tk::Typeface& font, int pixels, const tk::PlacedLine& line, tk::Color c) override
    {
        tk::sdl::Face* face = fonts_.get(font, pixels);
        int w = face ? face->width(line.text) : 0, h = face ? face->height() : 0;
        if (w > 0 && h > 0)
            ops_.push_back({Op::Copy, {line.x, line.y, w, h}, {}, texture(w, h, [&](void* p, int pitch) {
                                face->render(line.text, c, static_cast<std::uint32_t*>(p), pitch);
                            })});
    }
    void line(double x1, double y1, double x2, double y2, double width, tk::Color c) override
    {
        if (width <= 1.5) {
            ops_.push_back({Op::Line,
                {static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2)}, rgb(c)});
            return;
        }
        double len = std::hypot(x2 - x1, y2 - y1);
        if (len <= 0)
            return;
        auto nx = static_cast<float>(-(y2 - y1) / len * width / 2),
             ny = static_cast<float>((x2 - x1) / len * width / 2);
        auto fx1 = static_cast<float>(x1), fy1 = static_cast<float>(y1);
        auto fx2 = static_cast<float>(x2), fy2 = static_cast<float>(y2);
        ops_.push_back({Op::Quad, {}, {}, nullptr,
            {{{{fx1 + nx, fy1 + ny}, rgb(c), {}}, {{fx1 - nx, fy1 - ny}, rgb(c), {}},
                {{fx2 - nx, fy2 - ny}, rgb(c), {}}, {{fx2 + nx, fy2 + ny}, rgb(c), {}}}}});
    }
    void picture(std::string_view source, const tk::PixelRect& at, const tk::PixelRect&) override
    {
        if (at.w > 0 && at.h > 0)
            ops_.push_back({Op::Copy, tk::sdl::sdl_rect(at), {},
                texture(at.w, at.h, [&](void* p, int pitch) { art::fill(source, p, pitch, at.w, at.h); })});
    }

    SDL_Renderer* renderer_;
    tk::sdl::Fonts& fonts_;
    std::vector<Op> ops_;
    std::vector<SDL_Texture*> textures_;
};

void BM_RedrawFloor(benchmark::State& state)
{
    Scene scene(static_cast<double>(state.range(0)));
    tk::sdl::Fonts fonts;
    Floor floor(scene.renderer, fonts);
    tk::WindowPainter(fonts).paint(
        scene.s.game().Form1, tk::Viewport {scene.scale, 0, 0}, {tk::PixelRect {0, 0, scene.w, scene.h}}, floor);
    for (auto _ : state) {
        floor.draw();
        SDL_RenderPresent(scene.renderer);
        benchmark::DoNotOptimize(scene.surface->pixels);
    }
}
BENCHMARK(BM_RedrawFloor)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
