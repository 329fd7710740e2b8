#include "tools/bad_input.h"

#include <cstdio>

#include "forms/utf8.h"

namespace rainbow {

std::string in_quotes(std::string_view text) {
    std::string out = "'";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t n = utf8_length(text, i);
            // C1 controls (U+0080 to U+009F) are escaped as the C0 ones are.
            const bool control =
                n == 2 && c == 0xc2 && static_cast<unsigned char>(text[i + 1]) < 0xa0;
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
