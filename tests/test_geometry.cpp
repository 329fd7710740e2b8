#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "display_list.h"
#include "forms/polyline.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/circle_cut.h"
#include "geometry/drop.h"
#include "geometry/ray.h"
#include "geometry/ray_path.h"

namespace rainbow {
namespace {

const double pi = 4 * std::atan(1.0);

TEST(SafeArcsine, ValuesAndEmptyOutsideTheDomain) {
    EXPECT_EQ(safe_arcsine(1).value(), pi / 2);
    EXPECT_EQ(safe_arcsine(-1).value(), -pi / 2);
    EXPECT_NEAR(safe_arcsine(0.5).value(), 0.5235987755982989, 1e-15);
    EXPECT_FALSE(safe_arcsine(1.0000001).has_value());
    EXPECT_FALSE(safe_arcsine(-1.0000001).has_value());
    EXPECT_FALSE(safe_arcsine(std::nan("")).has_value());
    EXPECT_EQ(safe_arcsine(1.0000001).value_or(0) + 2, 2);
}

TEST(PointDistance, PairsFirstWithThirdArgument) {
    EXPECT_EQ(point_distance(0, 0, 3, 4), 5);
    EXPECT_EQ(point_distance(3, 4, 0, 0), 5);
    EXPECT_EQ(point_distance(1, 7, 1, 7), 0);
}

TEST(RainbowIncidence, LeastDeviationAngles) {
    EXPECT_NEAR(rainbow_incidence(1.33, 1).value() * 180 / pi, 59.58, 0.005);
    EXPECT_NEAR(rainbow_incidence(1.33, 2).value(), 1.2556, 1e-4);
    EXPECT_EQ(rainbow_incidence(1.33, 0).value(), rainbow_incidence(1.33, 1).value());
    EXPECT_NEAR(rainbow_incidence(2.0, 1).value_or(-1), 0, 1e-15);
}

TEST(LineCircleCut, TableOfLines) {
    struct Row {
        const char* name;
        double dx, dy, x0, y0;
        circle_cut expected;
    };
    const Row rows[] = {
        {"horizontal through centre", 1, 0, -90, 0, {30, 0, -30, 0, true}},
        {"tangent does not cut", 1, 0, -90, 30, {-90, 30, -90, 30, false}},
        {"vertical through inside",
         0,
         1,
         10,
         5,
         {10, 28.284271247461902, 10, -28.284271247461902, true}},
        {"vertical outside", 0, 1, 40, 0, {0, 0, 0, 0, false}},
        {"no direction is vertical",
         0,
         0,
         10,
         5,
         {10, 28.284271247461902, 10, -28.284271247461902, true}},
        {"sloping miss", 1, 1, -90, 60, {-90, 60, -90, 60, false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const circle_cut c = line_circle_cut({0, 0}, 30, {{row.x0, row.y0}, {row.dx, row.dy}});
        EXPECT_EQ(c.cuts, row.expected.cuts) << c;
        EXPECT_NEAR(c.x1, row.expected.x1, 1e-12) << c;
        EXPECT_NEAR(c.y1, row.expected.y1, 1e-12) << c;
        EXPECT_NEAR(c.x2, row.expected.x2, 1e-12) << c;
        EXPECT_NEAR(c.y2, row.expected.y2, 1e-12) << c;
    }
}

TEST(LineCircleCut, SlopingCutPointsLieOnTheCircleLargerXFirst) {
    for (double slope : {-2.0, -0.3, 0.1, 0.7, 5.0}) {
        SCOPED_TRACE(slope);
        const circle_cut c = line_circle_cut({10, -5}, 30, {{0, 0}, {1, slope}});
        ASSERT_TRUE(c.cuts);
        EXPECT_GT(c.x1, c.x2);
        EXPECT_NEAR(std::hypot(c.x1 - 10, c.y1 + 5), 30, 1e-9);
        EXPECT_NEAR(std::hypot(c.x2 - 10, c.y2 + 5), 30, 1e-9);
    }
}

TEST(NearerCutPoint, TakesThePointNearerTheSourceSecondOnATie) {
    const circle_cut c{30, 0, -30, 0, true};
    EXPECT_EQ(nearer_cut_point(c, {-90, 0}).x, -30);
    EXPECT_EQ(nearer_cut_point(c, {90, 0}).x, 30);
    EXPECT_EQ(nearer_cut_point(c, {0, 40}).x, -30);
}

// Snell's law at the entry, every point on the drop, equal chords.
void expect_physical(const RayPath& path, double xc, double yc, double r, double n) {
    EXPECT_NEAR(std::sin(path.incidence), n * std::sin(path.refraction), 1e-12);
    for (const Point& p : path.points) EXPECT_NEAR(std::hypot(p.x - xc, p.y - yc), r, 1e-9);
    for (std::size_t i = 2; i < path.points.size(); ++i) {
        const double a = std::hypot(path.points[i].x - path.points[i - 1].x,
                                    path.points[i].y - path.points[i - 1].y);
        const double b =
            std::hypot(path.points[1].x - path.points[0].x, path.points[1].y - path.points[0].y);
        EXPECT_NEAR(a, b, 1e-9);
    }
    EXPECT_NEAR(std::hypot(path.exit_direction.x, path.exit_direction.y), 1, 1e-12);
}

TEST(TraceRay, OneReflectionDeviatesAbout161Degrees) {
    const double entry_x = -std::sqrt(800.0);
    const RayPath path = trace_ray({-100, 10}, {entry_x, 10}, {{0, 0}, 30, 1.33}, 1);
    expect_physical(path, 0, 0, 30, 1.33);
    EXPECT_NEAR(path.incidence, std::asin(1.0 / 3), 1e-12);
    ASSERT_EQ(path.points.size(), 3u);
    EXPECT_GT(path.points[1].x, 0);  // reflection on the right, slightly above the axis
    EXPECT_GT(path.points[1].y, 0);
    EXPECT_LT(path.exit().x, 0);  // exit at the lower left
    EXPECT_LT(path.exit().y, 0);
    EXPECT_LT(path.exit_direction.x, 0);
    EXPECT_LT(path.exit_direction.y, 0);
    const double deviation = std::acos(path.exit_direction.x) * 180 / pi;  // incoming is +x
    EXPECT_NEAR(deviation, 161, 1);
}

TEST(TraceRay, MirroredRayMirrorsThePath) {
    const double entry_x = -std::sqrt(800.0);
    for (int k = 0; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const RayPath up = trace_ray({-100, 10}, {entry_x, 10}, {{0, 0}, 30, 1.333}, k);
        const RayPath down = trace_ray({-100, -10}, {entry_x, -10}, {{0, 0}, 30, 1.333}, k);
        ASSERT_EQ(up.points.size(), std::size_t(k + 2));
        expect_physical(up, 0, 0, 30, 1.333);
        for (std::size_t i = 0; i < up.points.size(); ++i) {
            EXPECT_NEAR(up.points[i].x, down.points[i].x, 1e-9);
            EXPECT_NEAR(up.points[i].y, -down.points[i].y, 1e-9);
        }
        EXPECT_NEAR(up.exit_direction.y, -down.exit_direction.y, 1e-12);
    }
}

TEST(TraceRay, RayThroughTheCentreRunsAlongTheDiameter) {
    const RayPath straight = trace_ray({-90, 0}, {-30, 0}, {{0, 0}, 30, 1.33}, 0);
    EXPECT_EQ(straight.incidence, 0);
    EXPECT_NEAR(straight.exit().x, 30, 1e-9);
    EXPECT_NEAR(straight.exit_direction.x, 1, 1e-12);
    const RayPath back = trace_ray({-90, 0}, {-30, 0}, {{0, 0}, 30, 1.33}, 1);
    EXPECT_NEAR(back.exit().x, -30, 1e-9);
    EXPECT_NEAR(back.exit_direction.x, -1, 1e-12);
}

// The drawn course: the source, the entry, every point of the path on the drop, and an
// outgoing segment of exit_length; drawn as one line per step with the surface's pen.
TEST(RayCourse, RunsFromTheSourceThroughThePathAndOutOfTheDrop) {
    const double entry_x = -std::sqrt(800.0);
    const auto course = ray_course({-80, 0}, {entry_x, 10}, {{0, 0}, 30, 1.33}, 2);
    ASSERT_EQ(course.size(), 6u);  // source, entry, two reflections, exit, far end
    EXPECT_EQ(course[0].x, -80);
    EXPECT_EQ(course[1].x, entry_x);
    for (std::size_t i = 1; i + 1 < course.size(); ++i) {
        EXPECT_NEAR(std::hypot(course[i].x, course[i].y), 30, 1e-9) << i;
    }
    const Point& exit = course[4];
    const Point& far = course[5];
    EXPECT_NEAR(std::hypot(far.x - exit.x, far.y - exit.y), exit_length, 1e-9);

    Surface s(3000, 3000);
    s.scale(-135, 135, 135, -135);
    s.fore_color = rgb(0, 255, 0);
    s.draw_style = LineStyle::dotted;
    draw_polyline(s, course);
    const auto lines = testing::items_of<LineItem>(s);
    ASSERT_EQ(lines.size(), 5u);  // incoming, three chords, outgoing
    for (const LineItem& l : lines) {
        EXPECT_EQ(l.color, rgb(0, 255, 0));
        EXPECT_EQ(l.style, int(LineStyle::dotted));
    }
    EXPECT_EQ(lines.back().x2, float(far.x));
}

TEST(RainbowRay, EntersAtTheLeastDeviationIncidence) {
    struct Row {
        const char* name;
        double theta_sign, sx, sy;
        int k;
    };
    const Row rows[] = {
        {"level source, one reflection", 1, -80, 0, 1},
        {"level source, mirrored", -1, -80, 0, 1},
        {"raised source, two reflections", 1, -80, 40, 2},
        {"lowered source, mirrored", -1, -90, -35, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Point e =
            rainbow_entry_point(row.theta_sign, {row.sx, row.sy}, {{10, 0}, 30, 1.33}, row.k);
        EXPECT_NEAR(std::hypot(e.x - 10, e.y), 30, 1e-9);
        const RayPath path = trace_ray({row.sx, row.sy}, e, {{10, 0}, 30, 1.33}, row.k);
        EXPECT_NEAR(path.incidence, row.theta_sign * rainbow_incidence(1.33, row.k).value(), 1e-9);
    }
}

// The value types compare exactly with ==, within a tolerance with are_near (each coordinate,
// the bound included), and print themselves for test messages.
TEST(ValueTypes, CompareExactlyOrNearAndPrint) {
    struct Row {
        const char* name;
        Point a, b;
        double eps;
        bool near;
    };
    const Row rows[] = {
        {"same point", {1, 2}, {1, 2}, 0, true},
        {"x off by the bound", {1, 2}, {1.5, 2}, 0.5, true},
        {"y off beyond the bound", {1, 2}, {1, 2.6}, 0.5, false},
        {"not a number is never near", {std::nan(""), 0}, {std::nan(""), 0}, 1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(are_near(row.a, row.b, row.eps), row.near) << row.a << " " << row.b;
        const Drop d1{row.a, 30, 1.33}, d2{row.b, 30, 1.33};
        EXPECT_EQ(are_near(d1, d2, row.eps), row.near);
        const Ray r1{row.a, {1, 0}}, r2{row.b, {1, 0}};
        EXPECT_EQ(are_near(r1, r2, row.eps), row.near);
    }
    EXPECT_FALSE((Drop{{0, 0}, 30, 1.33} == Drop{{0, 0}, 30, 1.333}));
    EXPECT_FALSE(are_near(Drop{{0, 0}, 30, 1.33}, Drop{{0, 0}, 30, 1.333}, 1e-4));
    EXPECT_EQ((Point{3, 4} - Point{1, 1}), (Vector{2, 3}));
    EXPECT_EQ((Point{1, 1} + 2 * Vector{2, 3}), (Point{5, 7}));
    EXPECT_EQ(length(Vector{3, 4}), 5);

    std::ostringstream text;
    text << Drop{{10, -5}, 30, 1.5} << " " << Ray{{-80, 0}, {1, 0}};
    EXPECT_EQ(text.str(), "{centre (10, -5), R 30, n 1.5} {from (-80, 0) towards <1, 0>}");
}

}  // namespace
}  // namespace rainbow
