// The floor: the least any SDL2 game can cost on this machine. One window of the board's size,
// one frame in the board's dark blue, then it idles until the time given (ms) or until closed.
// The leanest set-up that works: no renderer at all, the window's own surface filled and shown.
//
//   floor [MS]           idle MS milliseconds (default: until closed); after MS, print the peak
//                        resident memory in kB
//   floor --ticks N      instead, N timer ticks of 10 ms, each a bare sleep until its due time,
//                        printing how late each one woke, in ms: the machine's own timer lateness
#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

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

void ticks(int count)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point start = Clock::now();
    for (int i = 1; i <= count; ++i) {
        Clock::time_point due = start + std::chrono::milliseconds(10 * i);
        std::this_thread::sleep_until(due);
        std::printf("%.3f\n", std::chrono::duration<double, std::milli>(Clock::now() - due).count());
    }
}

} // namespace

int main(int argc, char** argv)
{
    bool tick_mode = argc > 2 && std::strcmp(argv[1], "--ticks") == 0;
    int idle_ms = argc > 1 && !tick_mode ? std::atoi(argv[1]) : -1;
    // Without this, SDL would put a GPU renderer behind the window surface (and recreate the
    // window for it): the plain X11 frame buffer is the least work.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    // The board is 12345 x 10965 twips: 823 x 731 pixels at 15 twips a pixel.
    SDL_Window* window = SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 823, 731, 0);
    if (!window)
        return 1;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface)
        return 1;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x00, 0x00, 0x40));
    SDL_UpdateWindowSurface(window);
    if (tick_mode) {
        ticks(std::atoi(argv[2]));
    } else {
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
    SDL_DestroyWindow(window);
    SDL_Quit();
    if (idle_ms >= 0)
        std::printf("%ld\n", peak_resident_kb());
    return 0;
}
