#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "display_list.h"
#include "forms/form.h"

namespace rainbow {
namespace {

using testing::items_of;

TEST(Surface, RecordsItemsWithThePenInForce) {
    Surface s(2700, 2700);
    s.scale(-135, 135, 135, -135);
    s.fore_color = rgb(1, 2, 3);
    s.draw_width = 2;
    s.draw_style = LineStyle::dashed;
    s.line(0, 0, 10, 20);
    s.circle(5, 5, 3, rgb(0, 0, 255));
    s.fill_style = 0;
    s.fill_color = white;
    s.circle(0, 0, -7);
    s.arc(1, 1, 4, rgb(255, 0, 0), 0.5f, 1.5f);
    s.pset(3, 4);

    ASSERT_EQ(s.items().size(), 6u);
    EXPECT_TRUE(std::holds_alternative<ScaleItem>(s.items()[0]));
    const auto line = std::get<LineItem>(s.items()[1]);
    EXPECT_EQ(line.color, rgb(1, 2, 3));
    EXPECT_EQ(line.width, 2);
    EXPECT_EQ(line.style, int(LineStyle::dashed));
    const auto circles = items_of<CircleItem>(s);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_FALSE(circles[0].fill.has_value());
    EXPECT_EQ(circles[1].fill, white);
    EXPECT_EQ(circles[1].r, 7);  // a radius is a length
    EXPECT_EQ(circles[2].start, 0.5f);
    EXPECT_EQ(circles[2].end, 1.5f);
    EXPECT_EQ(items_of<PsetItem>(s)[0].width, 2);
}

TEST(Surface, NeverRecordsNonFiniteCoordinates) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Surface s(1000, 1000);
    s.line(0, 0, inf, 1);
    s.line(nan, 0, 1, 1);
    s.circle(0, 0, nan);
    s.arc(0, 0, 1, black, 0, inf);
    s.pset(inf, 0);
    s.scale(0, 0, nan, 1);
    s.scale(0, 0, 0, 1);  // an empty window
    s.current_x = nan;
    s.print("lost");
    EXPECT_TRUE(s.items().empty());
}

TEST(Surface, PrintMovesDownOneLineInUserUnits) {
    Surface s(1950, 1950);  // ten lines of text
    s.scale(-40, 40, 40, -40);
    s.current_x = -30;
    s.current_y = 35;
    s.print("one");
    s.print("two");
    const auto texts = items_of<TextItem>(s);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, -30);
    EXPECT_EQ(texts[1].x, -40);  // the next line starts at the left edge
    EXPECT_NEAR(texts[1].y, 35 - 8, 1e-5);
}

TEST(Surface, TextAndPensGrowWithTheSideTheirGrowthNames) {
    // A wide, short picture: 1800 x 300 pixels.
    struct Row {
        const char* name;
        Growth growth;
        double factor;      // at the picture's own size
        double line_twips;  // one printed line
    };
    const Row rows[] = {
        // The windows' own pictures keep the designed line, whatever their size.
        {"shorter side against 810 px", Growth{}, 300.0 / 810, Surface::line_height_twips},
        {"longer side against 900 px", Growth{true, 900}, 2.0, 2 * Surface::line_height_twips},
        // Shrunk, it keeps room for the desktop's normal font, about the designed size.
        {"longer side against 3600 px", Growth{true, 3600}, 0.5, Surface::line_height_twips},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(1800 * 15, 300 * 15);
        s.set_growth(row.growth);
        EXPECT_NEAR(s.own_growth(), row.factor, 1e-12);
        EXPECT_NEAR(s.line_twips(), row.line_twips, 1e-9);
        // Printing moves down by that line, in user units.
        s.scale(0, 0, 1, 1);
        s.print("one");
        EXPECT_NEAR(s.current_y, row.line_twips / (300 * 15), 1e-9);
    }
    // A picture painted at another size grows by that size's side.
    EXPECT_NEAR((Growth{true, 900}.at(450, 2000)), 2000.0 / 900, 1e-12);
    EXPECT_NEAR((Growth{}.at(450, 2000)), 450.0 / 810, 1e-12);
}

TEST(Surface, RaisedTextsComeLastOnTheirBackingUnderTheirOwnScale) {
    Surface s(1000, 1000);
    s.scale(-10, 10, 10, -10);
    s.print("before");  // drawn before the first raised item: left alone
    const std::size_t first = s.items().size();
    s.print("one");
    s.line(0, 0, 1, 1);
    s.print("two");
    s.scale(-10, 10, 10, -10);  // the same scale again: the texts above keep their meaning
    s.line(1, 1, 2, 2);
    s.scale(-5, 5, 5, -5);
    s.print("under another scale");
    s.scale(-10, 10, 10, -10);
    s.line(2, 2, 3, 3);
    const auto generation = s.generation();
    s.raise_texts(first, white);

    std::vector<std::string> order;
    for (const Item& item : s.items()) {
        if (const auto* t = std::get_if<TextItem>(&item)) {
            order.push_back(t->text);
            const std::optional<Rgb> backing =
                t->text == "before" ? std::nullopt : std::optional<Rgb>(white);
            EXPECT_EQ(t->backing, backing) << t->text;
        } else if (std::holds_alternative<LineItem>(item)) {
            order.push_back("line");
        }
    }
    const std::vector<std::string> expected{"before", "line", "line", "under another scale",
                                            "line",   "one",  "two"};
    EXPECT_EQ(order, expected);
    EXPECT_GT(s.generation(), generation);  // a raster cache holds the old order
}

TEST(Surface, ClsEmptiesTheListKeepsTheScaleAndStartsANewGeneration) {
    Surface s(1000, 1000);
    EXPECT_EQ(s.base_scale(), (Scale{0, 0, 1000, 1000}));
    s.scale(-135, 135, 135, -135);
    s.line(0, 0, 1, 1);
    s.current_x = 7;
    const auto generation = s.generation();
    s.cls();
    EXPECT_TRUE(s.items().empty());
    EXPECT_EQ(s.current_x, 0);
    EXPECT_GT(s.generation(), generation);
    EXPECT_EQ(s.base_scale(), (Scale{-135, 135, 135, -135}));
    EXPECT_EQ(s.scale_width(), 270);
    EXPECT_EQ(s.scale_height(), -270);
}

TEST(Scale, MapsUserUnitsToPixels) {
    const Scale s{-135, 135, 135, -135};
    EXPECT_EQ(s.to_pixel_x(-135, 540), 0);
    EXPECT_EQ(s.to_pixel_x(0, 540), 270);
    EXPECT_EQ(s.to_pixel_y(135, 540), 0);
    EXPECT_EQ(s.to_pixel_y(-135, 540), 540);
    EXPECT_EQ(s.pixels_per_x_unit(540), 2);
}

TEST(ScrollBar, RangeEitherWayRoundAndChangeEvents) {
    int changes = 0;
    ScrollBar bar("b", {}, true, 80, 1, 1);  // Min at the top exceeds Max
    bar.on_change = [&] { ++changes; };
    EXPECT_TRUE(bar.accepts(80));
    EXPECT_TRUE(bar.accepts(1));
    EXPECT_FALSE(bar.accepts(0));
    EXPECT_FALSE(bar.accepts(81));
    bar.set_value(80);
    bar.set_value(80);  // no change, no event
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(bar.set_value(81), std::out_of_range);
    EXPECT_EQ(bar.value(), 80);
    bar.set_min(50);  // the value is pulled into the new range
    EXPECT_EQ(bar.value(), 50);
    EXPECT_EQ(changes, 2);
    bar.set_max(-10);
    EXPECT_EQ(changes, 2);
}

TEST(Form, OptionGroupsFollowTheirContainers) {
    Form form("f", "F", {0, 0, 6000, 4000});
    auto& a = form.add_option("a", {}, "A", true);
    auto& b = form.add_option("b", {}, "B");
    auto& water = form.add_option("water", {}, "Water", true);
    auto& glass = form.add_option("glass", {}, "glass");
    water.container = glass.container = "Frame1";
    int clicks = 0;
    b.on_click = [&] { ++clicks; };
    b.click();
    b.click();  // already chosen
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(water.value());
    glass.click();
    EXPECT_FALSE(water.value());
    EXPECT_TRUE(b.value());
    b.set_value(false);  // clearing fires nothing and chooses nothing else
    EXPECT_FALSE(b.value());
    EXPECT_FALSE(a.value());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(&form.get<OptionButton>("glass"), &glass);
    EXPECT_EQ(form.find("nothing"), nullptr);
    EXPECT_THROW(form.get<OptionButton>("nothing"), std::out_of_range);
}

TEST(Form, ControlsOfAScaledClientAreaConvertToTwips) {
    Form form("f", "F", {0, 0, 9120, 6405});
    Surface& client = form.make_client_surface();
    EXPECT_EQ(client.width_twips(), 9000);
    EXPECT_EQ(client.height_twips(), 6000);
    const Geometry g{-10, 5, 2, 1};
    EXPECT_EQ(form.to_twips(g), g);  // twips until the client area is scaled
    client.scale(-90, 30, 90, -30);
    const Geometry t = form.to_twips(g);
    EXPECT_DOUBLE_EQ(t.left, 80 * 50);
    EXPECT_DOUBLE_EQ(t.top, 25 * 100);
    EXPECT_DOUBLE_EQ(t.width, 100);
    EXPECT_DOUBLE_EQ(t.height, 100);
    const Geometry back = form.from_twips(t);
    EXPECT_DOUBLE_EQ(back.left, g.left);
    EXPECT_DOUBLE_EQ(back.top, g.top);
    EXPECT_DOUBLE_EQ(back.width, g.width);
    EXPECT_DOUBLE_EQ(back.height, g.height);
}

TEST(ScopedPen, DrawsWithItsWidthOrStyleAndGivesThePenBack) {
    Surface s(1000, 1000);
    const Pen before{rgb(10, 20, 30), 3, LineStyle::dashed};
    s.set_pen(before);
    {
        const ScopedPen dotted(s, LineStyle::dotted);
        s.fore_color = rgb(1, 1, 1);  // changes inside the scope go too
        s.line(0, 0, 1, 1);
        const ScopedPen wide(s, 5);
        s.line(0, 0, 1, 1);
    }
    EXPECT_EQ(s.pen(), before);
    const auto& first = std::get<LineItem>(s.items()[0]);
    const auto& second = std::get<LineItem>(s.items()[1]);
    EXPECT_EQ(first.style, int(LineStyle::dotted));
    EXPECT_EQ(first.width, 3);
    EXPECT_EQ(second.width, 5);
    EXPECT_EQ(second.style, int(LineStyle::dotted));
}

}  // namespace
}  // namespace rainbow
