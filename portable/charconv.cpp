#include "portable/charconv.h"

#if !RAINBOW_FLOAT_CHARCONV

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace rainbow::portable {

namespace {

std::to_chars_result copy_out(char* first, char* last, const std::string& text) {
    if (std::size_t(last - first) < text.size()) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc{}};
}

}  // namespace

// The shortest digits that read back to the value, from printf's correctly rounded "%.*e";
// then fixed or scientific notation, whichever is shorter, fixed on a tie.
std::to_chars_result shortest_chars(char* first, char* last, double value, bool single) {
    if (std::isnan(value)) return copy_out(first, last, std::signbit(value) ? "-nan" : "nan");
    if (std::isinf(value)) return copy_out(first, last, value < 0 ? "-inf" : "inf");
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0) return copy_out(first, last, sign + "0");

    char buffer[64];
    const int most = single ? 8 : 16;
    for (int precision = 0; precision <= most; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, std::fabs(value));
        const bool exact = single ? std::strtof(buffer, nullptr) == float(std::fabs(value))
                                  : std::strtod(buffer, nullptr) == std::fabs(value);
        if (exact) break;
    }
    const char* e = std::strchr(buffer, 'e');
    std::string digits;
    for (const char* c = buffer; c < e; ++c)
        if (*c != '.') digits += *c;
    const int exponent = std::atoi(e + 1);
    const int n = int(digits.size());

    std::string fixed;
    if (exponent >= n - 1) {
        // A whole number: its own digits. Padding the shortest digits with zeros takes as many
        // characters (or one more, where their rounding carried), and the standard asks for the
        // nearest of the shortest texts: 87065968 for the float 87065968, not 87065970.
        char whole[320];  // the largest double has 309 digits
        std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
        fixed = whole;
    } else if (exponent >= 0) {
        fixed = digits.substr(0, std::size_t(exponent + 1)) + "." +
                digits.substr(std::size_t(exponent + 1));
    } else {
        fixed = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    std::string scientific = digits.substr(0, 1);
    if (n > 1) scientific += "." + digits.substr(1);
    const int magnitude = std::abs(exponent);
    scientific += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) scientific += '0';
    scientific += std::to_string(magnitude);
    return copy_out(first, last, sign + (fixed.size() <= scientific.size() ? fixed : scientific));
}

namespace {

// The general format of std::from_chars: an optional minus, then digits with an optional
// point and exponent, or inf, infinity or nan; never a plus, white space or hexadecimal.
template <class T, class Read>
std::from_chars_result read_number(const char* first, const char* last, T& value, Read read) {
    const std::string text(first, last);
    std::size_t start = text.empty() || text[0] != '-' ? 0 : 1;
    const bool hexadecimal = text.size() > start + 1 && text[start] == '0' &&
                             (text[start + 1] == 'x' || text[start + 1] == 'X');
    const bool begins =
        text.size() > start && (std::isdigit(static_cast<unsigned char>(text[start])) ||
                                text[start] == '.' || std::strchr("iInN", text[start]) != nullptr);
    if (!begins) return {first, std::errc::invalid_argument};
    const std::string readable = hexadecimal ? text.substr(0, start + 1) : text;
    char* end = nullptr;
    errno = 0;
    const T read_value = read(readable.c_str(), &end);
    if (end == readable.c_str()) return {first, std::errc::invalid_argument};
    const char* stop = first + (end - readable.c_str());
    if (errno == ERANGE && (std::isinf(read_value) || read_value == 0))
        return {stop, std::errc::result_out_of_range};
    value = read_value;
    return {stop, std::errc{}};
}

}  // namespace

std::from_chars_result read_chars(const char* first, const char* last, double& value) {
    return read_number(first, last, value,
                       [](const char* s, char** e) { return std::strtod(s, e); });
}

std::from_chars_result read_chars(const char* first, const char* last, float& value) {
    return read_number(first, last, value,
                       [](const char* s, char** e) { return std::strtof(s, e); });
}

}  // namespace rainbow::portable

#endif
