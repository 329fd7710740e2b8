// The maxima of the brightness curves: located on the functions themselves, not on their
// samples, and the exact curve's bow chosen through the Debye term of the bow's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "display_list.h"
#include "scattering/crest.h"
#include "theory/bow_curves.h"

namespace rainbow {
namespace {

namespace sc = scattering;
using testing::items_of;
using testing::texts_starting_with;
constexpr double pi = std::numbers::pi;

TEST(Crests, GoldenSectionFindsTheCrestInsideOrAtAnEnd) {
    struct Row {
        const char* name;
        double (*f)(double);
        double low, high, expected;
    };
    const Row rows[] = {
        {"parabola", [](double x) { return -(x - 0.3) * (x - 0.3); }, 0.0, 1.0, 0.3},
        {"cosine, off centre", [](double x) { return std::cos(x - 0.123456); }, -1.0, 2.0,
         0.123456},
        {"narrow Lorentzian",
         [](double x) { return 1.0 / (1.0 + 1e6 * (x - 0.7071) * (x - 0.7071)); }, 0.6, 0.8,
         0.7071},
        {"rising: the upper end", [](double x) { return x; }, 0.0, 1.0, 1.0},
        {"falling: the lower end", [](double x) { return -x; }, 2.0, 3.0, 2.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const sc::Crest crest = sc::golden_section_maximum(row.f, row.low, row.high, 1e-7);
        EXPECT_NEAR(crest.at, row.expected, 1e-7);
        EXPECT_DOUBLE_EQ(crest.value, row.f(crest.at));
    }
}

TEST(Crests, RefinedFromCoarseSamplesToTheFunctionsOwnMaxima) {
    // sin^2 sampled 7 times per period, its crests at pi/2 + j pi, off the grid.
    const auto f = [](double x) { return std::pow(std::sin(x), 2) * (1.0 + 0.01 * x); };
    std::vector<double> x, y;
    for (double t = 0.2; t < 10.0; t += pi / 7) {
        x.push_back(t);
        y.push_back(f(t));
    }
    const auto crests = sc::refined_crests(x, y, f, 1e-8);
    ASSERT_EQ(crests.size(), 3u);  // at 1.57, 4.71 and 7.85; 10.99 is beyond the samples
    for (std::size_t j = 0; j < crests.size(); ++j) {
        // d/dx [sin^2 x (1 + 0.01 x)] = 0: tan x = -2 (1 + 0.01 x) / 0.01 near pi/2 + j pi.
        const double near = pi / 2 + double(j) * pi;
        const double exact = near + std::atan(0.01 / (2.0 * (1.0 + 0.01 * near)));
        EXPECT_NEAR(crests[j].at, exact, 1e-5);
    }
    // A curve rising to its last sample has no crest in the range.
    EXPECT_TRUE(sc::refined_crests(
                    {0, 1, 2}, {0, 1, 2}, [](double t) { return t; }, 1e-6)
                    .empty());
}

// A bow of smooth bumps at 1, 2 and 3 degrees under a ripple of period 0.05 degrees, sampled
// eight times per period: the exact crest chosen for each bump is the highest within reach.
TEST(BowMaxima, TheHighestRippleCrestWithinReachOfEachDebyeCrest) {
    const auto smooth = [](double a) { return std::pow(std::sin(pi * (a - 0.5)), 2); };
    const auto rippled = [&smooth](double a) {
        return smooth(a) * (1.0 + 0.3 * std::cos(2 * pi * (a - 0.013) / 0.05));
    };
    std::vector<double> angles, values;
    for (double a = 0.5; a <= 3.5; a += 0.05 / 8) {
        angles.push_back(a);
        values.push_back(rippled(a));
    }
    const std::vector<double> debye = {1.0, 2.0, 3.0};
    for (const double reach : {0.1, 0.3}) {
        SCOPED_TRACE(reach);
        const auto found = exact_bow_crests(angles, values, rippled, debye, reach);
        ASSERT_EQ(found.size(), debye.size());
        for (std::size_t d = 0; d < debye.size(); ++d) {
            ASSERT_TRUE(found[d]);
            EXPECT_LE(std::abs(found[d]->at - debye[d]), reach);
            // Nothing within reach is higher: checked on a fine grid (the crest is located to
            // 1e-4 degrees, its height to a few parts in ten thousand).
            for (double a = debye[d] - reach; a <= debye[d] + reach; a += 1e-5)
                ASSERT_LE(rippled(a), found[d]->value * (1 + 1e-3)) << a;
            EXPECT_NEAR(found[d]->value, 1.3, 0.01);  // a crest of the bump's top
        }
    }
    // A Debye crest where the exact curve has none near: no exact crest stands for it.
    const auto far = exact_bow_crests(angles, values, rippled, {10.0}, 0.1);
    ASSERT_EQ(far.size(), 1u);
    EXPECT_FALSE(far[0]);
}

struct Printed {
    std::vector<TextItem> mie, airy, outside;
};

Printed printed(const BowCurves& c) {
    Surface surface(9000, 5000);
    draw_bow_picture(surface, c, ShownTheories{}, theory_words());
    return {texts_starting_with(surface, "Mie: "), texts_starting_with(surface, "Airy: "),
            texts_starting_with(surface, theory_words().bow_outside)};
}

double number_in(const TextItem& t, std::size_t from) { return std::stod(t.text.substr(from)); }

// Water in red light, perpendicular polarisation. For drops of 0.5 mm the exact primary has
// two crests of equal height at 138.013 and 138.077 degrees and the secondary a narrow crest
// at 128.895; Airy's maxima are at 138.02 and 128.94. Drops of exactly 10 um have the exact
// primary maximum at 142.935 (Wang and van de Hulst, Appl. Opt. 30, 106, 1991, for the
// 10 um primary's shift away from Airy's), and their secondary bow (Debye p = 3 at 124.15,
// Airy at 121.5) lies outside the plot of 125-135 degrees.
TEST(BowMaxima, PrintedMaximaOfWaterDropsAgainstPublishedValues) {
    struct Row {
        const char* name;
        double radius_um;
        int reflections;
        std::vector<double> mie;  // any of these
        double mie_tolerance;
        double airy;  // 0: none printed
    };
    const Row rows[] = {
        {"0.5 mm primary", 500, 1, {138.013, 138.077}, 0.002, 138.02},
        {"0.5 mm secondary", 500, 2, {128.895}, 0.005, 128.94},
        {"10 um primary", 10, 1, {142.935}, 0.002, 142.63},
        {"10 um secondary", 10, 2, {}, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BowQuery query;
        query.radius_um = row.radius_um;
        query.reflections = row.reflections;
        const BowCurves c = compute_bow_curves(query, sc::threads_parallel_for(2));
        const Printed p = printed(c);
        if (row.mie.empty()) {
            EXPECT_TRUE(c.bow_outside);
            EXPECT_TRUE(p.mie.empty());
            EXPECT_TRUE(p.airy.empty());
            EXPECT_EQ(p.outside.size(), 1u);
            continue;
        }
        EXPECT_TRUE(p.outside.empty());
        ASSERT_EQ(p.mie.size(), 1u);
        ASSERT_TRUE(c.exact_main);
        const double mie = number_in(p.mie[0], 5);
        EXPECT_NEAR(mie, *c.exact_main, 0.0005);  // printed as located
        double nearest = 1e9;
        for (const double m : row.mie)
            if (std::abs(mie - m) < std::abs(mie - nearest)) nearest = m;
        EXPECT_NEAR(mie, nearest, row.mie_tolerance);
        ASSERT_EQ(p.airy.size(), 1u);
        EXPECT_NEAR(number_in(p.airy[0], 6), row.airy, 0.005);
    }
}

// The exact curve follows its ripple: eight samples or more per period, and drawn at the
// picture's width as the band between the lowest and highest value of each pixel column.
TEST(BowMaxima, ExactCurveSampledByItsRippleAndDrawnAsItsEnvelope) {
    BowQuery query;
    query.radius_um = 500;
    const BowCurves c = compute_bow_curves(query, sc::threads_parallel_for(2));
    ASSERT_GT(c.exact_angles_deg.size(), 2u);
    const double step = c.exact_angles_deg[1] - c.exact_angles_deg[0];
    EXPECT_NEAR(c.ripple_deg, 0.65 / 1000.0 * 180 / pi, 1e-9);
    EXPECT_LE(step, c.ripple_deg / ripple_samples);

    Surface surface(9000, 5000);  // 600 pixels wide
    draw_bow_picture(surface, c, ShownTheories{false, false, true, false}, theory_words());
    // The curve, not the marks of its maxima above it.
    const float brightest = float(*std::max_element(c.exact.begin(), c.exact.end()));
    std::vector<LineItem> curve;
    for (const LineItem& l : items_of<LineItem>(surface, exact_colour))
        if (std::max(l.y1, l.y2) <= brightest) curve.push_back(l);
    EXPECT_LT(curve.size(), 2 * 600u);
    EXPECT_GT(curve.size(), 600u);
    // The band reaches the highest and the lowest sample of the curve.
    float low = 1e30f, high = 0;
    for (const LineItem& l : curve) {
        low = std::min({low, l.y1, l.y2});
        high = std::max({high, l.y1, l.y2});
    }
    EXPECT_FLOAT_EQ(low, float(*std::min_element(c.exact.begin(), c.exact.end())));
    EXPECT_FLOAT_EQ(high, brightest);
}

// The curves computed in pieces, stopping after every piece as a browser's slices may, are the
// bits computed at once on threads.
TEST(BowCurves, InPiecesThatPauseTheyAreTheCurvesComputedAtOnce) {
    const struct {
        const char* name;
        double radius_um;
        int reflections;
        PolarisationChoice polarisation;
        int runs_more_than;  // paused between the stages; for large drops inside the sums
    } rows[] = {
        {"0.5 mm primary", 500, 1, PolarisationChoice::perpendicular, 10},
        {"0.1 mm secondary, parallel", 100, 2, PolarisationChoice::parallel, 4},
        {"10 um primary, unpolarised", 10, 1, PolarisationChoice::unpolarised, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        BowQuery query;
        query.radius_um = row.radius_um;
        query.reflections = row.reflections;
        query.polarisation = row.polarisation;
        const BowCurves at_once = compute_bow_curves(query, sc::threads_parallel_for(2));

        sc::Pace pace = sc::Pace::pausing([] { return true; });
        pace.sums_per_piece = 100'000;
        BowCurvesWork work(query);
        int runs = 1;
        while (!work.run(pace)) ++runs;
        EXPECT_GT(runs, row.runs_more_than);
        EXPECT_TRUE(work.done());
        const BowCurves& c = work.curves();
        EXPECT_EQ(c.query, at_once.query);
        EXPECT_EQ(c.index, at_once.index);
        EXPECT_EQ(c.angles_deg, at_once.angles_deg);
        EXPECT_EQ(c.geometric, at_once.geometric);
        EXPECT_EQ(c.airy, at_once.airy);
        EXPECT_EQ(c.debye, at_once.debye);
        EXPECT_EQ(c.ripple_deg, at_once.ripple_deg);
        EXPECT_EQ(c.exact_angles_deg, at_once.exact_angles_deg);
        EXPECT_EQ(c.exact, at_once.exact);
        EXPECT_EQ(c.airy_maxima, at_once.airy_maxima);
        EXPECT_EQ(c.debye_maxima, at_once.debye_maxima);
        EXPECT_EQ(c.exact_maxima, at_once.exact_maxima);
        EXPECT_EQ(c.airy_main, at_once.airy_main);
        EXPECT_EQ(c.exact_main, at_once.exact_main);
        EXPECT_EQ(c.bow_outside, at_once.bow_outside);
    }
}

}  // namespace
}  // namespace rainbow
