#include "toolkit/sdl/system_clock.h"

#include <ctime>

namespace tk::sdl {

namespace {

int local_time_of_day()
{
    std::time_t t = std::time(nullptr);
    std::tm local {};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

} // namespace

SystemClock::SystemClock(std::optional<int> start_seconds)
    : start_(Steady::now())
    , start_of_day_(start_seconds ? *start_seconds : local_time_of_day())
{
}

} // namespace tk::sdl
