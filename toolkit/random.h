// The random source behind every draw of the show (lead-ins, questions, the friend, the poll).
#pragma once

#include <cstdint>

namespace tk {

// The seed of the tools' and the tests' shows (simulate, and the page asked for a fixed start): the
// same clicks at the same moments make the same show.
inline constexpr std::uint64_t kFixedSeed = 0x2545F4914F6CDD1DULL;

class Random {
public:
    explicit Random(std::uint64_t state = kFixedSeed)
        : state_(state)
    {
    }

    // Re-seeding mixes the seed into the current state instead of restarting from it, so two
    // re-seeds within the same second still lead to independent draws.
    void Randomize(std::int64_t seed);

    // A uniform value in [0, 1).
    double Rnd();

    // The integer part of n times one value: a draw from 0 to n - 1.
    int below(int n) { return static_cast<int>(n * Rnd()); }

private:
    std::uint64_t next();
    std::uint64_t state_;
};

} // namespace tk
