// The ray-crossing picture and its refracted rays, checked against an independent vector
// form of Snell's law and the intersection of the two chord lines.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "crossing/cut_rays_mod.h"
#include "crossing/refracted_ray.h"
#include "display_list.h"
#include "forms/surface.h"

namespace rainbow {
namespace {

using testing::items_of;
using testing::texts_starting_with;

struct Vec {
    double x, y;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
Vec unit(Vec a) { return (1 / std::sqrt(dot(a, a))) * a; }

// Angle between the incoming direction and the inward normal at p on a sphere centred at c.
double incidence(Vec from, Vec p, Vec c) {
    return std::acos(std::fabs(dot(unit(p - from), unit(c - p))));
}

// The refracted direction at entry point p (sphere at the origin, radius R) of a ray coming
// from `from`, by the vector form of Snell's law.
Vec refracted(Vec from, Vec p, double R, double n) {
    const Vec d = unit(p - from);
    const Vec normal = (1 / R) * p;
    const double cos_i = -dot(d, normal);
    const double k = 1 - (1 - cos_i * cos_i) / (n * n);
    return (1 / n) * d + (cos_i / n - std::sqrt(k)) * normal;
}

// The picture's frame as a window 200 x 100 units would set it.
CutRaysValues frame(bool parallel = true) {
    CutRaysValues v;
    v.x_left = -100;
    v.x_right = 100;
    v.y_top = 50;
    v.y_bottom = -50;
    v.lens_radius = 20;
    v.start_x = -75;
    v.parallel_rays = parallel;
    return v;
}

Surface scaled_surface() {
    Surface s(30000, 15000);
    s.scale(-100, 50, 100, -50);
    return s;
}

bool mentions_a_crossing(const Surface& s) {
    return !texts_starting_with(s, "x cut").empty() || !texts_starting_with(s, "NO CUT").empty() ||
           !texts_starting_with(s, "x 1st ray").empty();
}

TEST(SpecialEntryPoint, MeetsTheSphereAtTheGivenAngle) {
    struct Row {
        double px, cx, t, R;
    };
    const Row rows[] = {{-75, 0, 1.04, 20},
                        {-30, 0, 0.3, 21.05},
                        {-100, 10, 1.5, 25},
                        {-21, 0, 0.2, 20},
                        {-15, 0, 0.5, 20}};  // the last source is inside
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "px=" << row.px << " t=" << row.t);
        const entry_point p = special_entry_point(row.px, row.cx, row.t, row.R);
        EXPECT_NEAR(std::hypot(p.x - row.cx, p.y), row.R, 1e-9);
        EXPECT_GE(p.y, 0);
        EXPECT_NEAR(incidence({row.px, 0}, {p.x, p.y}, {row.cx, 0}), row.t, 1e-7);
    }
}

TEST(SpecialEntryPoint, NoAngleIsTheNearestPointAndNoSolutionIsTheOrigin) {
    // Exactly the vertex, whatever the source's distance: the axial ray has no crossing.
    for (double px : {-30.0, -54.11, -57.07, -60.77, -65.8034, -200.0}) {
        SCOPED_TRACE(px);
        const entry_point p = special_entry_point(px, 0, 0, 21.05);
        EXPECT_EQ(p.x, -21.05);
        EXPECT_EQ(p.y, 0);
    }
    for (double px : {-10.0, 0.0, 5.0}) {  // inside with a large angle; not left of the centre
        SCOPED_TRACE(px);
        const entry_point p = special_entry_point(px, 0, 1.2, 20);
        EXPECT_EQ(p.x, 0);
        EXPECT_EQ(p.y, 0);
    }
}

TEST(DrawRefractedRay, VerticalAndAxialChordsLeaveNoSlope) {
    {
        SCOPED_TRACE("a missing ray taken as (0, y): vertical chord through the centre");
        Surface s = scaled_surface();
        const RefractedRay ray =
            draw_refracted_ray(s, frame().x_right, {-75, 30}, {0, 30}, {{0, 0}, 20, 1.33});
        EXPECT_EQ(ray.chord_slope, 0);
        EXPECT_EQ(ray.exit, (Point{0, 0}));
        EXPECT_EQ(items_of<LineItem>(s).size(), 3u);
    }
    {
        SCOPED_TRACE("a ray along the axis: the diameter, flat but for rounding");
        Surface s = scaled_surface();
        const RefractedRay ray =
            draw_refracted_ray(s, frame().x_right, {-75, 0}, {-20, 0}, {{0, 0}, 20, 1.33});
        EXPECT_EQ(ray.chord_slope, 0);
        EXPECT_TRUE(are_near(ray.exit, {20, 0}, 1e-6)) << ray.exit;
        EXPECT_EQ(items_of<LineItem>(s).size(), 5u);
    }
}

TEST(DrawRayCrossing, PrintsWhereTheTwoChordLinesCross) {
    struct Row {
        const char* name;
        int first, second, index;
        bool parallel;
    };
    const Row rows[] = {
        {"start values", 60, 40, 133, true},
        {"either side of the axis", 60, -40, 133, true},
        {"glass, far from the axis", 150, 30, 150, true},
        {"source on the axis", 60, 40, 133, false},
        {"source on the axis, below", 150, -80, 170, false},
    };
    const std::regex cut(R"(x cut WHERE 2 RAYS MEET= (-?\d+\.\d{3})y cut = (-?\d+\.\d{3}))");
    const std::regex on_circle(
        R"(x 1st ray ON CIRCLE = (-?\d+\.\d{3})  y1st ray ON CIRCLE= (-?\d+\.\d{3}))");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s = scaled_surface();
        CutRaysValues v = frame(row.parallel);
        draw_ray_crossing(s, v, {row.index, row.first, row.second, false});

        const double n = row.index / 100.0;
        const double y1 = row.first / 10.0, y2 = row.second / 10.0;
        const Vec p1{-std::sqrt(400 - y1 * y1), y1}, p2{-std::sqrt(400 - y2 * y2), y2};
        const Vec t1 = refracted({-75, row.parallel ? y1 : 0}, p1, 20, n);
        const Vec t2 = refracted({-75, row.parallel ? y2 : 0}, p2, 20, n);
        const Vec crossing = p1 + (cross(p2 - p1, t2) / cross(t1, t2)) * t1;
        const Vec exit1 = p1 + (-2 * dot(p1, t1)) * t1;

        const auto cut_texts = texts_starting_with(s, "x cut");
        ASSERT_EQ(cut_texts.size(), 1u);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(cut_texts[0].text, m, cut)) << cut_texts[0].text;
        EXPECT_NEAR(std::stod(m[1]), crossing.x, 6e-4);
        EXPECT_NEAR(std::stod(m[2]), crossing.y, 6e-4);

        const auto exit_texts = texts_starting_with(s, "x 1st ray ON CIRCLE");
        ASSERT_EQ(exit_texts.size(), 1u);
        EXPECT_EQ(exit_texts[0].color, rgb(255, 0, 0));
        ASSERT_TRUE(std::regex_match(exit_texts[0].text, m, on_circle)) << exit_texts[0].text;
        EXPECT_NEAR(std::stod(m[1]), exit1.x, 6e-4);
        EXPECT_NEAR(std::stod(m[2]), exit1.y, 6e-4);

        const auto marks = items_of<PsetItem>(s, rgb(0, 5, 255));
        ASSERT_EQ(marks.size(), 1u);
        EXPECT_NEAR(marks[0].x, crossing.x, 1e-3);
    }
}

TEST(DrawRayCrossing, NoCrossingForParallelChordsOrARayOnTheAxis) {
    struct Row {
        const char* name;
        int first, second;
        bool no_cut_text;
    };
    const Row rows[] = {
        {"same height: parallel chords", 60, 60, true},
        {"second ray on the axis", 60, 0, false},
        {"first ray on the axis", 0, 40, false},
        {"both rays on the axis", 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s = scaled_surface();
        CutRaysValues v = frame();
        draw_ray_crossing(s, v, {133, row.first, row.second, false});
        EXPECT_EQ(texts_starting_with(s, "NO CUT, PARALLEL RAYS").size(),
                  row.no_cut_text ? 1u : 0u);
        EXPECT_TRUE(texts_starting_with(s, "x cut").empty());
        EXPECT_EQ(mentions_a_crossing(s), row.no_cut_text);
    }
}

TEST(DrawRayCrossing, ARayAtTheSpheresEdgeIsAMiss) {
    // Heights of exactly the radius (20) on either ray.
    Surface s = scaled_surface();
    CutRaysValues v = frame();
    const CrossingCaptions c = draw_ray_crossing(s, v, {133, 200, -200, false});
    EXPECT_EQ(items_of<LineItem>(s, rgb(200, 100, 0)).size(), 1u);
    EXPECT_EQ(c.label1, "Angle of Incidence 1st ray = 90.00");
    EXPECT_EQ(c.label2, "Angle of Incidence 2nd ray = -90.00");
    EXPECT_TRUE(items_of<PsetItem>(s, black).empty());  // no entry marks without an entry
}

TEST(DrawRayCrossing, SpecialRay) {
    const double t133 = std::asin(std::sqrt((4 - 1.33 * 1.33) / 3));
    {
        SCOPED_TRACE("parallel rays, second ray below the axis: the entry is mirrored");
        Surface s = scaled_surface();
        CutRaysValues v = frame();
        const CrossingCaptions c = draw_ray_crossing(s, v, {133, 60, -40, true});
        EXPECT_EQ(c.label1, "Angle of Incidence 1st ray = 59.58");
        const auto mark = items_of<PsetItem>(s, rgb(255, 0, 150));
        ASSERT_EQ(mark.size(), 1u);
        EXPECT_NEAR(mark[0].y, -20 * std::sin(t133), 1e-5);
        EXPECT_NEAR(std::hypot(mark[0].x, mark[0].y), 20, 1e-5);
    }
    {
        SCOPED_TRACE("source on the axis: the ray from the source meets the sphere at t");
        Surface s = scaled_surface();
        CutRaysValues v = frame(false);
        draw_ray_crossing(s, v, {133, 60, 40, true});
        const auto mark = items_of<PsetItem>(s, rgb(255, 0, 150));
        ASSERT_EQ(mark.size(), 1u);
        EXPECT_NEAR(incidence({-75, 0}, {mark[0].x, mark[0].y}, {0, 0}), t133, 1e-5);
    }
    {
        SCOPED_TRACE("index 1.00: no rainbow angle, the special ray on the axis");
        Surface s = scaled_surface();
        CutRaysValues v = frame();
        const CrossingCaptions c = draw_ray_crossing(s, v, {100, 60, 40, true});
        EXPECT_EQ(c.label1, "Angle of Incidence 1st ray = 0.00");
        EXPECT_TRUE(texts_starting_with(s, "Belqor angle").empty());
        EXPECT_FALSE(mentions_a_crossing(s));
    }
}

}  // namespace
}  // namespace rainbow
