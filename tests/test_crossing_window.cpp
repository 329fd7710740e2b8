// The ray-crossing window opened from the main window: its set-up, layout and handlers.
#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "crossing/cut_rays_window.h"
#include "display_list.h"
#include "forms/format.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;
using testing::texts_starting_with;

bool mentions_a_crossing(const Surface& s) {
    return !texts_starting_with(s, "x cut").empty() || !texts_starting_with(s, "NO CUT").empty();
}

class CutRaysWindowTest : public ::testing::Test {
protected:
    CutRaysWindowTest() : program(Screen{}) { program.arxiki().Command5.click(); }

    CutRaysWindow& window() { return program.cut_rays(); }
    Surface& client() { return window().client(); }
    // Incident segments of both rays: the lines that begin at start_x.
    std::vector<LineItem> incident_segments() {
        std::vector<LineItem> out;
        for (const LineItem& l : items_of<LineItem>(client())) {
            if (std::fabs(l.x1 - window().values().start_x) < 1e-4) out.push_back(l);
        }
        return out;
    }

    Program program;
};

TEST_F(CutRaysWindowTest, FirstUseBuildsAFullScreenWindowWithTheStartPicture) {
    CutRaysWindow& w = window();
    const Form& form = w.form();
    EXPECT_TRUE(program.settings().cut_rays_built);
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(form.caption, "Where a ray is cut by the other rays");
    EXPECT_EQ(form.geometry(),
              (Geometry{0, 0, program.screen().width_twips, program.screen().height_twips}));

    // Equal units on both axes, the origin at the centre.
    const CutRaysValues& v = w.values();
    const Scale s = client().current_scale();
    EXPECT_NEAR(s.width() / form.client_width_twips(), -s.height() / form.client_height_twips(),
                1e-9);
    EXPECT_NEAR(v.x_left + v.x_right, 0, 1e-9);
    EXPECT_NEAR(v.start_x, 0.75 * v.x_left, 1e-12);

    EXPECT_EQ(w.Label3.caption, "index = 1.33");
    // Horizontal rays at heights 6 and 4: sin i = height / R.
    const double degrees = 45 / std::atan(1.0);
    EXPECT_EQ(w.Label1.caption, "Angle of Incidence 1st ray = " +
                                    format_number(std::asin(6 / v.lens_radius) * degrees, "0.00"));
    EXPECT_EQ(w.Label2.caption, "Angle of Incidence 2nd ray = " +
                                    format_number(std::asin(4 / v.lens_radius) * degrees, "0.00"));

    const auto discs = items_of<CircleItem>(client());
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].fill, white);
    EXPECT_NEAR(discs[0].r, v.lens_radius, 1e-4);
    EXPECT_GE(items_of<LineItem>(client(), rgb(255, 0, 0)).size(), 361u);
    // Only the drawing of the last step is left, though the scroll bars drew while set.
    EXPECT_EQ(texts_starting_with(client(), "Belqor angle = 59.58").size(), 1u);
    EXPECT_EQ(texts_starting_with(client(), "x cut WHERE 2 RAYS MEET= ").size(), 1u);
    EXPECT_EQ(texts_starting_with(client(), "x 1st ray ON CIRCLE = ").size(), 1u);
    EXPECT_EQ(incident_segments().size(), 2u);
}

TEST_F(CutRaysWindowTest, ControlsAreLaidOutInUserUnits) {
    CutRaysWindow& w = window();
    const CutRaysValues& v = w.values();
    const int reach = int(std::floor(v.y_top * 5));
    for (const ScrollBar* bar : {&w.position_of_ray, &w.defteri_aktina}) {
        SCOPED_TRACE(bar->name());
        EXPECT_EQ(bar->min(), reach);
        EXPECT_EQ(bar->max(), -reach);
        EXPECT_NEAR(bar->top(), v.y_top / 2, 1e-9);
        EXPECT_NEAR(bar->height(), v.y_top, 1e-9);
    }
    EXPECT_EQ(w.position_of_ray.value(), 60);
    EXPECT_EQ(w.defteri_aktina.value(), 40);
    EXPECT_FALSE(w.SPECIAL_RAY.value());
    EXPECT_FALSE(w.NON_SPECIAL.value());

    // The buttons stay at their design places on the screen.
    const Geometry end = w.form().to_twips(w.Command1.geometry());
    const Geometry waves = w.form().to_twips(w.Command3.geometry());
    for (auto [got, want] : {std::pair{end, Geometry{120, 120, 1455, 735}},
                             std::pair{waves, Geometry{6360, 120, 2295, 975}}}) {
        EXPECT_NEAR(got.left, want.left, 1e-6);
        EXPECT_NEAR(got.top, want.top, 1e-6);
        EXPECT_NEAR(got.width, want.width, 1e-6);
        EXPECT_NEAR(got.height, want.height, 1e-6);
    }
}

TEST_F(CutRaysWindowTest, HeightsAndMenuRedrawThePicture) {
    CutRaysWindow& w = window();
    w.defteri_aktina.set_value(60);
    EXPECT_EQ(texts_starting_with(client(), "NO CUT, PARALLEL RAYS").size(), 1u);
    EXPECT_EQ(texts_starting_with(client(), "Belqor angle").size(), 1u);  // cleared first

    w.defteri_aktina.set_value(0);
    EXPECT_FALSE(mentions_a_crossing(client()));

    w.defteri_aktina.set_value(40);
    w.SOURCEONAXIS.click();
    EXPECT_TRUE(w.SOURCEONAXIS.checked);
    EXPECT_FALSE(w.PARALLHLES.checked);
    auto from_axis = incident_segments();
    ASSERT_EQ(from_axis.size(), 2u);
    for (const LineItem& l : from_axis) EXPECT_EQ(l.y1, 0);
    EXPECT_EQ(texts_starting_with(client(), "x cut").size(), 1u);

    w.PARALLHLES.click();
    EXPECT_TRUE(w.PARALLHLES.checked);
    EXPECT_FALSE(w.SOURCEONAXIS.checked);
    auto parallel = incident_segments();
    ASSERT_EQ(parallel.size(), 2u);
    EXPECT_FLOAT_EQ(parallel[0].y1, 6);
    EXPECT_FLOAT_EQ(parallel[1].y1, 4);

    w.allagideikth.set_value(150);
    EXPECT_EQ(w.Label3.caption, "index = 1.50");
}

TEST_F(CutRaysWindowTest, SpecialRayHidesItsScrollBarUntilNonSpecial) {
    CutRaysWindow& w = window();
    w.SPECIAL_RAY.click();
    EXPECT_FALSE(w.position_of_ray.visible);
    EXPECT_FALSE(w.NON_SPECIAL.value());
    EXPECT_EQ(w.Label1.caption, "Angle of Incidence 1st ray = 59.58");
    EXPECT_EQ(items_of<PsetItem>(client(), rgb(255, 0, 150)).size(), 1u);

    const std::size_t drawn = client().items().size();
    w.NON_SPECIAL.click();
    EXPECT_TRUE(w.position_of_ray.visible);
    EXPECT_FALSE(w.SPECIAL_RAY.value());
    EXPECT_EQ(client().items().size(), drawn);  // the special ray stays until the next redraw

    w.defteri_aktina.set_value(30);
    EXPECT_TRUE(items_of<PsetItem>(client(), rgb(255, 0, 150)).empty());
}

TEST_F(CutRaysWindowTest, SecondUseShowsAndRedrawsOverThePicture) {
    CutRaysWindow& w = window();
    w.defteri_aktina.set_value(50);
    const std::vector<Item> before = client().items();
    const Geometry bar = w.position_of_ray.geometry();
    w.form().shown = false;

    program.arxiki().Command5.click();
    EXPECT_TRUE(w.form().shown);
    EXPECT_EQ(&program.cut_rays(), &w);
    EXPECT_EQ(w.position_of_ray.geometry(), bar);
    EXPECT_EQ(w.defteri_aktina.value(), 50);
    ASSERT_EQ(client().items().size(), 2 * before.size());
    EXPECT_TRUE(items_of<ScaleItem>(client()).empty());  // the scale was not set again
    EXPECT_EQ(texts_starting_with(client(), "Belqor angle").size(), 2u);
}

TEST_F(CutRaysWindowTest, Buttons) {
    CutRaysWindow& w = window();
    w.Command2.click();
    EXPECT_EQ(program.take_focus_request(), &program.arxiki().form());
    EXPECT_FALSE(program.has_kafstikh());
    w.Command3.click();
    EXPECT_TRUE(program.has_kafstikh());
    EXPECT_FALSE(program.ended());
    w.Command1.click();
    EXPECT_TRUE(program.ended());
    // END closes every window.
    for (Form* form : program.forms()) EXPECT_FALSE(form->shown) << form->name();
}

}  // namespace
}  // namespace rainbow

namespace rainbow {
namespace {

// A button whose window is open already brings it to the front, as does the first opening.
TEST(OpeningButtons, AskForTheFocusOfTheWindowTheyOpen) {
    struct Row {
        const char* name;
        void (*second_click)(Program&);
        const char* form;
    };
    const Row rows[] = {
        {"Where the ray cuts a chosen ray", [](Program& p) { p.arxiki().Command5.click(); },
         "cut_rays"},
        {"waves", [](Program& p) { p.arxiki().Command6.click(); }, "kafstikh"},
        {"SHOW WAVES", [](Program& p) { p.cut_rays().Command3.click(); }, "kafstikh"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program program;
        program.arxiki().Command5.click();
        program.arxiki().Command6.click();
        program.take_focus_request();
        row.second_click(program);
        const Form* focus = program.take_focus_request();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->name(), row.form);
        EXPECT_TRUE(focus->shown);
    }
}

}  // namespace
}  // namespace rainbow
