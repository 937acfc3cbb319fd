// The pack reader and its checks, fed whatever libFuzzer makes of real packs: nothing it reads
// may crash it, hang it or make it touch memory it should not, and whatever it accepts must be
// a pack the show can play.
#include "fuzz/require.h"
#include "game/bank/bank.h"
#include "toolkit/sdl/fonts.h"

#include <cstdint>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tk::sdl::Fonts fonts;
    bank::Reading r = bank::read_pack({reinterpret_cast<const char*>(data), size});
    const std::string report = bank::report("domande.tsv", r.problems);
    require(r.ok() == report.empty());
    for (const bank::Pool& pool : r.pack.levels) {
        require(!r.ok() || !pool.empty());
        for (const bank::Question& q : pool) {
            std::set<std::string> answers {q.giusta, q.errate[0], q.errate[1], q.errate[2]};
            require(answers.size() == 4 && q.line > 0);
            for (const std::string* s : {&q.domanda, &q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]})
                require(!s->empty() && s->front() != ' ' && s->back() != ' ');
        }
    }
    // The rows it kept are measured with the real fonts, as the game measures a player's pack.
    (void)bank::check_fit(r.pack, fonts);
    return 0;
}
