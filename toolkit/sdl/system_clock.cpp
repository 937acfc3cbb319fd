#include "toolkit/sdl/system_clock.h"

#include <ctime>

namespace tk::sdl {

int SystemClock::seconds_since_midnight() const
{
    std::time_t t = std::time(nullptr);
    std::tm local {};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

} // namespace tk::sdl
