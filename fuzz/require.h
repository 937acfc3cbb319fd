// A promise the code under fuzzing must keep: a broken one is a crash that libFuzzer keeps.
#pragma once

#include <cstdlib>

inline void require(bool promise)
{
    if (!promise)
        std::abort();
}
