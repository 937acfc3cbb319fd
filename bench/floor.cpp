// The floor: the least an SDL2 game that draws text costs on this machine, doing the work the
// show does with plain calls. One window of the board's size; before its first frame it finds
// the two faces the invitation draws with fontconfig and opens them with FreeType, as the game
// does, and its first frame is the board's dark blue with a caption on it. Then one of:
//
//   floor [MS]                     idle MS ms (default: until closed), then print the peak
//                                  resident memory in kB
//   floor --frames N PIXELS MS     N redraws spread evenly over MS ms, from 1 s after the start,
//                                  PIXELS pixels sent in all: the redraws a stretch of the show
//                                  made, as plain fills sent to the display; then the peak in kB
//   floor --ticks N                N timer ticks of 10 ms, each a bare sleep until its due time,
//                                  printing how late each one woke, in ms
//   floor --due TRACE              a bare sleep until each moment of a virtual trace ("<due> ..."
//                                  lines), printing how late it woke, in ms, once per line
#include <SDL2/SDL.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long peak_resident_kb()
{
    long kb = -1;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
                break;
        std::fclose(f);
    }
    return kb;
}

// Sleeps until each moment (ms after the first) and prints how late it woke.
void sleep_until_each(const std::vector<double>& moments)
{
    Clock::time_point start = Clock::now();
    for (double ms : moments) {
        Clock::time_point due = start + std::chrono::microseconds(static_cast<long long>(ms * 1000));
        std::this_thread::sleep_until(due);
        std::printf("%.3f\n", std::chrono::duration<double, std::milli>(Clock::now() - due).count());
    }
}

// A face as the game finds it: fontconfig's best match for the pattern, opened by FreeType.
FT_Face open_face(FT_Library ft, const char* pattern)
{
    FcPattern* want = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(nullptr, want, FcMatchPattern);
    FcDefaultSubstitute(want);
    FcResult result;
    FcPattern* found = FcFontMatch(nullptr, want, &result);
    FT_Face face = nullptr;
    FcChar8* file = nullptr;
    if (found && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch)
        FT_New_Face(ft, reinterpret_cast<const char*>(file), 0, &face);
    if (found)
        FcPatternDestroy(found);
    FcPatternDestroy(want);
    return face;
}

// White text on the surface, each glyph's coverage laid over what is there.
void draw_text(SDL_Surface* s, FT_Face face, const char* text, int x, int y)
{
    for (const char* c = text; *c; ++c) {
        if (FT_Load_Char(face, static_cast<unsigned char>(*c), FT_LOAD_RENDER) != 0)
            continue;
        const FT_Bitmap& b = face->glyph->bitmap;
        for (unsigned row = 0; row < b.rows; ++row)
            for (unsigned col = 0; col < b.width; ++col) {
                int px = x + face->glyph->bitmap_left + static_cast<int>(col);
                int py = y - face->glyph->bitmap_top + static_cast<int>(row);
                if (px < 0 || py < 0 || px >= s->w || py >= s->h)
                    continue;
                Uint8 a = b.buffer[row * static_cast<unsigned>(b.pitch) + col];
                auto* p = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + py * s->pitch) + px;
                *p = SDL_MapRGB(s->format, a, a, std::max<Uint8>(a, 0x40));
            }
        x += static_cast<int>(face->glyph->advance.x >> 6);
    }
}

// N plain redraws spread over MS ms from 1 s after the start, PIXELS pixels sent in all, each a
// fill of a strip as wide as the window, sent with the window's own update call; then 1 s at rest,
// so that whoever measures the span from outside finds the floor still there at its end.
void frames(SDL_Window* window, SDL_Surface* surface, long count, long long pixels, int ms)
{
    auto rest_until = [](Uint64 t) {
        for (Uint64 now = SDL_GetTicks64(); now < t; now = SDL_GetTicks64()) {
            SDL_Event e;
            SDL_WaitEventTimeout(&e, static_cast<int>(t - now));
        }
    };
    long long each = std::max(1LL, pixels / std::max(1L, count));
    int w = static_cast<int>(std::min<long long>(surface->w, each));
    int h = static_cast<int>(std::min<long long>(surface->h, (each + w - 1) / w));
    for (long i = 0; i < count; ++i) {
        Uint64 due = 1000 + static_cast<Uint64>((static_cast<double>(i) + 0.5) * ms / static_cast<double>(count));
        rest_until(due);
        SDL_Rect r {0, 0, w, h};
        SDL_FillRect(surface, &r, SDL_MapRGB(surface->format, 0, 0, i % 2 ? 0x40 : 0x80));
        SDL_UpdateWindowSurfaceRects(window, &r, 1);
    }
    rest_until(2000 + static_cast<Uint64>(ms));
}

} // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 && argv[1][0] == '-' ? argv[1] : "";
    if (mode == "--due") {
        // The moments of a virtual trace, one per line: no window needed to sleep.
        std::ifstream trace(argc > 2 ? argv[2] : "");
        std::vector<double> moments;
        for (double due; trace >> due; trace.ignore(1 << 20, '\n'))
            moments.push_back(due);
        for (double& m : moments)
            m -= moments.front();
        sleep_until_each(moments);
        return moments.empty() ? 1 : 0;
    }
    if (mode == "--ticks") {
        std::vector<double> moments;
        for (int i = 1; i <= std::atoi(argc > 2 ? argv[2] : "0"); ++i)
            moments.push_back(10.0 * i);
        sleep_until_each(moments);
        return 0;
    }
    // Without this, SDL would put a GPU renderer behind the window surface (and recreate the
    // window for it): the plain X11 frame buffer is the least work.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    FT_Library ft = nullptr;
    if (!FcInit() || FT_Init_FreeType(&ft) != 0)
        return 1;
    FT_Face sans = open_face(ft, "Liberation Sans"), serif = open_face(ft, "Liberation Serif:bold");
    if (!sans || !serif)
        return 1;
    FT_Set_Pixel_Sizes(serif, 0, 24);
    FT_Set_Pixel_Sizes(sans, 0, 16);
    // The board is 12345 x 10965 twips: 823 x 731 pixels at 15 twips a pixel.
    SDL_Window* window = SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 823, 731, 0);
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface)
        return 1;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x00, 0x00, 0x40));
    draw_text(surface, serif, "RUVANTIA", 340, 300);
    draw_text(surface, sans, "clicca sul logo", 350, 400);
    SDL_UpdateWindowSurface(window);
    if (mode == "--frames" && argc > 4) {
        frames(window, surface, std::atol(argv[2]), std::atoll(argv[3]), std::atoi(argv[4]));
    } else {
        int idle_ms = argc > 1 ? std::atoi(argv[1]) : -1;
        Uint64 end = idle_ms >= 0 ? SDL_GetTicks64() + static_cast<Uint64>(idle_ms) : 0;
        for (;;) {
            int left = idle_ms >= 0 ? static_cast<int>(end > SDL_GetTicks64() ? end - SDL_GetTicks64() : 0) : -1;
            if (idle_ms >= 0 && left == 0)
                break;
            SDL_Event e;
            if (SDL_WaitEventTimeout(&e, left) == 1
                && (e.type == SDL_QUIT || (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)))
                break;
        }
    }
    long peak = peak_resident_kb();
    FT_Done_Face(sans);
    FT_Done_Face(serif);
    FT_Done_FreeType(ft);
    SDL_DestroyWindow(window);
    SDL_Quit();
    if (argc > 1)
        std::printf("%ld\n", peak);
    return 0;
}
