#include <gtest/gtest.h>

#include <cmath>

#include "forms/format.h"

namespace rainbow {
namespace {

TEST(FormatNumber, PatternsRoundHalfAwayFromZero) {
    struct Row {
        const char* name;
        double value;
        const char* pattern;
        const char* expected;
    };
    const Row rows[] = {
        {"whole", 15, "0", "15"},
        {"whole half up", 2.5, "0", "3"},
        {"whole half down negative", -2.5, "0", "-3"},
        {"two decimals", 59.5836, "0.00", "59.58"},
        {"two decimals pads", 1.5, "0.00", "1.50"},
        {"decimal half that binary stores below", 1.005, "0.00", "1.01"},
        {"three decimals", -12.34567, "0.000", "-12.346"},
        {"carry into whole", 9.9996, "0.000", "10.000"},
        {"tiny negative prints no sign", -0.001, "0.00", "0.00"},
        {"zero", 0, "0.00", "0.00"},
        {"large", 123456.789, "0", "123457"},
        {"small", 0.000123, "0.000", "0.000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(format_number(row.value, row.pattern), row.expected);
    }
}

TEST(FormatNumber, NonNumberPrintsNothing) {
    EXPECT_EQ(format_number(std::nan(""), "0.00"), "");
    EXPECT_EQ(format_number(1.0 / 0.0, "0"), "");
}

}  // namespace
}  // namespace rainbow
