#include "forms/utf8.h"

#include <algorithm>
#include <cstdio>

namespace rainbow {

std::size_t utf8_length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t n = 0;
    char32_t code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (n == 3 && code < 0x800) || (n == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return 0;
    return n;
}

namespace {

void escape_into(std::string& out, std::string_view text, bool quote) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        char escape[8];
        if (c >= 0x80) {
            const std::size_t n = utf8_length(text, i);
            if (n == 0) {  // a byte of a bad sequence
                std::snprintf(escape, sizeof escape, "\\x%02X", c);
                out += escape;
                ++i;
                continue;
            }
            // C1 controls (U+0080 to U+009F) and the separators U+2028 and U+2029.
            const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
            unsigned code = 0;
            if (n == 2 && c == 0xC2 && byte(i + 1) < 0xA0) code = byte(i + 1);
            if (n == 3 && c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) | 1) == 0xA9)
                code = 0x2000u + byte(i + 2) - 0x80u;
            if (code != 0) {
                std::snprintf(escape, sizeof escape, "\\u%04X", code);
                out += escape;
            } else {
                out.append(text.substr(i, n));
            }
            i += n;
            continue;
        }
        switch (c) {
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\\': out += "\\\\"; break;
            case '\'': out += quote ? "\\'" : "'"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    std::snprintf(escape, sizeof escape, "\\x%02X", c);
                    out += escape;
                } else {
                    out += char(c);
                }
        }
        ++i;
    }
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string out;
    escape_into(out, text, false);
    return out;
}

std::string in_quotes(std::string_view text) {
    std::string out = "'";
    escape_into(out, text, true);
    return out + "'";
}

std::string fitted_utf8(std::string_view text, std::size_t bytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + std::max<std::size_t>(1, utf8_length(text, end));
        if (next > bytes) break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

}  // namespace rainbow
