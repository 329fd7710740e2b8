#pragma once

#include <string>
#include <string_view>

namespace rainbow {

// Formats a number for the user with a pattern "0", "0.00" or "0.000" (any count of decimal
// zeros): rounded half away from zero on the decimal value shown to 15 significant digits,
// with the decimal separator of the user's locale. A value that rounds to zero prints
// without a sign; a non-number prints as an empty text.
std::string format_number(double value, std::string_view pattern);

// The decimal separator used by format_number; read from the C library's locale
// (LC_NUMERIC), so "." until the program adopts the user's locale.
std::string decimal_separator();

}  // namespace rainbow
