// The optics behind the caustics window: the rates of change against finite differences, and
// each caustic point against where two neighbouring rays, traced on their own, cross.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "caustics/reflection.h"
#include "caustics/refraction.h"
#include "display_list.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/ray.h"
#include "geometry/ray_path.h"

namespace rainbow {
namespace {

constexpr double indices[] = {1.33, 1.5, 1.7};

double refraction_of(double a, double n) { return std::asin(std::sin(a) / n); }

double central_difference(const std::function<double(double)>& f, double a) {
    const double h = 1e-6;
    return (f(a + h) - f(a - h)) / (2 * h);
}

TEST(CausticRates, MatchFiniteDifferences) {
    for (double n : indices) {
        for (double a : {-1.4, -0.9, -0.3, 0.001, 0.5, 1.0, 1.45}) {
            SCOPED_TRACE(::testing::Message() << "n = " << n << ", a = " << a);
            const double r_rate =
                central_difference([n](double x) { return refraction_of(x, n); }, a);
            const double inner =
                central_difference([n](double x) { return std::tan(x - refraction_of(x, n)); }, a);
            const double outer = central_difference(
                [n](double x) { return std::tan(2 * x - 2 * refraction_of(x, n)); }, a);
            EXPECT_NEAR(refraction_rate(a, n), r_rate, 1e-7 * (1 + std::fabs(r_rate)));
            EXPECT_NEAR(inner_slope_rate(a, n), inner, 1e-7 * (1 + std::fabs(inner)));
            EXPECT_NEAR(outer_slope_rate(a, n), outer, 1e-7 * (1 + std::fabs(outer)));
        }
    }
}

// Where the lines of two rays cross.
Point crossing(const Ray& p, const Ray& q) {
    const double det = p.direction.x * q.direction.y - p.direction.y * q.direction.x;
    const double dx = q.start.x - p.start.x;
    const double dy = q.start.y - p.start.y;
    const double t = (dx * q.direction.y - dy * q.direction.x) / det;
    return {p.start.x + t * p.direction.x, p.start.y + t * p.direction.y};
}

// The ray of the horizontal beam at incidence a, followed through the sphere with k
// reflections by the ray tracer of the main window.
RayPath traced(double a, double R, double n, int k) {
    return trace_ray({-100, R * std::sin(a)}, {-R * std::cos(a), R * std::sin(a)}, {{0, 0}, R, n},
                     k);
}

Ray chord(double a, double R, double n) {
    const RayPath path = traced(a, R, n, 0);
    return {path.entry(), path.exit() - path.entry()};
}

Ray outgoing(double a, double R, double n, int k) {
    const RayPath path = traced(a, R, n, k);
    return {path.exit(), path.exit_direction};
}

// Where the rays at a - h and a + h cross: the envelope point as h goes to 0.
template <class Family>
Point envelope(Family family, double a) {
    const double h = 1e-5;
    return crossing(family(a - h), family(a + h));
}

void expect_same_point(std::optional<Point> got, Point want, double R) {
    ASSERT_TRUE(got.has_value());
    const double tolerance = 1e-5 * R * (1 + std::hypot(want.x, want.y) / R);
    EXPECT_NEAR(got->x, want.x, tolerance);
    EXPECT_NEAR(got->y, want.y, tolerance);
}

TEST(CausticPoints, InnerAndOuterAreEnvelopesOfTracedRays) {
    const double R = 20;
    for (double n : indices) {
        for (double a : {-1.3, -0.7, -0.2, 0.05, 0.4, 0.8, 1.2}) {
            SCOPED_TRACE(::testing::Message() << "n = " << n << ", a = " << a);
            expect_same_point(inner_caustic_point(a, R, n),
                              envelope([&](double x) { return chord(x, R, n); }, a), R);
            expect_same_point(outer_caustic_point(a, R, n),
                              envelope([&](double x) { return outgoing(x, R, n, 0); }, a), R);
        }
    }
}

TEST(CausticPoints, ReflectedIsEnvelopeOfOnceReflectedRays) {
    const double R = 20;
    for (double n : indices) {
        const double cone = *rainbow_incidence(n);
        for (double a : {-1.5, -(cone + 0.1), cone + 0.05, cone + 0.3, 1.5}) {
            SCOPED_TRACE(::testing::Message() << "n = " << n << ", a = " << a);
            expect_same_point(reflected_caustic_envelope(a, R, n),
                              envelope([&](double x) { return outgoing(x, R, n, 1); }, a), R);
        }
    }
}

// Neighbouring outgoing rays are parallel at the rainbow ray: its caustic point lies at
// infinity and is left out, though the ray itself is drawn.
TEST(CausticPoints, RainbowRayHasNoCausticPoint) {
    for (double n : indices) {
        SCOPED_TRACE(n);
        const double cone = *rainbow_incidence(n);
        EXPECT_FALSE(reflected_caustic_envelope(cone, 20, n).has_value());
        EXPECT_FALSE(reflected_caustic_envelope(-cone, 20, n).has_value());
        Surface eikona(3000, 3000);
        eikona.scale(-40, 40, 40, -40);
        EXPECT_FALSE(reflected_caustic_point(eikona, cone, 20, n).has_value());
        EXPECT_EQ(testing::items_of<PsetItem>(eikona, rgb(0, 0, 255)).size(), 1u);
        EXPECT_EQ(eikona.draw_width, 1);
    }
}

TEST(CausticPoints, DrawableRejectsWhatSinglePrecisionCannotHold) {
    EXPECT_TRUE(drawable({1e30, -1e30}));
    EXPECT_FALSE(drawable({1e40, 0}));
    EXPECT_FALSE(drawable({0, std::nan("")}));
    EXPECT_FALSE(drawable({INFINITY, 0}));
}

}  // namespace
}  // namespace rainbow
