#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace rainbow {

// Input the render command cannot act on; the message names what was wrong, on one line.
class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A user's text in single quotes, safe to print on one line: control characters, quotes,
// backslashes and bytes that are not UTF-8 are written as escapes (\n, \t, \', \\, \xFF).
std::string in_quotes(std::string_view text);

}  // namespace rainbow
