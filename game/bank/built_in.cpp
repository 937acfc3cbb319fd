// The questions the program carries: domande.tsv, embedded at build time, read like any pack.
#include "game/bank/bank.h"

#include <cstdio>
#include <cstdlib>

namespace bank {

extern const unsigned char kBuiltInPack[];
extern const std::size_t kBuiltInPackSize;

std::string_view built_in_text()
{
    return {reinterpret_cast<const char*>(kBuiltInPack), kBuiltInPackSize};
}

const Pack& built_in()
{
    static const Pack pack = [] {
        Reading r = read_pack(built_in_text());
        if (!r.ok()) {
            // The tests read this pack on every build, so only a broken build gets here.
            std::fputs(report("domande.tsv", r.problems).c_str(), stderr);
            std::abort();
        }
        return std::move(r.pack);
    }();
    return pack;
}

} // namespace bank
