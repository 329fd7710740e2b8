// Numbers to text and back as std::to_chars and std::from_chars give them. The browser
// edition's C++ library has neither for floating point, and the bridge must give the texts
// the desktop's does, or the two editions' JSON would differ though their numbers agree.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "portable/charconv.h"

namespace {

using rainbow::portable::from_chars;
using rainbow::portable::to_chars;

template <class T>
std::string text_of(T value) {
    char buffer[64];
    const auto result = to_chars(buffer, buffer + sizeof buffer, value);
    EXPECT_EQ(result.ec, std::errc{});
    return std::string(buffer, result.ptr);
}

TEST(PortableCharconv, ShortestTextsAsTheStandardLibraryWritesThem) {
    struct Row {
        double value;
        bool single;
        const char* text;
    };
    const Row rows[] = {
        // A whole number is written with its own digits where padding the shortest ones with
        // zeros would take as many characters: the nearest of the shortest texts.
        {87065968.0, true, "87065968"},
        {16777216.0, true, "16777216"},
        {123456789012345680.0, false, "123456789012345680"},
        {1234567.0, true, "1234567"},
        {100.0, false, "100"},
        {1e10, true, "1e+10"},  // scientific where it is shorter
        {1e23, false, "1e+23"},
        {-0.0, false, "-0"},
        {0.1, false, "0.1"},
        {0.1, true, "0.1"},
        {1e-7, false, "1e-07"},
        {0.000123, false, "0.000123"},
        {2.5e-5, true, "2.5e-05"},
        {5e-324, false, "5e-324"},
        {3.4028234663852886e38, true, "3.4028235e+38"},
        {std::numeric_limits<double>::max(), false, "1.7976931348623157e+308"},
        {138.077, false, "138.077"},
        {-1.6507296e-11, true, "-1.6507296e-11"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.single ? text_of(float(row.value)) : text_of(row.value), row.text);
    }
    EXPECT_EQ(text_of(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(text_of(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(PortableCharconv, ReadsTheGeneralFormatAndRefusesTheRest) {
    const auto read = [](const std::string& text, double& value) {
        const auto result = from_chars(text.data(), text.data() + text.size(), value);
        return std::pair{result.ec, std::size_t(result.ptr - text.data())};
    };
    double value = 0;
    EXPECT_EQ(read("87065968", value), std::pair(std::errc{}, std::size_t(8)));
    EXPECT_EQ(value, 87065968.0);
    EXPECT_EQ(read("-1.5e3x", value), std::pair(std::errc{}, std::size_t(6)));
    EXPECT_EQ(value, -1500.0);
    EXPECT_EQ(read("0x10", value), std::pair(std::errc{}, std::size_t(1)));  // "0", then stops
    EXPECT_EQ(value, 0.0);
    value = 7;
    EXPECT_EQ(read("+1", value).first, std::errc::invalid_argument);
    EXPECT_EQ(read(" 1", value).first, std::errc::invalid_argument);
    EXPECT_EQ(read("1e999", value).first, std::errc::result_out_of_range);
    EXPECT_EQ(value, 7.0);  // left as it was
}

}  // namespace
