#include "game/bank/bank.h"

#include <cassert>

namespace bank {

const Pool& pool(int level)
{
    static const std::array<const Pool*, kLevels> pools = {
        &kLevel01,
        &kLevel02,
        &kLevel03,
        &kLevel04,
        &kLevel05,
        &kLevel06,
        &kLevel07,
        &kLevel08,
        &kLevel09,
        &kLevel10,
        &kLevel11,
        &kLevel12,
        &kLevel13,
        &kLevel14,
        &kLevel15,
    };
    assert(level >= 1 && level <= kLevels);
    return *pools.at(static_cast<std::size_t>(level - 1));
}

} // namespace bank
