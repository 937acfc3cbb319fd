// SHA-256 of a run of bytes, as 64 lower-case hex digits: the identity of a question pack in a
// recorded show.
#pragma once

#include <string>
#include <string_view>

namespace tk {

std::string sha256_hex(std::string_view bytes);

} // namespace tk
