// The program's list of windows and what a window reaches through it, and the main window's
// drawing procedures working from plain inputs alone.
#include <gtest/gtest.h>

#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/program.h"
#include "forms/form.h"
#include "forms/surface.h"
#include "rainbow/composite.h"
#include "rainbow/main_window.h"
#include "rainbow/scene.h"

namespace rainbow {
namespace {

std::vector<std::string> form_names(Program& p) {
    std::vector<std::string> names;
    for (Form* f : p.forms()) names.push_back(f->name());
    return names;
}

// Windows exist from their first use on and are listed in the program's order, whichever
// was asked for first; a name the program does not have is an error, not a new window.
TEST(ProgramWindows, CreatedOnFirstUseAndListedInTheProgramsOrder) {
    Program p;
    EXPECT_EQ(form_names(p), (std::vector<std::string>{"arxiki"}));
    EXPECT_FALSE(p.has_window("kafstikh"));
    Window& caustics = p.window("kafstikh");
    EXPECT_EQ(&caustics, &p.window("kafstikh"));
    EXPECT_FALSE(caustics.form().shown);  // created, not opened
    p.window("cut_rays");
    EXPECT_EQ(form_names(p), (std::vector<std::string>{"arxiki", "cut_rays", "kafstikh"}));
    EXPECT_THROW(p.window("arxiki2"), std::out_of_range);
    EXPECT_THROW(p.open_window(""), std::out_of_range);
    EXPECT_EQ(p.forms().size(), 3u);
}

// What the windows ask of the host by name: the ray-crossing window is built once and
// redrawn after, the focus goes to the window named, END closes every window.
TEST(ProgramWindows, WindowsReachEachOtherByName) {
    Program p;
    WindowHost& host = p;
    host.open_window("cut_rays");
    EXPECT_TRUE(p.settings().cut_rays_built);
    Form& crossing = p.window("cut_rays").form();
    EXPECT_TRUE(crossing.shown);
    const std::size_t drawn = crossing.client_surface()->items().size();
    ASSERT_GT(drawn, 0u);
    host.open_window("cut_rays");
    EXPECT_EQ(crossing.client_surface()->items().size(), 2 * drawn);  // drawn over

    host.give_focus("arxiki");
    EXPECT_EQ(p.take_focus_request(), &p.arxiki().form());
    EXPECT_EQ(p.take_focus_request(), nullptr);

    host.open_window("kafstikh");
    host.end();
    EXPECT_TRUE(p.ended());
    for (Form* f : p.forms()) EXPECT_FALSE(f->shown) << f->name();
}

// A handler's SceneChoice and a bare surface are all the main scene needs: it draws the same
// items as the window does, for either beam and material, and returns the central incidence
// the window shares.
TEST(PlainInputs, MainSceneFromTheChoiceAloneDrawsWhatTheWindowDraws) {
    struct Row {
        const char* name;
        bool parallel, glass;
        int rays, reflections;
    };
    const Row rows[] = {
        {"point source, water", false, false, 7, 1},
        {"parallel beam, water", true, false, 5, 2},
        {"point source, glass", false, true, 3, 0},
        {"parallel beam, glass", true, true, 9, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        MainWindow& w = p.arxiki();
        if (row.parallel) w.parallel.click();
        if (row.glass) w.Option2.click();
        w.arithaktinon.set_value(row.rays);
        w.arithanak.set_value(row.reflections);
        const Surface& shown = w.Picture1.surface();

        Surface bare(shown.width_twips(), shown.height_twips());
        const SceneResult result = draw_main_scene(w.choice(), bare);
        ASSERT_GT(shown.items().size(), 20u);
        EXPECT_TRUE(bare.items() == shown.items());
        ASSERT_TRUE(result.central_incidence);
        EXPECT_NEAR(*result.central_incidence * 180 / std::numbers::pi,
                    p.main_scene().central_incidence_deg.value(), 1e-12);
        EXPECT_EQ(p.main_scene().drop.index, row.glass ? 1.5 : 1.343);
    }
}

// The composite rainbow never touches a control: the button chooses the beam, the column
// draws only from k and the surface it is given.
TEST(PlainInputs, CompositeColumnNeedsNoWindow) {
    Surface bare(3000, 3000);
    bare.scale(-135, 135, 135, -135);
    draw_composite_rainbow(2, bare);
    // The scale, 25 drops, and three rays a drop of k + 3 lines each.
    EXPECT_EQ(bare.items().size(), 1u + 25 + 3 * 25 * 5);
    for (const auto& item : bare.items()) {
        const auto* drop = std::get_if<CircleItem>(&item);
        if (drop) {
            EXPECT_EQ(drop->r, 3.5f);
        }
    }
}

}  // namespace
}  // namespace rainbow
