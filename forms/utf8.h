#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rainbow {

// Length of the valid UTF-8 sequence starting at s[i] (1 for an ASCII byte), or 0 when the
// bytes there are not one: a stray or overlong byte, a surrogate, a code past U+10FFFF.
std::size_t utf8_length(std::string_view s, std::size_t i);

// The text cut to at most `bytes` bytes, at the end of a character (bytes that are not UTF-8
// count one each).
std::string fitted_utf8(std::string_view text, std::size_t bytes);

// A user's text made safe to print on one line: C0 controls and DEL as \n, \t, \r or \x1B,
// C1 controls and the line and paragraph separators as \u0085, bytes that are not UTF-8 as
// \xFF, a backslash as \\. Greek and every other printable character stay as they are.
std::string escaped(std::string_view text);

// The same in single quotes, a quote inside written \'.
std::string in_quotes(std::string_view text);

}  // namespace rainbow
