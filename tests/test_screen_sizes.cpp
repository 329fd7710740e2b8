// The program on screens of every size it accepts: very wide, very tall and very small.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/program.h"
#include "crossing/cut_rays_window.h"
#include "display_list.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::texts_starting_with;

struct ScreenRow {
    int width, height;  // pixels
};

Screen screen_of(ScreenRow row) {
    return Screen{row.width * twips_per_pixel, row.height * twips_per_pixel};
}

// The extremes of 100 to 10000 pixels each way and a few screens between them.
constexpr ScreenRow screens[] = {{100, 100},   {10000, 10000}, {10000, 100}, {100, 10000},
                                 {5120, 480},  {480, 5120},    {1000, 100},  {3000, 150},
                                 {1920, 1080}, {1024, 768},    {101, 137}};

TEST(ScreenSizes, EveryWindowOpensWithItsScrollBarsInRange) {
    for (const ScreenRow row : screens) {
        SCOPED_TRACE(::testing::Message() << row.width << "x" << row.height);
        Program program(screen_of(row));
        ASSERT_NO_THROW(program.arxiki().Command5.click());
        ASSERT_NO_THROW(program.cut_rays().Command3.click());  // SHOW WAVES
        ASSERT_EQ(program.forms().size(), 3u);
        for (const Form* form : program.forms()) EXPECT_TRUE(form->shown) << form->name();

        // The rays start at heights 6 and 4, or as near as a short window's bars reach.
        CutRaysWindow& w = program.cut_rays();
        const struct {
            const ScrollBar& bar;
            int start;
        } bars[] = {{w.position_of_ray, 60}, {w.defteri_aktina, 40}};
        for (const auto& [bar, start] : bars) {
            SCOPED_TRACE(bar.name());
            EXPECT_TRUE(bar.accepts(bar.value()));
            EXPECT_EQ(bar.value(), std::min(start, std::max(bar.min(), bar.max())));
        }
        EXPECT_EQ(texts_starting_with(w.client(), "Belqor angle = 59.58").size(), 1u);
    }
}

// The special ray from a source on the axis, with t = 0 (index 1.00 or less, or exactly 2.00),
// runs along the axis: its chord is flat and nothing about a crossing may be printed.
TEST(ScreenSizes, AxialSpecialRayPrintsNoCrossing) {
    for (const ScreenRow row : screens) {
        for (int index : {50, 100, 200}) {
            SCOPED_TRACE(::testing::Message()
                         << row.width << "x" << row.height << " index " << index);
            Program program(screen_of(row));
            program.arxiki().Command5.click();
            CutRaysWindow& w = program.cut_rays();
            w.SOURCEONAXIS.click();
            w.allagideikth.set_value(index);
            w.SPECIAL_RAY.click();
            EXPECT_TRUE(texts_starting_with(w.client(), "x cut").empty());
            EXPECT_TRUE(texts_starting_with(w.client(), "NO CUT").empty());
            EXPECT_TRUE(texts_starting_with(w.client(), "x 1st ray").empty());
        }
    }
}

}  // namespace
}  // namespace rainbow
