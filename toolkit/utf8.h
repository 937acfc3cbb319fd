// UTF-8 as the questions are written, one code point at a time, the same for every backend: a
// malformed byte stands for U+FFFD, so a broken text is measured and drawn the same everywhere.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// The code point at byte i of text; i moves past it.
char32_t next_code_point(std::string_view text, std::size_t& i);

// Every code point of text.
std::vector<char32_t> decode_utf8(std::string_view text);

// Writes a code point as UTF-8 at the end of out.
void append_utf8(std::string& out, char32_t cp);

} // namespace tk
