// The pack reader and its checks, fed whatever libFuzzer makes of real packs: nothing it reads
// may crash it, hang it or make it touch memory it should not, and whatever it accepts must be
// a pack the show can play.
#include "fuzz/oracle.h"
#include "toolkit/sdl/fonts.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tk::sdl::Fonts fonts;
    const bank::Reading r = bank::read_pack({reinterpret_cast<const char*>(data), size});
    fuzz::check_reading(r);
    // The rows it kept are measured with the real fonts, as the game measures a player's pack.
    (void)bank::check_fit(r.pack, fonts);
    return 0;
}
