#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"

namespace rainbow {
namespace {

using Action = Step::Action;

std::string state_of(Program& program) {
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

Step set(std::string form, std::string control, int value) {
    return Step{Action::set, std::move(form), std::move(control), value};
}
Step click(std::string form, std::string control) {
    return Step{Action::click, std::move(form), std::move(control), 0};
}

// A walk through all three windows: options, scroll bars at their ends, buttons that open
// windows, a menu item and the construction's ray selector.
const std::vector<Step> walk = {
    click("arxiki", "parallel"),           set("arxiki", "arithaktinon", 40),
    set("arxiki", "goniatheta", -90),      set("arxiki", "arithanak", 2),
    set("arxiki", "Option2", 1),           click("arxiki", "Command1"),
    set("arxiki", "HScroll1", 3),          click("arxiki", "Command4"),
    click("arxiki", "Command5"),           click("cut_rays", "SOURCEONAXIS"),
    set("cut_rays", "position_of_ray", 1), click("arxiki", "Command6"),
    click("kafstikh", "Command2"),         set("kafstikh", "timhv", 70),
    {Action::close, "cut_rays", "", 0},
};

TEST(Steps, AreRecordedAsTakenButNotTheChangesTheirHandlersMake) {
    Program program;
    // The composite rainbow chooses the parallel beam itself: that is not a user's step.
    take_step(program, click("arxiki", "Command4"));
    take_step(program, set("arxiki", "goniatheta", 20));
    EXPECT_EQ(program.steps(),
              (std::vector<Step>{click("arxiki", "Command4"), set("arxiki", "goniatheta", 20)}));
}

TEST(Steps, ThatCannotBeTakenChangeNothingAndAreNotRecorded) {
    const struct {
        const char* name;
        std::vector<Step> before;
        Step step;
        const char* named;
    } rows[] = {
        {"unknown form", {}, click("nowhere", "x"), "nowhere"},
        {"window not open yet", {}, click("cut_rays", "Command1"), "cut_rays"},
        {"window put away",
         {click("arxiki", "Command5"), {Action::close, "cut_rays", "", 0}},
         set("cut_rays", "position_of_ray", 1),
         "not open"},
        {"unknown control", {}, click("arxiki", "Command9"), "Command9"},
        {"hidden control", {}, set("arxiki", "HScroll1", 2), "hidden"},
        {"value out of range", {}, set("arxiki", "goniatheta", 91), "-90 to 90"},
        {"label clicked", {}, click("arxiki", "Label1"), "cannot be clicked"},
        {"button set", {}, set("arxiki", "Command1", 1), "cannot be set"},
        {"option given 2", {}, set("arxiki", "parallel", 2), "not 2"},
        {"after END",
         {click("arxiki", "Command6"), click("kafstikh", "Command3")},
         click("arxiki", "Command1"),
         "ended"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Program program;
        for (const Step& s : row.before) take_step(program, s);
        const std::string before = state_of(program);
        try {
            take_step(program, row.step);
            ADD_FAILURE() << "the step was taken";
        } catch (const BadStep& e) {
            EXPECT_NE(std::string(e.what()).find(row.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(state_of(program), before);
        EXPECT_EQ(program.steps().size(), row.before.size());
    }
}

TEST(Lessons, ReplayedOnAFreshStartGiveTheSameStateThroughTheirText) {
    Program original(Screen{1366 * twips_per_pixel, 768 * twips_per_pixel});
    for (const Step& s : walk) take_step(original, s);

    const Lesson read = parse_lesson(lesson_json(lesson_of(original)));
    EXPECT_EQ(read.steps, walk);
    EXPECT_EQ(read.screen.width_twips, original.screen().width_twips);
    check_lesson(read);
    Program replayed(read.screen);
    replay(replayed, read);
    EXPECT_EQ(state_of(replayed), state_of(original));
    EXPECT_EQ(replayed.steps(), original.steps());
}

TEST(Lessons, BadFilesAreRefusedWithOneLineSayingWhy) {
    const std::string head = R"({"version": 1, "screen": {"width": 1920, "height": 1080}, )";
    const struct {
        const char* name;
        std::string text;
        const char* named;
    } rows[] = {
        {"not JSON", "this is not a lesson", "not JSON"},
        {"cut short", head + R"("steps": [)", "not JSON"},
        {"JSON but no object", "[1, 2]", "not a lesson"},
        {"no steps", R"({"version": 1, "screen": {"width": 800, "height": 600}})", "\"steps\""},
        {"newer version", R"({"version": 2, "screen": {}, "steps": []})", "version 2"},
        {"screen too small", R"({"version": 1, "screen": {"width": 1, "height": 600},
          "steps": []})",
         "width"},
        {"unknown field", head + R"("steps": [], "colour": 1})", "colour"},
        {"unknown action", head + R"("steps": [{"action": "drag", "form": "arxiki",
          "control": "goniatheta"}]})",
         "drag"},
        {"value not whole", head + R"("steps": [{"action": "set", "form": "arxiki",
          "control": "goniatheta", "value": 1.5}]})",
         "whole number"},
        {"value beyond int", head + R"("steps": [{"action": "set", "form": "arxiki",
          "control": "goniatheta", "value": 99999999999}]})",
         "out of range"},
        {"not UTF-8", head + "\"steps\": [], \"x\": \"\xCE\"}", "UTF-8"},
        {"overlong UTF-8", head + "\"steps\": [\"\xC0\xAF\"]}", "UTF-8"},
        {"UTF-16 surrogate", head + "\"steps\": [\"\xED\xA0\x80\"]}", "UTF-8"},
        {"too large", head + R"("steps": [)" + std::string(largest_lesson_bytes, ' ') + "]}",
         "too large"},
        {"nested without end", std::string(largest_lesson_bytes - 1, '['), "not JSON"},
        {"a value beyond a double", head + R"("steps": [{"action": "set", "form": "arxiki",
          "control": "goniatheta", "value": 1e400}]})",
         "overflow"},
        {"a version beyond a double", R"({"version": 1e400, "screen": {}, "steps": []})",
         "overflow"},
        {"text after a NUL byte", head + R"("steps": []})" + std::string(1, '\0') + "garbage",
         "NUL"},
        {"a key given twice", head + R"("steps": [{"action": "click", "form": "arxiki",
          "control": "Command1"}], "steps": []})",
         "'steps' is given twice"},
        {"a key given twice in a step", head + R"("steps": [{"action": "click", "form": "arxiki",
          "form": "cut_rays", "control": "Command1"}]})",
         "'form' is given twice"},
        {"a screen beyond the limit of every picture",
         R"({"version": 1, "screen": {"width": 20000, "height": 1080}, "steps": []})", "10000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            parse_lesson(row.text);
            ADD_FAILURE() << "the lesson was read";
        } catch (const BadLesson& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(row.named), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

// A name read from a lesson reaches the message with its control characters escaped, and
// nothing after a NUL is lost.
TEST(Lessons, NamesInMessagesAreEscapedOnOneLine) {
    const std::string head =
        R"({"version": 1, "screen": {"width": 1920, "height": 1080}, "steps": [)";
    const struct {
        const char* name;
        std::string step;
        const char* named;
    } rows[] = {
        {"newline in a form", R"({"action": "click", "form": "arx\niki", "control": "X"})",
         "'arx\\niki'"},
        {"CR in a control", R"({"action": "click", "form": "arxiki", "control": "Com\rmand"})",
         "'arxiki.Com\\rmand'"},
        {"ESC in an action", R"({"action": "cl\u001Bick", "form": "arxiki", "control": "X"})",
         "'cl\\x1Bick'"},
        {"NEL in a field's name", R"({"action": "close", "form": "arxiki", "a\u0085b": 1})",
         "'a\\u0085b'"},
        {"NUL in a form", R"({"action": "click", "form": "arxiki\u0000tail", "control": "X"})",
         "'arxiki\\x00tail'"},
        {"Greek stays readable", R"({"action": "click", "form": "αρχική", "control": "X"})",
         "'αρχική'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            check_lesson(parse_lesson(head + row.step + "]}"));
            ADD_FAILURE() << "the lesson was accepted";
        } catch (const BadLesson& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(row.named), std::string::npos) << message;
            for (const char c : message) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20);
        }
    }
}

// A burst of the theory window's settings costs the computation asked for first and the last
// one, and leaves the state that taking each setting to its end leaves.
TEST(Lessons, ABurstOfSettingsRunsTheFirstAndTheLastComputationOnly) {
    std::vector<Step> steps = {click("arxiki", "Command7")};
    for (int position = 0; position <= 100; position += 10)
        steps.push_back(set("theoria", "radius", position));
    steps.push_back(set("theoria", "wavelength", 500));
    steps.push_back(click("theoria", "unpolarised"));

    DeferredWork work;
    Program coalesced;
    coalesced.set_background_work_factory([&work] { return work.runner(); });
    // Opening asks for the curves and the band at once; each is asked for again at the end.
    EXPECT_EQ(take_steps_coalesced(coalesced, steps, work), 4u);

    Program each_to_its_end;  // every computation runs at once
    for (const Step& step : steps) take_step(each_to_its_end, step);
    EXPECT_EQ(state_of(coalesced), state_of(each_to_its_end));
}

TEST(Lessons, WhoseStepsCannotBeTakenNameTheFirstSuchStep) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        const char* named;
    } rows[] = {
        {"unknown form",
         {click("arxiki", "parallel"), click("nowhere", "x")},
         "step 2: unknown form"},
        {"unknown control", {click("arxiki", "Command9")}, "step 1: unknown control"},
        {"value outside the range", {set("arxiki", "arithanak", 3)}, "step 1: arxiki.arithanak"},
        {"a window not open", {click("kafstikh", "Command1")}, "step 1: unknown form"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Lesson lesson = parse_lesson(lesson_json(Lesson{Screen{}, row.steps}));
        try {
            check_lesson(lesson);
            ADD_FAILURE() << "the lesson was accepted";
        } catch (const BadLesson& e) {
            EXPECT_EQ(std::string(e.what()).rfind(row.named, 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace rainbow
