// A file the player named on the command line (a question pack, a recorded show): read whole, no
// larger than a limit, and never waited on. Whatever stops it being read is said in a way the
// player can act on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tk {

struct PlayerFile {
    std::string bytes;
    std::string fault; // empty when the file was read
};

// the_file names what the player meant to name ("il file delle domande"); too_large is what to say
// of a file past the limit.
PlayerFile read_player_file(
    const std::string& path, std::size_t limit, std::string_view the_file, std::string_view too_large);

} // namespace tk
