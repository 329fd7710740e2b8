// Controls and printed texts kept clear of each other: the clearing move on its own, then the
// windows that need it, on screens from a small laptop to 4K.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "crossing/cut_rays_values.h"
#include "crossing/cut_rays_window.h"
#include "display_list.h"
#include "forms/clearance.h"
#include "forms/form.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::texts_starting_with;

const Screen screens[] = {
    {1366 * 15, 768 * 15}, {1280 * 15, 800 * 15}, {1920 * 15, 1080 * 15}, {3840 * 15, 2160 * 15}};

std::string name_of(const Screen& s) {
    return std::to_string(int(s.width_twips / 15)) + "x" + std::to_string(int(s.height_twips / 15));
}

TEST(ClearingShift, SmallestMoveRightOrDown) {
    struct Row {
        const char* name;
        std::vector<Geometry> moving, fixed;
        Shift expected;
    };
    const Row rows[] = {
        {"clear already", {{0, 0, 10, 10}}, {{20, 0, 10, 10}}, {}},
        {"touching is clear", {{0, 0, 10, 10}}, {{10, 0, 10, 10}, {0, 10, 10, 10}}, {}},
        {"shallow overlap below: down", {{0, 0, 100, 10}}, {{0, 8, 100, 50}}, {0, 58}},
        {"narrow box beside: right", {{0, 0, 100, 100}}, {{90, 0, 5, 200}}, {95, 0}},
        {"equal moves: down", {{0, 0, 10, 10}}, {{5, 5, 10, 10}}, {0, 15}},
        // Past the first box the moving one would land on the second: it goes past both.
        {"chain to the right", {{0, 0, 10, 30}}, {{5, 0, 10, 50}, {15, 0, 10, 100}}, {25, 0}},
        // A group moves as one: its second box decides how far.
        {"group", {{0, 0, 10, 10}, {10, 0, 10, 10}}, {{12, 5, 4, 40}}, {16, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Shift s = clearing_shift(row.moving, row.fixed);
        EXPECT_EQ(s.right, row.expected.right);
        EXPECT_EQ(s.down, row.expected.down);
        for (const Geometry& m : row.moving) {
            for (const Geometry& f : row.fixed) {
                EXPECT_FALSE(overlap({m.left + s.right, m.top + s.down, m.width, m.height}, f));
            }
        }
    }
}

// After "Belqor" shows the ray selector, no control of the main window lies over another.
TEST(MainWindowLayout, AfterBelqorNoControlLiesOverAnother) {
    for (const Screen& screen : screens) {
        SCOPED_TRACE(name_of(screen));
        Program program(screen);
        MainWindow& w = program.arxiki();
        w.Command1.click();
        ASSERT_TRUE(w.HScroll1.visible && w.Label3.visible);
        const std::vector<Geometry> boxes = control_boxes(w.form(), {});
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                EXPECT_FALSE(overlap(boxes[i], boxes[j])) << i << " over " << j;
            }
        }
        // The selector keeps its label beside it.
        EXPECT_EQ(w.Label3.left(), w.HScroll1.geometry().right());
        EXPECT_EQ(w.Label3.top(), w.HScroll1.top());
    }
}

// The rainbow angle of the ray-crossing window lies clear of every control: moved where a
// control covers its place, left where nothing does.
TEST(CrossingLayout, RainbowAngleIsPrintedClearOfEveryControl) {
    for (const Screen& screen : screens) {
        SCOPED_TRACE(name_of(screen));
        Program program(screen);
        program.arxiki().Command5.click();
        CutRaysWindow& w = program.cut_rays();
        const CutRaysValues& v = w.values();
        const auto texts = texts_starting_with(w.client(), rainbow_angle_caption);
        ASSERT_EQ(texts.size(), 1u);
        const Geometry at = w.form().to_twips({texts[0].x, texts[0].y, 0, 0});
        // The place is kept in single precision: a box that touches may seem to overlap.
        const double rounding = 0.01;
        const Geometry box = printed_text_box(at.left + rounding, at.top + rounding, texts[0].text);
        for (const Geometry& control : control_boxes(w.form(), {})) {
            EXPECT_FALSE(overlap(box, control));
        }
        // "SHOW WAVES" covers the text's first place on every screen but the 4K one, and the
        // smaller move is always down.
        EXPECT_EQ(v.angle_text_down > 1e-9, screen.height_twips < 2000 * 15);
        EXPECT_NEAR(v.angle_text_right, 0, 1e-9);
    }
}

}  // namespace
}  // namespace rainbow
