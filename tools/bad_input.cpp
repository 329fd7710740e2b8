#include "tools/bad_input.h"

#include <cstdio>

namespace rainbow {
namespace {

// The length of the well-formed UTF-8 sequence starting at `at`, or 0 for a stray byte.
std::size_t utf8_sequence(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf;  // the range of the second byte
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;   // no overlong forms
        if (lead == 0xed) high = 0x9f;  // no surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf) return 0;
    }
    return length;
}

}  // namespace

std::string in_quotes(std::string_view text) {
    std::string out = "'";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t n = utf8_sequence(text, i);
            // C1 controls (U+0080 to U+009F) are escaped as the C0 ones are.
            const bool control = n == 2 && c == 0xc2 && static_cast<unsigned char>(text[i + 1]) < 0xa0;
            if (n != 0 && !control) {
                out.append(text.substr(i, n));
                i += n;
                continue;
            }
        }
        switch (c) {
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\'': out += "\\'"; break;
            case '\\': out += "\\\\"; break;
            default:
                if (c < 0x20 || c >= 0x7f) {  // a control, or a byte of a bad or C1 sequence
                    char escape[5];
                    std::snprintf(escape, sizeof escape, "\\x%02X", c);
                    out += escape;
                } else {
                    out += char(c);
                }
        }
        ++i;
    }
    return out + "'";
}

}  // namespace rainbow
