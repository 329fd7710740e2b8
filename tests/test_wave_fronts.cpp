#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "caustics/caustics_window.h"
#include "caustics/wave_fronts.h"
#include "caustics/wave_optics.h"
#include "display_list.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/circle_cut.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;
using testing::texts_starting_with;

const double pi = 4 * std::atan(1.0);
double degrees(double radians) { return radians * 180 / pi; }

constexpr Rgb front_blue = rgb(0, 0, 255);
constexpr Rgb rainbow_green = rgb(0, 190, 0);
const std::string dark_text = "ANGLE FOR DESTRUCTIVE INTERFERENCE = ";
const std::string bright_text = "ANGLE FOR CONSTRUCTIVE INTERFERENCE = ";

double rainbow_deviation(double n) {
    return wave_ray(20, n, rainbow_incidence(n, 1).value()).deviation;
}

std::vector<WaveRay> fan(double R, double n, int steps) {
    std::vector<WaveRay> rays;
    for (int k = 0; k <= steps; ++k) rays.push_back(wave_ray(R, n, k * (pi / 2) / steps));
    return rays;
}

// The number a text ends with, if it ends with one after the prefix.
std::optional<double> number_after(const std::string& text, const std::string& prefix) {
    if (text.size() <= prefix.size()) return std::nullopt;
    return std::stod(text.substr(prefix.size()));
}

struct Picture {
    Surface surface{4000, 4000};
    WaveFrontPairs pairs;

    Picture(double n, double R, double V) {
        surface.scale(-40, 40, 40, -40);
        pairs = draw_wave_fronts(surface, R, n, V);
    }
    // The one text that starts with the prefix; an empty item where there is none or more.
    TextItem text(const std::string& prefix) const {
        const std::vector<TextItem> found = texts_starting_with(surface, prefix);
        return found.size() == 1 ? found.front() : TextItem{};
    }
};

TEST(WaveRay, OpticalPathIsTheSumOfItsSegmentsAndTheRayKeepsItsDirection) {
    for (double n : {1.33, 1.5, 1.7}) {
        for (double R : {5.0, 20.0}) {
            for (double a_deg : {0.0, 10.0, 45.0, 59.0, 80.0, 90.0}) {
                SCOPED_TRACE(::testing::Message() << "n=" << n << " R=" << R << " a=" << a_deg);
                const WaveRay ray = wave_ray(R, n, a_deg * pi / 180);
                const double direct =
                    (ray.entry.x + R) + n * (point_distance(ray.entry.x, ray.entry.y,
                                                            ray.reflection.x, ray.reflection.y) +
                                             point_distance(ray.reflection.x, ray.reflection.y,
                                                            ray.exit.x, ray.exit.y));
                EXPECT_NEAR(ray.exit_path, direct, 1e-9 * R);
                EXPECT_NEAR(std::hypot(ray.exit.x, ray.exit.y), R, 1e-9 * R);
                // The outgoing ray runs to the left at the angle N below the horizontal.
                EXPECT_NEAR(ray.direction.x, -std::cos(ray.deviation), 1e-12);
                EXPECT_NEAR(ray.direction.y, -std::sin(ray.deviation), 1e-12);

                EXPECT_FALSE(front_point(ray, ray.exit_path - 0.01).has_value());
                const Point p = front_point(ray, ray.exit_path + 7).value();
                EXPECT_NEAR(point_distance(ray.exit.x, ray.exit.y, p.x, p.y), 7, 1e-9);
            }
        }
    }
}

// Malus: surfaces of equal optical path cross the rays at right angles, so two neighbouring
// rays' points on one front are joined by a line perpendicular to the rays.
TEST(WaveFront, CrossesTheRaysAtRightAngles) {
    for (double n : {1.33, 1.5, 1.7}) {
        for (double a_deg : {5.0, 30.0, 50.0, 70.0, 85.0}) {
            SCOPED_TRACE(::testing::Message() << "n=" << n << " a=" << a_deg);
            const double a = a_deg * pi / 180;
            const WaveRay first = wave_ray(20, n, a);
            const WaveRay second = wave_ray(20, n, a + 1e-6);
            const double path = std::max(first.exit_path, second.exit_path) + 15;
            const Point p = front_point(first, path).value();
            const Point q = front_point(second, path).value();
            const double along = (q.x - p.x) * first.direction.x + (q.y - p.y) * first.direction.y;
            EXPECT_LT(std::fabs(along), 1e-4 * std::hypot(q.x - p.x, q.y - p.y));
        }
    }
}

// Across a front, measured at right angles to the rainbow ray, the points run one way up to
// the cusp where the front touches the caustic and back beyond it. The cusp lies on the rays
// just above the rainbow ray and closes in on it as the front travels on.
TEST(WaveFront, FoldsBackOnceNextToTheRainbowRay) {
    for (double n : {1.33, 1.5, 1.7}) {
        const double R = 20;
        const double rainbow = rainbow_incidence(n, 1).value();
        const WaveRay rainbow_ray = wave_ray(R, n, rainbow);
        const std::vector<WaveRay> rays = fan(R, n, 3600);
        double previous_cusp = pi;
        for (double distance : {10.0, 30.0, 100.0, 1000.0}) {
            SCOPED_TRACE(::testing::Message() << "n=" << n << " distance=" << distance);
            const std::vector<std::optional<Point>> front =
                wave_front(rays, rainbow_ray.exit_path + distance);
            std::vector<double> reversals;
            std::optional<double> last;
            std::optional<bool> rising;
            for (std::size_t k = 0; k < front.size(); ++k) {
                if (!front[k]) continue;
                const double across =
                    front[k]->x * rainbow_ray.direction.y - front[k]->y * rainbow_ray.direction.x;
                if (last) {
                    const bool up = across > *last;
                    if (rising && up != *rising) reversals.push_back(rays[k].incidence);
                    rising = up;
                }
                last = across;
            }
            ASSERT_EQ(reversals.size(), 1u);
            EXPECT_GT(reversals[0], rainbow);
            EXPECT_LT(reversals[0], previous_cusp);
            previous_cusp = reversals[0];
        }
        EXPECT_LT(degrees(previous_cusp - rainbow), 1);
    }
}

TEST(Interference, ReferenceDirectionsForWater) {
    const double n = 1.33, R = 20, V = 0.5;
    EXPECT_NEAR(degrees(rainbow_deviation(n)), 42.52, 0.005);
    const std::optional<RayPair> dark = pair_with_path_difference(R, n, 0.75 * V);
    const std::optional<RayPair> bright = pair_with_path_difference(R, n, 1.25 * V);
    ASSERT_TRUE(dark && bright);
    EXPECT_NEAR(degrees(dark->lower.deviation), 36.90, 0.05);
    EXPECT_NEAR(degrees(bright->lower.deviation), 34.68, 0.05);
    for (const RayPair& pair : {*dark, *bright}) {
        EXPECT_LT(pair.lower.incidence, rainbow_incidence(n, 1).value());
        EXPECT_GT(pair.upper.incidence, rainbow_incidence(n, 1).value());
        EXPECT_NEAR(pair.lower.deviation, pair.upper.deviation, 1e-9);
    }
    EXPECT_NEAR(dark->path_difference, 0.375, 1e-6);
    EXPECT_NEAR(bright->path_difference, 0.625, 1e-6);
}

// Airy's theory puts the first dark band and the first supernumerary bow where Ai(-z)² has
// its first zero and its second maximum, z = 2.3381 and 3.2482, with
// z = (2 pi R / V)^(2/3) (2 / |D''|)^(1/3) (rainbow angle - angle), D'' the curvature of the
// deviation against the impact parameter sin a at the rainbow ray.
TEST(Interference, AgreesWithAiryTheoryAndOrdersTheBands) {
    for (double n : {1.33, 1.5, 1.7}) {
        const double rainbow = rainbow_incidence(n, 1).value();
        const double b = std::sin(rainbow), h = 1e-4;
        const auto deviation_at = [&](double impact) {
            return wave_ray(1, n, std::asin(impact)).deviation;
        };
        const double curvature =
            std::fabs(deviation_at(b + h) - 2 * deviation_at(b) + deviation_at(b - h)) / (h * h);
        for (auto [R, V] : {std::pair{30.0, 0.3}, {20.0, 0.5}, {25.0, 0.4}, {10.0, 0.3}}) {
            SCOPED_TRACE(::testing::Message() << "n=" << n << " R=" << R << " V=" << V);
            const std::optional<RayPair> dark = pair_with_path_difference(R, n, 0.75 * V);
            const std::optional<RayPair> bright = pair_with_path_difference(R, n, 1.25 * V);
            ASSERT_TRUE(dark && bright);
            const double below_rainbow = rainbow_deviation(n) - dark->lower.deviation;
            const double below_dark = dark->lower.deviation - bright->lower.deviation;
            EXPECT_GT(below_rainbow, 0);
            EXPECT_GT(below_dark, 0);
            const double scale = std::pow(2 * pi * R / V, -2.0 / 3) * std::cbrt(curvature / 2);
            const double tolerance = R / V >= 50 ? 0.15 : 0.4;
            EXPECT_NEAR(degrees(below_rainbow), degrees(2.3381 * scale), tolerance);
            EXPECT_NEAR(degrees(below_rainbow + below_dark), degrees(3.2482 * scale), tolerance);
        }
    }
}

TEST(Interference, NoPairWhereTheFanCannotReachThePathDifference) {
    EXPECT_FALSE(pair_with_path_difference(5, 1.7, 0.75 * 1.3));
    EXPECT_FALSE(pair_with_path_difference(0.5, 1.33, 1.25 * 0.5));
    EXPECT_FALSE(pair_with_path_difference(20, 1.33, 1.25 * 100));
    EXPECT_FALSE(pair_with_path_difference(20, 2.5, 0.1));  // no rainbow ray
    EXPECT_FALSE(pair_with_path_difference(20, 1.0, 0.1));

    for (auto [n, R, V] : {std::tuple{1.7, 5.0, 1.3}, {1.33, 0.5, 0.5}, {1.5, 20.0, 400.0}}) {
        SCOPED_TRACE(::testing::Message() << "n=" << n << " R=" << R << " V=" << V);
        const Picture picture(n, R, V);
        EXPECT_EQ(picture.text(dark_text).text, dark_text);
        EXPECT_EQ(picture.text(bright_text).text, bright_text);
        // Neither pair exists, and none is returned.
        EXPECT_FALSE(picture.pairs.dark_band);
        EXPECT_FALSE(picture.pairs.supernumerary);
    }
    // With a sphere of radius 5 the first dark band of water still shows, its bow does not.
    const Picture water(1.33, 5, 1.3);
    EXPECT_GT(number_after(water.text(dark_text).text, dark_text).value_or(0), 0);
    EXPECT_EQ(water.text(bright_text).text, bright_text);
}

TEST(WaveFrontsPicture, PrintsTheReferenceAnglesAndReturnsThePairs) {
    const Picture picture(1.33, 20, 0.5);
    const TextItem dark = picture.text(dark_text);
    const TextItem bright = picture.text(bright_text);
    EXPECT_EQ(dark.text, dark_text + "36.90");
    EXPECT_EQ(bright.text, bright_text + "34.68");
    EXPECT_EQ(dark.x, -40);
    EXPECT_EQ(dark.y, 35);
    EXPECT_EQ(bright.x, -40);
    EXPECT_EQ(bright.y, 30);
    // The pairs it printed are returned: the supernumerary pair is the one of that path
    // difference.
    const RayPair pair = pair_with_path_difference(20, 1.33, 1.25 * 0.5).value();
    ASSERT_TRUE(picture.pairs.supernumerary);
    EXPECT_EQ(picture.pairs.supernumerary->upper.incidence, pair.upper.incidence);
    EXPECT_EQ(picture.pairs.supernumerary->lower.incidence, pair.lower.incidence);
    ASSERT_TRUE(picture.pairs.dark_band);
    EXPECT_EQ(picture.surface.draw_width, 1);
    EXPECT_EQ(items_of<CircleItem>(picture.surface).front().r, 20);
}

// Every front crosses the rainbow ray at the point of its own optical path, so the fronts
// cross that ray a whole number of front spacings apart, and at least five of them show.
TEST(WaveFrontsPicture, FrontsCrossTheRainbowRayOneSpacingApart) {
    for (double n : {1.33, 1.5, 1.7}) {
        for (auto [R, V] : {std::pair{5.0, 1.3}, {20.0, 0.5}, {30.0, 0.3}, {30.0, 1.3}}) {
            SCOPED_TRACE(::testing::Message() << "n=" << n << " R=" << R << " V=" << V);
            const Picture picture(n, R, V);
            const std::vector<LineItem> green = items_of<LineItem>(picture.surface, rainbow_green);
            ASSERT_EQ(green.size(), 4u);
            const LineItem& ray = green.back();  // the outgoing part
            const double dx = ray.x2 - ray.x1, dy = ray.y2 - ray.y1;
            const double length = std::hypot(dx, dy);
            std::vector<double> crossings;
            for (const LineItem& l : items_of<LineItem>(picture.surface, front_blue)) {
                const double ex = l.x2 - l.x1, ey = l.y2 - l.y1;
                const double denominator = dx * ey - dy * ex;
                if (denominator == 0) continue;
                const double t = ((l.x1 - ray.x1) * ey - (l.y1 - ray.y1) * ex) / denominator;
                const double u = ((l.x1 - ray.x1) * dy - (l.y1 - ray.y1) * dx) / denominator;
                if (t >= 0 && t <= 1 && u >= 0 && u <= 1) crossings.push_back(t * length);
            }
            std::sort(crossings.begin(), crossings.end());
            ASSERT_FALSE(crossings.empty());
            // Each front crosses the ray where its optical path is a whole number of
            // spacings; beyond the fold the same front comes back across the ray a little
            // before that point, so the crossings come in clusters, one per front. The last
            // front in sight may show only its fold.
            const double spacing = front_spacing(V);
            const double exit_path = wave_ray(R, n, rainbow_incidence(n, 1).value()).exit_path;
            const auto off_whole = [&](double distance) {
                const double steps = (exit_path + distance) / spacing;
                return std::fabs(steps - std::round(steps));
            };
            int fronts = 1;
            double best = off_whole(crossings[0]);
            for (std::size_t i = 1; i < crossings.size(); ++i) {
                if (crossings[i] - crossings[i - 1] > spacing / 2) {
                    EXPECT_LT(best, 0.01) << "front " << fronts;
                    ++fronts;
                    best = 1;
                }
                best = std::min(best, off_whole(crossings[i]));
            }
            EXPECT_GE(fronts, 5);
        }
    }
}

TEST(WaveFrontsPicture, StaysSmallAndInsideTheSurfaceForEveryInput) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        double n, R, V;
    };
    for (const Row& row :
         {Row{"controls, small", 1.7, 5, 0.3}, Row{"controls, large", 1.33, 30, 1.3},
          Row{"no index yet", 0, 20, 0.5}, Row{"no wavelength", 1.5, 20, 0},
          Row{"wavelength not a number", 1.5, 20, std::nan("")},
          Row{"huge sphere", 1.5, 1e300, 0.5}, Row{"no sphere", 1.5, 0, 0.5},
          Row{"infinite sphere", 1.5, inf, 0.5}, Row{"tiny wavelength", 1.33, 20, 1e-12},
          Row{"index below one", 0.5, 20, 0.5}}) {
        SCOPED_TRACE(row.name);
        const Picture picture(row.n, row.R, row.V);
        EXPECT_LT(picture.surface.items().size(), 3000u);
        EXPECT_EQ(texts_starting_with(picture.surface, "ANGLE FOR ").size(), 2u);
        EXPECT_EQ(picture.surface.draw_width, 1);
        for (const LineItem& l : items_of<LineItem>(picture.surface)) {
            // Every line drawn here ends within a few picture widths.
            EXPECT_LT(
                std::max({std::fabs(l.x1), std::fabs(l.y1), std::fabs(l.x2), std::fabs(l.y2)}),
                1000.f);
        }
    }
}

TEST(WaveFrontsPicture, WaveFrontsButtonOfTheCausticsWindow) {
    Program p;
    p.arxiki().Command6.click();
    CausticsWindow& w = p.kafstikh();
    w.Command4.click();
    const Surface& eikona = w.eikona.surface();
    const std::vector<TextItem> dark = texts_starting_with(eikona, dark_text);
    const std::vector<TextItem> bright = texts_starting_with(eikona, bright_text);
    ASSERT_EQ(dark.size(), 1u);
    ASSERT_EQ(bright.size(), 1u);
    const double rainbow = degrees(rainbow_deviation(w.refractive_index()));
    const double dark_angle = number_after(dark[0].text, dark_text).value();
    const double bright_angle = number_after(bright[0].text, bright_text).value();
    EXPECT_LT(dark_angle, rainbow);
    EXPECT_LT(bright_angle, dark_angle);
    EXPECT_GT(items_of<LineItem>(eikona, front_blue).size(), 50u);
}

}  // namespace
}  // namespace rainbow
