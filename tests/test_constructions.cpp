#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "app/program.h"
#include "display_list.h"
#include "geometry/angles.h"
#include "rainbow/constructions.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;

constexpr Rgb magenta = rgb(255, 0, 255);
constexpr Rgb light_magenta = rgb(255, 100, 255);
constexpr Rgb pale_magenta = rgb(255, 150, 255);
constexpr Rgb dark_red = rgb(155, 0, 55);
constexpr Rgb full_external_point = rgb(155, 0, 0);
constexpr Rgb full_external_beam = rgb(155, 0, 5);
constexpr Rgb rainbow_green = rgb(0, 150, 0);
constexpr Rgb drop_blue = rgb(0, 0, 255);
const std::vector<Rgb> ray_colors = {magenta,      light_magenta,       pale_magenta,
                                     dark_red,     full_external_point, full_external_beam,
                                     rainbow_green};

constexpr double R = 30;
constexpr double source_x = -80;

Surface& picture(Program& p) { return p.arxiki().Picture1.surface(); }

// The incoming segment of every ray drawn in a colour: a ray of k reflections draws k + 3
// lines, the first from its start to its entry point.
std::vector<LineItem> incoming_segments(const Surface& s, Rgb color, int k) {
    const std::vector<LineItem> lines = items_of<LineItem>(s, color);
    const std::size_t per_ray = std::size_t(k) + 3;
    EXPECT_EQ(lines.size() % per_ray, 0u) << color;
    std::vector<LineItem> out;
    for (std::size_t i = 0; i < lines.size(); i += per_ray) out.push_back(lines[i]);
    return out;
}

// sin of the angle of incidence of a ray given by its incoming segment: the distance of the
// drop's centre from the ray's line, in drop radii.
double sine_of_incidence(const LineItem& in, double xc, double yc) {
    const double dx = in.x2 - in.x1;
    const double dy = in.y2 - in.y1;
    return std::fabs(dx * (yc - in.y1) - dy * (xc - in.x1)) / std::hypot(dx, dy) / R;
}

bool on_drop(const LineItem& in, double xc, double yc) {
    return std::fabs(std::hypot(in.x2 - xc, in.y2 - yc) - R) < 1e-3;
}

double rainbow_sine(double n, int k) { return std::sin(rainbow_incidence(n, k).value()); }

const ScaleItem* first_scale(const Surface& s) {
    return s.items().empty() ? nullptr : std::get_if<ScaleItem>(&s.items().front());
}

// The split views, through the main window's buttons, with the start values (drop at
// (10, 0), source at (-80, 0), water's last index 1.343, one reflection). Counts: the cone of
// 40 rays loses its last one to rounding and keeps 34 central rays; the fine cone of 160
// keeps 136 central and 24 external ones; of the horizontal beam the two tangent rays miss
// and |i| <= 51 are central (|y| < R sin 58.8 degrees = 25.7).
TEST(SplitViews, EachDrawsOneSideOfTheRainbowRayInItsColour) {
    struct Row {
        const char* name;
        bool parallel;
        int button;
        double half_width;
        Rgb color;
        bool central;
        std::size_t rays;
    };
    const Row rows[] = {
        {"point central", false, 2, 135, magenta, true, 34},
        {"point external", false, 3, 120, dark_red, false, 24},
        {"parallel central", true, 2, 135, light_magenta, true, 103},
        {"parallel external", true, 3, 135, dark_red, false, 16},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        MainWindow& w = p.arxiki();
        if (row.parallel) w.parallel.click();
        (row.button == 2 ? w.Command2 : w.Command3).click();
        const Surface& s = picture(p);
        const double n = p.settings().refractive_index;
        ASSERT_EQ(n, 1.343);

        const ScaleItem* scale = first_scale(s);
        ASSERT_NE(scale, nullptr);
        EXPECT_EQ(scale->x1, -row.half_width);
        EXPECT_EQ(scale->y1, row.half_width);
        EXPECT_EQ(scale->x2, row.half_width);
        EXPECT_EQ(scale->y2, -row.half_width);

        const auto rays = incoming_segments(s, row.color, 1);
        EXPECT_EQ(rays.size(), row.rays);
        for (const LineItem& in : rays) {
            EXPECT_TRUE(on_drop(in, 10, 0));
            const bool central = sine_of_incidence(in, 10, 0) < rainbow_sine(n, 1);
            EXPECT_EQ(central, row.central) << in.x1 << ", " << in.y1;
        }
        for (Rgb other : ray_colors) {
            if (other != row.color && other != rainbow_green) {
                EXPECT_TRUE(items_of<LineItem>(s, other).empty()) << other;
            }
        }

        // The two rainbow rays, heavier, one either side of the centre.
        const auto rainbow = incoming_segments(s, rainbow_green, 1);
        ASSERT_EQ(rainbow.size(), 2u);
        for (const LineItem& in : rainbow) {
            EXPECT_EQ(in.width, 2);
            EXPECT_NEAR(sine_of_incidence(in, 10, 0), rainbow_sine(n, 1), 1e-5);
        }
        EXPECT_GT(rainbow[0].y2, 0);
        EXPECT_LT(rainbow[1].y2, 0);

        // Focal points of radius 2 with a pen 2 wide, and the drop drawn again last.
        const double f = n * R / (2 * (n - 1));
        std::size_t focal = 0;
        for (const CircleItem& c : items_of<CircleItem>(s)) {
            if (c.r == 2 && c.width == 2 && c.y == 0) {
                EXPECT_TRUE(std::fabs(c.x - (10 + f)) < 1e-4 || std::fabs(c.x - (10 - f)) < 1e-4);
                ++focal;
            }
        }
        EXPECT_EQ(focal, 2u);
        const auto* last = std::get_if<CircleItem>(&s.items().back());
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->color, drop_blue);
        EXPECT_EQ(last->r, R);
        EXPECT_EQ(last->width, 1);
    }
}

TEST(ParallelViews, CentralViewMarksTheStartsAndTangentRaysMiss) {
    for (int button : {2, 3}) {
        SCOPED_TRACE(button);
        Program p;
        MainWindow& w = p.arxiki();
        w.parallel.click();
        (button == 2 ? w.Command2 : w.Command3).click();
        const Surface& s = picture(p);

        std::set<double> start_heights;
        for (const CircleItem& c : items_of<CircleItem>(s, black)) {
            if (c.r == 2 && c.x == source_x) start_heights.insert(c.y);
        }
        if (button == 2) {
            ASSERT_EQ(start_heights.size(), 121u);
            EXPECT_EQ(*start_heights.begin(), -30);
            EXPECT_EQ(*start_heights.rbegin(), 30);
        } else {
            EXPECT_TRUE(start_heights.empty());
        }

        std::vector<float> misses;
        for (const LineItem& l : items_of<LineItem>(s, black)) {
            if (l.x1 == source_x && l.x2 == source_x + 10 * R && l.y1 == l.y2) {
                misses.push_back(l.y1);
            }
        }
        EXPECT_EQ(misses, (std::vector<float>{-30, 30}));
    }
}

TEST(ParallelViews, SlopingBeamKeepsHorizontalMisses) {
    Program p;
    MainWindow& w = p.arxiki();
    w.psipigi.set_value(40);
    w.parallel.click();
    w.Command2.click();
    const Surface& s = picture(p);
    const auto rays = incoming_segments(s, light_magenta, 1);
    ASSERT_FALSE(rays.empty());
    // Every ray runs parallel to the line from (-80, 40) to the centre (10, 0).
    const double slope = (0 - 40) / (10 - source_x);
    for (const LineItem& in : rays) {
        EXPECT_NEAR((in.y2 - in.y1) / (in.x2 - in.x1), slope, 1e-4);
    }
    for (const LineItem& l : items_of<LineItem>(s, black)) {
        if (l.x1 == source_x && l.x2 == source_x + 10 * R) {
            EXPECT_EQ(l.y1, l.y2);
        }
    }
    EXPECT_EQ(p.settings().source_y, 40);
}

// The number of a cone ray, 1 for the first ray of the cone, from its direction: the cone
// around the horizontal axis from (-80, 0) to (xc, 0) in steps of psi / 80.
int cone_ray_number(const LineItem& in, double xc) {
    const double psi = std::asin(R / (xc - source_x));
    const double phi = std::atan2(in.y2 - in.y1, in.x2 - in.x1);
    return int(std::lround((phi + psi) / (psi / 80) + 0.5));
}

// "Belqor" shows the ray selector; moving it redraws with the drop at x = 30.
void select_thinning(MainWindow& w, int value) {
    if (!w.HScroll1.visible) w.Command1.click();
    w.HScroll1.set_value(value);
}

TEST(FullConstruction, PointSourceThinsCentralRaysByTheirRunningNumber) {
    struct Row {
        const char* name;
        std::function<void(MainWindow&)> act;
        const char* label;
        double xc;
        int every;
        std::size_t central, external;
    };
    // Cone of 160 rays at x = 10 (central numbers 13..148), of 159 at x = 30 (rounding).
    const Row rows[] = {
        {"Command1", [](MainWindow& w) { w.Command1.click(); }, "every 4th ray in central cone", 10,
         4, 34, 24},
        {"HScroll1 2", [](MainWindow& w) { select_thinning(w, 2); },
         "Every 2th ray in central cone", 30, 2, 68, 23},
        {"HScroll1 3", [](MainWindow& w) { select_thinning(w, 3); }, "Every ray in central cone",
         30, 1, 136, 23},
        {"HScroll1 back to 1",
         [](MainWindow& w) {
             select_thinning(w, 3);
             select_thinning(w, 1);
         },
         "Every 4th ray in central cone", 30, 4, 34, 23},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        MainWindow& w = p.arxiki();
        row.act(w);
        EXPECT_TRUE(w.HScroll1.visible);
        EXPECT_TRUE(w.Label3.visible);
        EXPECT_EQ(w.Label3.caption, row.label);
        EXPECT_EQ(p.settings().drop_xc, row.xc);
        const Surface& s = picture(p);
        const double n = p.settings().refractive_index;

        const auto central = incoming_segments(s, pale_magenta, 1);
        EXPECT_EQ(central.size(), row.central);
        for (const LineItem& in : central) {
            EXPECT_EQ(cone_ray_number(in, row.xc) % row.every, 0);
            EXPECT_LT(sine_of_incidence(in, row.xc, 0), rainbow_sine(n, 1));
        }
        const auto external = incoming_segments(s, full_external_point, 1);
        EXPECT_EQ(external.size(), row.external);
        for (const LineItem& in : external) {
            EXPECT_GE(sine_of_incidence(in, row.xc, 0), rainbow_sine(n, 1));
        }
        const auto rainbow = items_of<LineItem>(s, rainbow_green);
        ASSERT_EQ(rainbow.size(), 8u);
        for (const LineItem& l : rainbow) EXPECT_EQ(l.style, int(LineStyle::dotted));
        EXPECT_EQ(s.draw_style, LineStyle::solid);
        EXPECT_TRUE(items_of<LineItem>(s, magenta).empty());
    }
}

TEST(FullConstruction, ParallelBeamThinsByBeamIndexNegativeOnesIncluded) {
    struct Row {
        const char* name;
        std::function<void(MainWindow&)> act;
        int every;
    };
    const Row rows[] = {
        {"Command1", [](MainWindow& w) { w.Command1.click(); }, 4},
        {"HScroll1 2", [](MainWindow& w) { select_thinning(w, 2); }, 2},
        {"HScroll1 3", [](MainWindow& w) { select_thinning(w, 3); }, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        MainWindow& w = p.arxiki();
        w.parallel.click();
        row.act(w);
        const Surface& s = picture(p);
        // The horizontal beam starts at heights i / 2; central rays have |i| <= 51.
        std::set<int> drawn;
        for (const LineItem& in : incoming_segments(s, light_magenta, 1)) {
            EXPECT_EQ(in.x1, source_x);
            drawn.insert(int(std::lround(2 * in.y1)));
        }
        std::set<int> expected;
        for (int i = -51; i <= 51; ++i) {
            if (i % row.every == 0) expected.insert(i);
        }
        EXPECT_EQ(drawn, expected);
        EXPECT_EQ(incoming_segments(s, full_external_beam, 1).size(), 16u);
        // No start circles in this view, and the misses are drawn on both passes.
        for (const CircleItem& c : items_of<CircleItem>(s)) EXPECT_NE(c.x, source_x);
        std::size_t misses = 0;
        for (const LineItem& l : items_of<LineItem>(s, black)) {
            misses += l.x1 == source_x && l.x2 == source_x + 10 * R;
        }
        EXPECT_EQ(misses, 4u);
        const auto rainbow = items_of<LineItem>(s, rainbow_green);
        ASSERT_EQ(rainbow.size(), 8u);
        // Rays of the beam itself, above and then below the centre (heights checked with the
        // rainbow ray's own tests).
        EXPECT_EQ(rainbow.front().x1, source_x);
        EXPECT_GT(rainbow.front().y1, 0);
        EXPECT_LT(rainbow[4].y1, 0);
    }
}

TEST(ExternalView, PointSourceKeepsTheDropWhereTheLastDrawingLeftIt) {
    Program p;
    MainWindow& w = p.arxiki();
    w.Command1.click();
    w.HScroll1.set_value(2);
    w.Command3.click();
    EXPECT_FALSE(w.HScroll1.visible);
    EXPECT_FALSE(w.Label3.visible);
    const auto* last = std::get_if<CircleItem>(&picture(p).items().back());
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 30);
    for (const LineItem& in : incoming_segments(picture(p), dark_red, 1)) {
        EXPECT_TRUE(on_drop(in, 30, 0));
    }
}

// Every view is drawn with the main window's drop and the source's height as the controls
// stand, which the state's settings then show (the angle stays the scroll bar's), returns
// psi, the cone's half-angle seen from (-80, source_y), and leaves a plain black pen.
TEST(Views, DrawWithTheWindowsDropAndReturnTheConesHalfAngle) {
    struct Row {
        const char* name;
        bool parallel;
        std::function<void(MainWindow&)> act;
        double xc;
        ConstructionView view;
    };
    const Row rows[] = {
        {"point central", false, [](MainWindow& w) { w.Command2.click(); }, 10,
         draw_central_rays_point},
        {"point external", false, [](MainWindow& w) { w.Command3.click(); }, 10,
         draw_external_rays_point},
        {"point full", false, [](MainWindow& w) { w.Command1.click(); }, 10,
         draw_full_construction_point},
        {"point full at 30", false, [](MainWindow& w) { w.HScroll1.set_value(3); }, 30,
         draw_full_construction_point},
        {"parallel central", true, [](MainWindow& w) { w.Command2.click(); }, 10,
         draw_central_rays_parallel},
        {"parallel external", true, [](MainWindow& w) { w.Command3.click(); }, 10,
         draw_external_rays_parallel},
        {"parallel full", true, [](MainWindow& w) { w.Command1.click(); }, 10,
         draw_full_construction_parallel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        MainWindow& w = p.arxiki();
        w.Ycthesi.set_value(-20);
        w.psipigi.set_value(20);
        if (row.parallel) w.parallel.click();
        row.act(w);
        const Settings st = p.settings();
        EXPECT_EQ(st.source_y, 20);
        EXPECT_EQ(st.drop_radius, 30);
        EXPECT_EQ(st.drop_xc, row.xc);
        EXPECT_EQ(st.drop_yc, -20);
        EXPECT_EQ(st.angle_theta, 15);
        const double psi = std::asin(R / std::hypot(row.xc - source_x, -20 - 20.0));
        Surface bare(3000, 3000);
        EXPECT_NEAR(row.view(w.choice(), p.main_scene().drop, bare), psi, 1e-12);
        const Surface& s = picture(p);
        EXPECT_EQ(s.fore_color, black);
        EXPECT_EQ(s.draw_width, 1);
        EXPECT_EQ(s.draw_style, LineStyle::solid);
    }
}

// A drop around or on the source has no cone of rays into it: the views draw the axes and
// the drop and finish without rays. A drop so far away that the cone's step cannot move the
// angle draws at most its first ray and finishes too.
TEST(PointViews, SourceInsideOrOnTheDropDrawsNoRays) {
    using View = ConstructionView;
    const View views[] = {draw_central_rays_point, draw_external_rays_point,
                          draw_full_construction_point};
    struct Row {
        const char* name;
        double xc, yc;
        std::size_t most_rays;
    };
    const Row rows[] = {
        {"centre at the source", source_x, 0, 0},
        {"source inside", -70, 5, 0},
        {"source on the surface", -50, 0, 0},
        {"far drop", 1e18, 1e18, 1},
    };
    for (const Row& row : rows) {
        for (View view : views) {
            SCOPED_TRACE(row.name);
            Program p;
            Surface& s = picture(p);
            s.cls();
            const Pen before{rgb(1, 2, 3), 1, LineStyle::solid};
            s.set_pen(before);
            view(p.arxiki().choice(), Drop{{row.xc, row.yc}, R, 1.343}, s);
            ASSERT_NE(first_scale(s), nullptr);
            std::size_t rays = 0;
            for (Rgb color : ray_colors) {
                if (color != rainbow_green) rays += incoming_segments(s, color, 1).size();
            }
            EXPECT_LE(rays, row.most_rays);
            if (row.most_rays == 0) {
                EXPECT_TRUE(items_of<LineItem>(s, rainbow_green).empty());
            }
            std::size_t outlines = 0;
            for (const CircleItem& c : items_of<CircleItem>(s, drop_blue)) outlines += c.r == R;
            EXPECT_EQ(outlines, 2u);
            EXPECT_EQ(s.pen(), before);  // the view leaves the pen it found
        }
    }
}

}  // namespace
}  // namespace rainbow
