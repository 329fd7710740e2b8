// The caustics window driven through its handlers, as the user drives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "app/program.h"
#include "caustics/caustics_window.h"
#include "display_list.h"
#include "geometry/angles.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;

constexpr Rgb red = rgb(255, 0, 0);
constexpr Rgb purple = rgb(55, 0, 100);
constexpr Rgb blue = rgb(0, 0, 255);
constexpr Rgb grey = rgb(55, 55, 55);
constexpr Rgb green = rgb(0, 255, 0);
constexpr Rgb yellow = rgb(255, 255, 0);

CausticsWindow& opened(Program& p) {
    p.arxiki().Command6.click();
    return p.kafstikh();
}

const Surface& picture(CausticsWindow& w) { return w.eikona.surface(); }

TEST(CausticsWindow, OpensWithScaledPictureTheAxisAndTheRawLabels) {
    Program p(Screen{1600 * 15, 900 * 15});
    CausticsWindow& w = opened(p);
    const Form& form = w.form();
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(form.caption, "CAUSTIC");
    EXPECT_EQ(form.geometry(), (Geometry{0, 0, 1600 * 15, 900 * 15}));

    // A square picture at the left, four fifths of the window high, to the right of it the
    // buttons; on it only the scale and the axis.
    const Geometry pic = w.eikona.geometry();
    EXPECT_DOUBLE_EQ(pic.height, 900 * 15 * 4.0 / 5);
    EXPECT_EQ(pic.width, pic.height);
    EXPECT_EQ(w.Command1.left(), pic.right());
    const auto scales = items_of<ScaleItem>(picture(w));
    const auto lines = items_of<LineItem>(picture(w));
    ASSERT_EQ(picture(w).items().size(), 2u);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_EQ((std::array{scales[0].x1, scales[0].y1, scales[0].x2, scales[0].y2}),
              (std::array{-40.0f, 40.0f, 40.0f, -40.0f}));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::array{-120.0f, 0.0f, 120.0f, 0.0f}));

    EXPECT_EQ(w.Label1.caption, "R = 20");
    EXPECT_EQ(w.Label2.caption, "v = 50");
    EXPECT_TRUE(w.Option2.value());
    EXPECT_FALSE(w.Option1.value());
    EXPECT_FALSE(w.Option3.value());
}

TEST(CausticsWindow, ReopeningKeepsTheWindowAndThePictureAndWritesTheRawValueAgain) {
    Program p;
    CausticsWindow& w = opened(p);
    w.Command1.click();
    w.timhv.set_value(70);
    EXPECT_EQ(w.Label2.caption, "V =0.70");
    const std::size_t drawn = picture(w).items().size();
    p.arxiki().Command6.click();
    EXPECT_EQ(&p.kafstikh(), &w);
    EXPECT_EQ(w.Label2.caption, "v = 70");
    EXPECT_EQ(picture(w).items().size(), drawn + 2);  // the scale and the axis on top
}

TEST(CausticsWindow, RefractionPictureHasItsRaysAndBothCaustics) {
    Program p;
    CausticsWindow& w = opened(p);
    w.Command1.click();
    const Surface& s = picture(w);
    EXPECT_EQ(w.refractive_index(), 1.5);

    const auto reds = items_of<LineItem>(s, red);
    ASSERT_EQ(reds.size(), 150u);  // incident ray, chord and outgoing part of 50 rays
    int incident = 0;
    for (const LineItem& l : reds) incident += l.x1 == -100;
    EXPECT_EQ(incident, 50);

    // The beam: a = -pi/2 + k pi/50 for k = 0 to 49; the middle ray is just off the axis.
    std::vector<float> heights;
    for (const LineItem& l : reds) {
        if (l.x1 == -100) heights.push_back(l.y1);
    }
    std::sort(heights.begin(), heights.end());
    ASSERT_EQ(heights.size(), 50u);
    for (int k = 0; k < 50; ++k) {
        EXPECT_NEAR(heights[k], 20 * std::sin(-M_PI / 2 + k * M_PI / 50), 1e-4) << k;
    }
    EXPECT_NE(heights[25], 0);

    // Each continuation, of length 3R, starts where the outgoing part drawn just before it
    // meets the axis and runs towards +x on the other side of the axis. Where that part runs
    // forwards it carries on along its line; for grazing rays deviated by more than a right
    // angle the line meets the axis behind the exit point and the continuation turns away.
    std::size_t continuations = 0;
    const LineItem* outgoing = nullptr;
    for (const Item& item : s.items()) {
        const auto* l = std::get_if<LineItem>(&item);
        if (l == nullptr) continue;
        if (l->color == red) outgoing = l;
        if (l->color != purple) continue;
        ++continuations;
        ASSERT_NE(outgoing, nullptr);
        EXPECT_EQ(l->x1, outgoing->x2);
        EXPECT_EQ(l->y1, 0);
        EXPECT_NEAR(std::hypot(l->x2 - l->x1, l->y2 - l->y1), 60, 1e-3);
        EXPECT_GT(l->x2, l->x1);
        EXPECT_LE(l->y2 * outgoing->y1, 0);
        const double dx = outgoing->x2 - outgoing->x1;
        const double dy = outgoing->y2 - outgoing->y1;
        if (dx > 1) {
            const double off_line =
                ((l->x2 - l->x1) * dy - (l->y2 - l->y1) * dx) / std::hypot(dx, dy);
            EXPECT_NEAR(off_line, 0, 1e-2);
        }
    }
    EXPECT_EQ(continuations, 50u);
    EXPECT_EQ(items_of<CircleItem>(s).size(), 3u);
    EXPECT_EQ(items_of<PsetItem>(s).size(), 450u);         // the inner caustic's points
    EXPECT_EQ(items_of<LineItem>(s, black).size(), 449u);  // joined one to the next
    const auto inside = items_of<LineItem>(s, blue);
    const auto outside = items_of<LineItem>(s, grey);
    EXPECT_EQ(inside.size() + outside.size(), 449u);
    // Blue for the dense rays inside the rainbow cone (|a| < 49.8 degrees for n = 1.5).
    const double cone = *rainbow_incidence(1.5);
    EXPECT_NEAR(double(inside.size()), 450 * 2 * cone / M_PI, 2);
    for (const LineItem& l : outside) EXPECT_EQ(l.width, 2);
    EXPECT_EQ(s.draw_width, 1);
}

TEST(CausticsWindow, ReflectedBeamMarksAndJoinsItsCausticForEachIndex) {
    struct Row {
        const char* option;
        double n;
        std::size_t points;
    };
    const Row rows[] = {{"Option1", 1.33, 51}, {"Option2", 1.5, 67}, {"Option3", 1.7, 87}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option);
        Program p;
        CausticsWindow& w = opened(p);
        w.form().get<OptionButton>(row.option).click();
        w.Command1.click();
        EXPECT_EQ(w.refractive_index(), row.n);
        const std::size_t refraction_items = picture(w).items().size();
        w.Command2.click();
        const Surface& s = picture(w);

        std::size_t marks = 0;
        for (const PsetItem& d : items_of<PsetItem>(s, green)) marks += d.width == 4;
        EXPECT_EQ(marks, row.points);
        const auto joins = items_of<LineItem>(s, yellow);
        EXPECT_EQ(joins.size(), row.points - 2);
        for (const LineItem& l : joins) EXPECT_EQ(l.width, 4);
        EXPECT_EQ(items_of<PsetItem>(s, blue).size(), row.points);  // one entry dot per ray
        EXPECT_EQ(s.draw_width, 1);

        // The rainbow ray is the same for every ray of the beam: its four green segments, 3
        // wide, are drawn once per click, over every ray's entry dot.
        const auto rainbow_ray_segments = [&] {
            std::vector<std::size_t> at;
            for (std::size_t i = 0; i < s.items().size(); ++i) {
                const auto* l = std::get_if<LineItem>(&s.items()[i]);
                if (l && l->color == green && l->width == 3) at.push_back(i);
            }
            return at;
        };
        const auto segments = rainbow_ray_segments();
        ASSERT_EQ(segments.size(), 4u);
        std::size_t last_entry_dot = 0;
        for (std::size_t i = 0; i < s.items().size(); ++i) {
            const auto* d = std::get_if<PsetItem>(&s.items()[i]);
            if (d && d->color == blue) last_entry_dot = i;
        }
        EXPECT_GT(segments.front(), last_entry_dot);

        // A second click draws the same again over it.
        const std::size_t once = s.items().size() - refraction_items;
        w.Command2.click();
        EXPECT_EQ(s.items().size(), refraction_items + 2 * once);
        EXPECT_EQ(rainbow_ray_segments().size(), 8u);
    }
}

TEST(CausticsWindow, HandlersWriteTheirLabels) {
    Program p;
    CausticsWindow& w = opened(p);
    w.AKTIN.set_value(5);
    EXPECT_EQ(w.Label1.caption, "AKTINA = 5");
    EXPECT_EQ(items_of<CircleItem>(picture(w))[0].r, 5);
    w.AKTIN.set_value(30);
    EXPECT_EQ(w.Label1.caption, "AKTINA = 30");
    EXPECT_EQ(w.Label2.caption, "v = 50");

    w.timhv.set_value(130);
    EXPECT_EQ(w.Label2.caption, "V =1.30");
    w.Option1.click();
    EXPECT_EQ(w.Label2.caption, "V =1.30");
    EXPECT_EQ(w.refractive_index(), 1.33);
    w.Option3.click();
    EXPECT_EQ(w.Label2.caption, "V= 1.30");
    EXPECT_EQ(w.refractive_index(), 1.7);
    EXPECT_EQ(items_of<LineItem>(picture(w), purple).size(), 50u);
    EXPECT_EQ(w.Label1.caption, "AKTINA = 30");
}

TEST(CausticsWindow, WaveFrontsStartOnAClearedPicture) {
    Program p;
    CausticsWindow& w = opened(p);
    w.Command1.click();
    w.Command4.click();
    EXPECT_TRUE(items_of<LineItem>(picture(w), purple).empty());
}

TEST(CausticsWindow, EndStopsTheProgram) {
    Program p;
    CausticsWindow& w = opened(p);
    EXPECT_FALSE(p.ended());
    w.Command3.click();
    EXPECT_TRUE(p.ended());
}

}  // namespace
}  // namespace rainbow
