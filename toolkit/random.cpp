#include "toolkit/random.h"

namespace tk {

namespace {

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

void Random::Randomize(std::int64_t seed)
{
    state_ = mix(state_ ^ mix(static_cast<std::uint64_t>(seed) + 0x9E3779B97F4A7C15ULL));
}

std::uint64_t Random::next()
{
    state_ += 0x9E3779B97F4A7C15ULL; // splitmix64
    return mix(state_);
}

double Random::Rnd()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

} // namespace tk
