// The recording reader and the rehearsal every replay goes through, fed whatever libFuzzer makes of
// real recordings: nothing may crash or hang them, a recording read cleanly writes back as itself,
// and whatever the rehearsal accepts plays to its end.
#include "fuzz/require.h"
#include "game/replay.h"
#include "toolkit/recording.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    replay::Loaded loaded = replay::read({reinterpret_cast<const char*>(data), size}, replay::kBuiltIn);
    if (loaded.problem) {
        require(!loaded.problem->what.empty() && loaded.problem->line >= 0);
        return 0;
    }
    const std::string text = tk::write_recording(loaded.recording);
    tk::RecordingReading again = tk::read_recording(text);
    require(!again.problem && tk::write_recording(again.recording) == text);
    (void)replay::rehearse(loaded.recording, bank::built_in());
    return 0;
}
