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
    , start_(start_seconds)
{
}

double PageClock::now_exact() const
{
    return held_ ? static_cast<double>(*held_) : emscripten_get_now() - origin_;
}

Millis PageClock::now() const
{
    return held_ ? *held_ : static_cast<Millis>(std::floor(emscripten_get_now() - origin_));
}

int PageClock::seconds_since_midnight() const
{
    if (start_)
        return static_cast<int>((*start_ + now() / 1000) % 86400);
    return local_seconds();
}

} // namespace tk::web
