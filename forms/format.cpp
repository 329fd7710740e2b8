#include "forms/format.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rainbow {
namespace {

int decimals_of(std::string_view pattern) {
    const auto dot = pattern.find('.');
    return dot == std::string_view::npos ? 0 : int(pattern.size() - dot - 1);
}

// Rounds the decimal digits of |value| (15 significant digits, as the user would read it)
// to the given number of decimals, half away from zero, and returns the digits of the
// integer part and of the fraction.
void round_decimal(double magnitude, int decimals, std::string& whole, std::string& fraction) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    // buffer: d.dddddddddddddde[+-]XX
    std::string digits;
    digits.push_back(buffer[0]);
    digits.append(buffer + 2, 14);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    // Position of the decimal point within digits: after (exponent + 1) digits.
    int point = exponent + 1;
    if (point < 0) {
        digits.insert(0, std::string(std::size_t(-point), '0'));
        point = 0;
    }
    if (point > int(digits.size())) digits.append(std::size_t(point) - digits.size(), '0');
    const int keep = point + decimals;
    std::string kept = digits.substr(0, std::size_t(keep));
    const bool round_up = keep < int(digits.size()) && digits[std::size_t(keep)] >= '5';
    if (round_up) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[std::size_t(i)] == '9') kept[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++kept[std::size_t(i)];
        } else {
            kept.insert(0, "1");
            ++point;
        }
    }
    whole = kept.substr(0, std::size_t(point));
    fraction = kept.substr(std::size_t(point));
    const auto first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "0" : whole.substr(first);
}

}  // namespace

std::string decimal_separator() {
    const std::lconv* conv = std::localeconv();
    if (conv == nullptr || conv->decimal_point == nullptr || *conv->decimal_point == '\0') {
        return ".";
    }
    return conv->decimal_point;
}

std::string format_number(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return "";
    const int decimals = decimals_of(pattern);
    std::string whole;
    std::string fraction;
    round_decimal(std::fabs(value), decimals, whole, fraction);
    const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += whole;
    if (decimals > 0) out += decimal_separator() + fraction;
    return out;
}

}  // namespace rainbow
