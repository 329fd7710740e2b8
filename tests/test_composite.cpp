#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/program.h"
#include "display_list.h"
#include "rainbow/composite.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;

constexpr Rgb red = rgb(255, 0, 0);
constexpr Rgb green = rgb(0, 255, 0);
constexpr Rgb blue = rgb(0, 0, 255);

Surface& picture(Program& p) { return p.arxiki().Picture1.surface(); }

double drop_y(int i) { return 145 - 14.0 * i; }

// The rays of one colour, each as its k + 3 lines.
std::vector<std::vector<LineItem>> rays_of(const Surface& s, Rgb color, int k) {
    const auto lines = items_of<LineItem>(s, color);
    const std::size_t per_ray = std::size_t(k) + 3;
    EXPECT_EQ(lines.size(), 25 * per_ray) << color;
    std::vector<std::vector<LineItem>> rays;
    for (std::size_t i = 0; i + per_ray <= lines.size(); i += per_ray) {
        rays.emplace_back(lines.begin() + long(i), lines.begin() + long(i + per_ray));
    }
    return rays;
}

// Angle of an outgoing segment below the backward horizontal, in radians.
double angle_below_backward(const LineItem& out) {
    return std::atan2(out.y1 - out.y2, out.x1 - out.x2);
}

// 180 degrees less the deviation of a ray: the angle between its outgoing segment and the
// reverse of its incoming one.
double bow_angle(const std::vector<LineItem>& ray) {
    const LineItem& in = ray.front();
    const LineItem& out = ray.back();
    const double ix = in.x1 - in.x2, iy = in.y1 - in.y2;
    const double ox = out.x2 - out.x1, oy = out.y2 - out.y1;
    return std::acos((ix * ox + iy * oy) / std::hypot(ix, iy) / std::hypot(ox, oy));
}

TEST(CompositeRainbow, ButtonLeavesTheColumnAloneWithParallelChosen) {
    for (int k : {0, 1, 2}) {
        SCOPED_TRACE(k);
        Program p;
        MainWindow& w = p.arxiki();
        if (w.arithanak.value() != k) w.arithanak.set_value(k);
        w.Command4.click();
        EXPECT_TRUE(w.parallel.value());
        EXPECT_FALSE(w.pointsource.value());

        const Surface& s = picture(p);
        // Only the second run is on the picture: it starts with the first drop.
        ASSERT_FALSE(s.items().empty());
        const auto* first = std::get_if<CircleItem>(&s.items().front());
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(items_of<ScaleItem>(s).empty());
        EXPECT_EQ(items_of<TextItem>(s).size(), 0u);

        const auto drops = items_of<CircleItem>(s);
        ASSERT_EQ(drops.size(), 25u);
        for (int i = 1; i <= 25; ++i) {
            const CircleItem& d = drops[std::size_t(i - 1)];
            EXPECT_EQ(d.x, 125);
            EXPECT_EQ(d.y, drop_y(i));
            EXPECT_EQ(d.r, 3.5f);
            EXPECT_EQ(d.color, blue);
        }
        EXPECT_EQ(items_of<LineItem>(s).size(), 3 * 25 * std::size_t(k + 3));

        // Each ray starts at x = -80 level with its drop and enters it on the side the
        // number of reflections chooses: above the centre, below it with two reflections.
        const double side = k == 2 ? -1 : 1;
        for (Rgb color : {red, green, blue}) {
            const auto rays = rays_of(s, color, k);
            for (std::size_t i = 0; i < rays.size(); ++i) {
                const LineItem& in = rays[i].front();
                const double yc = drop_y(int(i) + 1);
                EXPECT_EQ(in.x1, -80);
                EXPECT_EQ(in.y1, float(yc));
                EXPECT_NEAR(std::hypot(in.x2 - 125, in.y2 - yc), 3.5, 1e-4);
                EXPECT_GT((in.y2 - yc) * side, 0);
            }
        }

        // The state's settings stay the main window's drop and angle, not the column's.
        const Settings settings = p.settings();
        EXPECT_EQ(settings.drop_radius, 30);
        EXPECT_EQ(settings.drop_xc, 10);
        EXPECT_EQ(settings.drop_yc, 0);
        EXPECT_EQ(settings.refractive_index, 1.343);
        EXPECT_EQ(settings.angle_theta, 15);
        EXPECT_EQ(s.fore_color, blue);
    }
}

// With one reflection red leaves every drop at a steeper angle back towards the light than
// blue (about 42 against 40.6 degrees): the colours fan out.
TEST(CompositeRainbow, ColoursFanOutRedAboveBlue) {
    Program p;
    p.arxiki().Command4.click();
    const auto red_rays = rays_of(picture(p), red, 1);
    const auto green_rays = rays_of(picture(p), green, 1);
    const auto blue_rays = rays_of(picture(p), blue, 1);
    ASSERT_EQ(red_rays.size(), 25u);
    const double degree = 4 * std::atan(1.0) / 180;
    for (std::size_t i = 0; i < red_rays.size(); ++i) {
        const double r = angle_below_backward(red_rays[i].back());
        const double g = angle_below_backward(green_rays[i].back());
        const double b = angle_below_backward(blue_rays[i].back());
        EXPECT_NEAR(bow_angle(red_rays[i]), 42.52 * degree, 0.05 * degree);
        EXPECT_GT(r, g);
        EXPECT_GT(g, b);
    }
}

// The button chooses the parallel beam before each run: the first choice redraws the main
// scene, whose coordinates the column is drawn in; the picture ends with the column alone.
// The column itself only adds its drops and rays to what is drawn.
TEST(CompositeRainbow, ButtonChoosesTheParallelBeamAndLeavesTheColumnAlone) {
    Program p;
    MainWindow& w = p.arxiki();
    Surface& s = picture(p);
    w.Command4.click();
    EXPECT_TRUE(w.parallel.value());
    EXPECT_EQ(w.Label1.caption.rfind("INCIDENCE ANGLE γωνία ΠΡΟΣΠΤΩΣΗΣ=", 0), 0u);
    EXPECT_EQ(s.items().size(), 25u + 3 * 25 * 4);
    EXPECT_EQ(s.current_scale(), (Scale{-135, 135, 135, -135}));

    const auto before = s.items().size();
    draw_composite_rainbow(w.arithanak.value(), s);
    EXPECT_EQ(s.items().size(), before + 25 + 3 * 25 * 4);
}

}  // namespace
}  // namespace rainbow
