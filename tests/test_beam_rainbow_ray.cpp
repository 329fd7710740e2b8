// The rainbow ray that every parallel-beam view marks is one of the beam's own rays: it
// starts on the beam's start line, runs parallel to the beam and leaves the drop at the least
// deviation. The least deviation is found here by searching over the angle of incidence, not
// from the closed formula the program uses.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "display_list.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;

const double pi = 4 * std::atan(1.0);
constexpr double R = 30;

// How far the direction of travel turns for a ray entering at the angle of incidence i: by
// i - r at each refraction and pi - 2r at each of the k reflections.
double turn(double i, double n, int k) {
    const double r = std::asin(std::sin(i) / n);
    return 2 * (i - r) + k * (pi - 2 * r);
}

// The angle of incidence of least deviation, by ternary search on (0, pi/2).
double least_deviation_incidence(double n, int k) {
    double lo = 0;
    double hi = pi / 2;
    for (int step = 0; step < 200; ++step) {
        const double a = lo + (hi - lo) / 3;
        const double b = hi - (hi - lo) / 3;
        if (turn(a, n, k) < turn(b, n, k)) {
            hi = b;
        } else {
            lo = a;
        }
    }
    return (lo + hi) / 2;
}

// Angle between two directions, in [0, pi].
double angle_between(double ax, double ay, double bx, double by) {
    return std::atan2(std::fabs(ax * by - ay * bx), ax * bx + ay * by);
}

// The rays drawn in a colour and style: k + 3 lines each, the first one incoming, the last
// one outgoing.
struct DrawnRay {
    LineItem in, out;
};
std::vector<DrawnRay> drawn_rays(const Surface& s, Rgb color, LineStyle style, int k) {
    std::vector<LineItem> lines;
    for (const LineItem& l : items_of<LineItem>(s, color)) {
        if (l.style == int(style)) lines.push_back(l);
    }
    const std::size_t per_ray = std::size_t(k) + 3;
    EXPECT_EQ(lines.size() % per_ray, 0u);
    std::vector<DrawnRay> rays;
    for (std::size_t i = 0; i + per_ray <= lines.size(); i += per_ray) {
        rays.push_back({lines[i], lines[i + per_ray - 1]});
    }
    return rays;
}

// The ray starts at x = start_x, runs in the beam's direction (ux, uy) at the signed distance
// side R sin(least-deviation incidence) from the centre, and leaves turned by the least
// deviation.
void expect_beam_rainbow_ray(const DrawnRay& ray, double start_x, double ux, double uy, double xc,
                             double yc, double n, int k, int side) {
    const double incidence = least_deviation_incidence(n, k);
    const double dx = ray.in.x2 - ray.in.x1;
    const double dy = ray.in.y2 - ray.in.y1;
    EXPECT_FLOAT_EQ(ray.in.x1, start_x);
    EXPECT_NEAR(angle_between(dx, dy, ux, uy), 0, 1e-5) << "parallel to the beam";
    const double offset = (ux * (ray.in.y1 - yc) - uy * (ray.in.x1 - xc)) / std::hypot(ux, uy);
    EXPECT_NEAR(offset, side * R * std::sin(incidence), 1e-3);
    const double out = angle_between(dx, dy, ray.out.x2 - ray.out.x1, ray.out.y2 - ray.out.y1);
    EXPECT_NEAR(out, std::acos(std::cos(turn(incidence, n, k))), 1e-5);
}

// The main scene's dotted rainbow ray, one per colour pass, on the side of theta's sign.
TEST(BeamRainbowRay, MainSceneRayIsTheBeamsHorizontalRayOfLeastDeviation) {
    struct Pass {
        Rgb color;
        double n;
    };
    const Pass water[] = {{rgb(255, 0, 0), 1.33}, {rgb(0, 255, 0), 1.333}, {rgb(0, 0, 255), 1.343}};
    for (int k : {1, 2}) {
        for (int theta : {15, -30, 0, 90}) {
            for (int yc : {0, 40, -80}) {
                SCOPED_TRACE(::testing::Message()
                             << "k " << k << ", theta " << theta << ", drop at " << yc);
                Program p;
                MainWindow& w = p.arxiki();
                w.arithanak.set_value(k);
                w.goniatheta.set_value(theta);
                w.Ycthesi.set_value(yc);
                w.parallel.click();
                const Surface& s = w.Picture1.surface();
                for (const Pass& pass : water) {
                    SCOPED_TRACE(pass.n);
                    const auto rays = drawn_rays(s, pass.color, LineStyle::dotted, k);
                    ASSERT_EQ(rays.size(), 1u);
                    EXPECT_EQ(rays[0].in.y1, rays[0].in.y2) << "horizontal";
                    expect_beam_rainbow_ray(rays[0], -90, 1, 0, 10, yc, pass.n, k,
                                            theta < 0 ? -1 : 1);
                }
            }
        }
    }
}

// Descartes' primary bow of water of index 1.33 lies 42.5 degrees from the antisolar point:
// the outgoing rainbow ray makes that angle with the axis, pointing back towards the source.
TEST(BeamRainbowRay, PrimaryBowOfWaterLeavesAtDescartesAngle) {
    Program p;
    MainWindow& w = p.arxiki();
    w.parallel.click();
    const auto rays = drawn_rays(w.Picture1.surface(), rgb(255, 0, 0), LineStyle::dotted, 1);
    ASSERT_EQ(rays.size(), 1u);
    const LineItem& out = rays[0].out;
    EXPECT_NEAR(angle_between(out.x2 - out.x1, out.y2 - out.y1, -1, 0) * 180 / pi, 42.5, 0.05);
}

// The two green rainbow rays of the constructions of a parallel beam, first above the centre,
// then below, for a level beam and a sloping one.
TEST(BeamRainbowRay, ConstructionRaysAreTheBeamsOwnRays) {
    struct Row {
        const char* view;
        std::function<void(MainWindow&)> click;
        double xc;
        LineStyle style;
    };
    const Row views[] = {
        {"Belqor", [](MainWindow& w) { w.Command1.click(); }, 10, LineStyle::solid},
        {"every ray", [](MainWindow& w) { w.HScroll1.set_value(3); }, 30, LineStyle::solid},
        {"Belqor Central", [](MainWindow& w) { w.Command2.click(); }, 10, LineStyle::solid},
        {"Belqor External", [](MainWindow& w) { w.Command3.click(); }, 10, LineStyle::solid},
    };
    struct Heights {
        int drop, source;
    };
    for (const Row& row : views) {
        for (Heights h : {Heights{0, 0}, Heights{-20, -20}, Heights{0, 40}, Heights{30, -50}}) {
            for (int k : {1, 2}) {
                SCOPED_TRACE(::testing::Message() << row.view << ", drop at " << h.drop
                                                  << ", source at " << h.source << ", k " << k);
                Program p;
                MainWindow& w = p.arxiki();
                w.arithanak.set_value(k);
                w.Ycthesi.set_value(h.drop);
                w.psipigi.set_value(h.source);
                w.parallel.click();
                row.click(w);
                const double n = p.settings().refractive_index;
                const auto rays = drawn_rays(w.Picture1.surface(), rgb(0, 150, 0), row.style, k);
                ASSERT_EQ(rays.size(), 2u);
                const double ux = row.xc + 80;
                const double uy = h.drop - h.source;
                expect_beam_rainbow_ray(rays[0], -80, ux, uy, row.xc, h.drop, n, k, 1);
                expect_beam_rainbow_ray(rays[1], -80, ux, uy, row.xc, h.drop, n, k, -1);
            }
        }
    }
}

}  // namespace
}  // namespace rainbow
