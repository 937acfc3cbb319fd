#include "toolkit/web/page_clock.h"

#include <emscripten.h>

#include <cmath>

namespace tk::web {

namespace {

// The time of day from the browser's own clock: the C library's would first load time zones.
// clang-format off
EM_JS(int, local_seconds, (), {
    const now = new Date();
    return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds();
});
// clang-format on

} // namespace

PageClock::PageClock(std::optional<int> start_seconds)
    : origin_(emscripten_get_now())
    , start_of_day_(start_seconds ? *start_seconds : local_seconds())
{
}

double PageClock::now_exact() const
{
    return emscripten_get_now() - origin_;
}

Millis PageClock::now() const
{
    return static_cast<Millis>(std::floor(now_exact()));
}

} // namespace tk::web
