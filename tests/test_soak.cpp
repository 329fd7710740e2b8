#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/program.h"
#include "app/step.h"
#include "forms/form.h"
#include "soak/soak.h"
#include "soak/soak_checks.h"

namespace rainbow {
namespace {

Step click(const char* form, const char* control) {
    return Step{Step::Action::click, form, control, 0};
}

TEST(Soak, DrivesEveryKindOfEventWithoutFaults) {
    int exported = 0;
    SoakOptions options;
    options.events = 1000;
    options.seed = 7;
    options.export_pictures = [&](Program&) { ++exported; };
    const SoakReport report = run_soak(options);
    EXPECT_EQ(report.events, 1000);
    for (const auto& fault : report.faults) ADD_FAILURE() << fault.event << ": " << fault.what;
    EXPECT_GT(report.lessons_replayed, 0);
    EXPECT_GT(report.jobs_run, 0);  // the theory window's pictures were checked complete
    EXPECT_GT(exported, 0);
    EXPECT_GT(report.most_picture_items, 0u);
}

TEST(SoakChecks, FindALabelThatDisagreesWithItsControl) {
    const struct {
        const char* name;
        std::vector<Step> open;
        const char* form;
        const char* label;
    } rows[] = {
        {"rays", {}, "arxiki", "Label4"},
        {"reflections", {}, "arxiki", "Label2"},
        {"angle", {}, "arxiki", "Label1"},
        {"drop height", {}, "arxiki", "Label5"},
        {"ray selector", {click("arxiki", "Command1")}, "arxiki", "Label3"},
        {"index", {click("arxiki", "Command5")}, "cut_rays", "Label3"},
        {"radius", {click("arxiki", "Command6")}, "kafstikh", "Label1"},
        {"wavelength", {click("arxiki", "Command6")}, "kafstikh", "Label2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Program program;
        for (const Step& step : row.open) take_step(program, step);
        EXPECT_TRUE(label_disagreements(program).empty());
        program.find_form(row.form)->find(row.label)->caption += "1";
        const auto problems = label_disagreements(program);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_NE(problems[0].find(row.label), std::string::npos) << problems[0];
    }
}

TEST(SoakChecks, FindAnAbsurdCoordinateDrawnAfterTheItemsAlreadyRead) {
    Program program;
    Surface& picture =
        static_cast<PictureBox&>(*program.find_form("arxiki")->find("Picture1")).surface();
    DisplayListCheck check;
    EXPECT_TRUE(check.check(program).empty());
    picture.line(0, 0, 3e9f, 0);
    EXPECT_EQ(check.check(program).size(), 1u);
    EXPECT_TRUE(check.check(program).empty());  // read once
    // Cleared and drawn again: the new list is read from its start.
    picture.cls();
    picture.scale(-1, 1, 1, -1);
    picture.circle(0, 0, 1e5f);
    picture.line(0, 0, 1, 1);
    const auto problems = check.check(program);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("Picture1 item 1"), std::string::npos) << problems[0];
}

}  // namespace
}  // namespace rainbow
