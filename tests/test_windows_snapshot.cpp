// A step whose handler throws: the step stays out of the program's steps, and a snapshot
// taken before it puts the windows back as they were, without running any handler.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/step.h"
#include "app/windows_snapshot.h"
#include "forms/form.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

const Step broken{Step::Action::click, "arxiki", "Command2", 0};

TEST(FailedStep, IsNotRecordedAndItsErrorPassesOn) {
    Program p;
    take_step(p, {Step::Action::set, "arxiki", "goniatheta", 20});
    p.arxiki().Command2.on_click = [] { throw std::runtime_error("made to fail"); };
    EXPECT_THROW(take_step(p, broken), std::runtime_error);
    ASSERT_EQ(p.steps().size(), 1u);
    EXPECT_EQ(p.steps()[0].control, "goniatheta");
    // A step refused before anything changed is not recorded either.
    EXPECT_THROW(take_step(p, {Step::Action::set, "arxiki", "goniatheta", 500}), BadStep);
    EXPECT_EQ(p.steps().size(), 1u);
}

TEST(WindowsSnapshot, PutsControlsPicturesAndWindowsBackWithoutRunningHandlers) {
    Program p;
    MainWindow& w = p.arxiki();
    take_step(p, {Step::Action::click, "arxiki", "parallel", 0});
    const std::vector<Item> picture = w.Picture1.surface().items();
    const std::string label1 = w.Label1.caption;
    const WindowsSnapshot before(p);

    // Halfway through, the handler has changed a bit of everything and opened a window.
    w.Command2.on_click = [&] {
        w.arithaktinon.set_value(40);
        w.pointsource.click();
        w.Option2.click();
        w.Label1.caption = "half done";
        w.HScroll1.visible = true;
        w.Picture1.surface().line(0, 0, 1, 1);
        p.open_window("cut_rays");
        throw std::runtime_error("made to fail");
    };
    EXPECT_THROW(take_step(p, broken), std::runtime_error);
    ASSERT_TRUE(p.has_cut_rays());

    int handlers_run = 0;
    w.arithaktinon.on_change = [&] { ++handlers_run; };
    w.parallel.on_click = [&] { ++handlers_run; };
    w.Option1.on_click = [&] { ++handlers_run; };
    const auto generation = w.Picture1.surface().generation();
    before.restore(p);

    EXPECT_EQ(handlers_run, 0);
    EXPECT_EQ(w.arithaktinon.value(), 1);
    EXPECT_TRUE(w.parallel.value());
    EXPECT_FALSE(w.pointsource.value());
    EXPECT_TRUE(w.Option1.value());
    EXPECT_FALSE(w.Option2.value());
    EXPECT_EQ(w.Label1.caption, label1);
    EXPECT_FALSE(w.HScroll1.visible);
    EXPECT_TRUE(w.Picture1.surface().items() == picture);
    EXPECT_GT(w.Picture1.surface().generation(), generation);
    EXPECT_FALSE(p.find_form("cut_rays")->shown);  // the window the step opened is put away
    EXPECT_TRUE(w.form().shown);
}

}  // namespace
}  // namespace rainbow
