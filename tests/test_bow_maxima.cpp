// The maxima marked on the brightness curves: one mark per bow and supernumerary of the exact
// curve, whatever ripple the light reflected outside the drop lays over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "display_list.h"
#include "theory/bow_curves.h"

namespace rainbow {
namespace {

using testing::items_of;

// Bumps of brightness a degree apart on the lit side of a bow at 2 degrees (mirrored for a
// secondary bow), with a fine ripple over everything and dark on the other side.
struct RippledBow {
    std::vector<double> angles, values, bumps;
};

RippledBow rippled_bow(int reflections, double ripple) {
    RippledBow bow;
    const double side = reflections == 1 ? 1.0 : -1.0;  // the direction of the lit side
    for (int j = 0; j <= 2000; ++j) {
        const double a = -10.0 + 20.0 * j / 2000;
        const double from_bow = side * (a - 2.0);
        const double lit = from_bow > 0 ? std::pow(std::sin(std::numbers::pi * from_bow), 2) : 0;
        bow.angles.push_back(a);
        bow.values.push_back(lit * (1 + ripple * std::sin(2 * std::numbers::pi * a / 0.07)) +
                             ripple * 0.1 * (1 + std::sin(2 * std::numbers::pi * a / 0.05)));
    }
    for (double b = 0.5; 2.0 + side * b > -10 && 2.0 + side * b < 10; b += 1.0)
        bow.bumps.push_back(2.0 + side * b);
    if (side < 0) std::reverse(bow.bumps.begin(), bow.bumps.end());
    return bow;
}

TEST(BowMaxima, OneMarkPerBumpOnTheLitSideWhateverTheRipple) {
    struct Row {
        int reflections;
        double ripple;
    };
    for (const Row row : {Row{1, 0.0}, Row{1, 0.3}, Row{2, 0.0}, Row{2, 0.3}}) {
        SCOPED_TRACE(::testing::Message()
                     << "k = " << row.reflections << ", ripple " << row.ripple);
        const RippledBow bow = rippled_bow(row.reflections, row.ripple);
        const auto found =
            rippled_curve_maxima(bow.angles, bow.values, bow.bumps, 2.0, row.reflections);
        ASSERT_EQ(found.size(), bow.bumps.size());
        // The ripple moves the brightest point of a bump by up to one of its periods.
        for (std::size_t j = 0; j < found.size(); ++j) EXPECT_NEAR(found[j], bow.bumps[j], 0.07);
    }
}

TEST(BowMaxima, WithoutAGuideOnlyTheBrightestCrestCounts) {
    const RippledBow bow = rippled_bow(1, 0.3);
    const auto found = rippled_curve_maxima(bow.angles, bow.values, {}, 2.0, 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(std::abs(std::sin(std::numbers::pi * (found[0] - 2.0))), 1.0, 0.03);
}

// Water in red light, perpendicular polarisation (Wang & van de Hulst, 1991): for drops of
// 0.5 mm the exact main maximum marked lies on Airy's, with a mark for each supernumerary;
// for drops of 10 um the two main maxima part by tenths of a degree.
TEST(BowMaxima, ExactMainMaximumAgainstAirysForLargeAndSmallDrops) {
    struct Row {
        double radius_um;
        double apart_low, apart_high;
    };
    for (const Row row : {Row{500, 0.0, 0.1}, Row{10, 0.15, 2.0}}) {
        SCOPED_TRACE(row.radius_um);
        BowQuery query;
        query.radius_um = row.radius_um;
        const BowCurves c = compute_bow_curves(query, scattering::serial_for());
        Surface surface(9000, 5000);
        draw_bow_picture(surface, c, ShownTheories{}, theory_words());
        const auto airy = curve_maxima(c.angles_deg, c.airy);
        // The marks of the exact curve are its maxima; one per Airy maximum, give or take the
        // last, cut by the edge of the plot.
        const auto marks = items_of<LineItem>(surface, exact_colour);
        std::vector<double> exact;
        for (const LineItem& mark : marks)
            if (mark.x1 == mark.x2) exact.push_back(mark.x1);
        ASSERT_FALSE(exact.empty());
        EXPECT_LE(std::abs(int(exact.size()) - int(airy.size())), 1);
        const double apart = std::abs(exact.front() - airy.front());
        EXPECT_GE(apart, row.apart_low);
        EXPECT_LE(apart, row.apart_high);
        // The main maxima printed are those marked.
        const auto printed = testing::texts_starting_with(surface, "Mie: ");
        ASSERT_EQ(printed.size(), 1u);
        EXPECT_NEAR(std::stod(printed[0].text.substr(5)), exact.front(), 0.0051);
    }
}

}  // namespace
}  // namespace rainbow
