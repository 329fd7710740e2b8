#pragma once

#include <cstddef>
#include <string_view>

namespace rainbow {

// Length of the valid UTF-8 sequence starting at s[i] (1 for an ASCII byte), or 0 when the
// bytes there are not one: a stray or overlong byte, a surrogate, a code past U+10FFFF.
std::size_t utf8_length(std::string_view s, std::size_t i);

}  // namespace rainbow
