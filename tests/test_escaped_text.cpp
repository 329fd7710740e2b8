// A user's text in a message: one line, every control written as an escape, every printable
// character as it is.
#include <gtest/gtest.h>

#include <string>

#include "forms/utf8.h"

namespace rainbow {
namespace {

TEST(EscapedText, ControlsAndBadBytesBecomeEscapesAndTextStays) {
    const struct {
        const char* name;
        std::string text;
        std::string quoted;
    } rows[] = {
        {"plain", "arxiki.Command1", "'arxiki.Command1'"},
        {"newline, tab and CR", "a\nb\tc\rd", R"('a\nb\tc\rd')"},
        {"ESC and DEL", "a\x1B[31mb\x7F", R"('a\x1B[31mb\x7F')"},
        {"NUL keeps what follows", std::string("a\0b", 3), R"('a\x00b')"},
        {"C1 control NEL", "a\xC2\x85z", R"('a\u0085z')"},
        {"C1 control CSI", "\xC2\x9B", R"('\u009B')"},
        {"line and paragraph separators", "a\xE2\x80\xA8z\xE2\x80\xA9", R"('a\u2028z\u2029')"},
        {"a byte that is not UTF-8", "a\xFFz", R"('a\xFFz')"},
        {"a sequence cut short", "a\xCE", R"('a\xCE')"},
        {"an overlong slash", "\xC0\xAF", R"('\xC0\xAF')"},
        {"Greek stays", "γωνία θ", "'γωνία θ'"},
        {"no-break space and e acute stay", "\xC2\xA0\xC3\xA9", "'\xC2\xA0\xC3\xA9'"},
        {"quote and backslash", "it's a\\b", R"('it\'s a\\b')"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(in_quotes(row.text), row.quoted);
        const std::string bare = escaped(row.text);
        for (const char c : bare) {
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << bare;
        }
    }
    EXPECT_EQ(escaped("it's"), "it's");  // a quote needs no escape outside quotes
}

}  // namespace
}  // namespace rainbow
