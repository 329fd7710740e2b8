#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/compact_lesson.h"
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

// A guided lesson keeps its scenes, titles and notes through its text; a lesson of version 1
// is one scene without a title, written as it was.
TEST(Lessons, ScenesKeepTheirStepsTitlesAndNotesThroughTheirText) {
    Lesson guided{Screen{1366 * twips_per_pixel, 768 * twips_per_pixel}, walk, {}, {}};
    guided.title.by_language = {{"en", "The rainbow"}, {"el", "Το ουράνιο τόξο"}};
    guided.scenes = {
        Scene{LessonText{"A point source", {}}, LessonText{}, 0},
        Scene{LessonText{{}, {{"en", "Parallel"}, {"el", "Παράλληλη δέσμη"}}},
              LessonText{"Rays fold at the rainbow ray.\nLook at the caustic.", {}}, 4},
        Scene{LessonText{"The rest", {}}, LessonText{{}, {{"el", "Σημείωση"}}}, walk.size()},
    };
    const std::string text = lesson_json(guided);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    const Lesson read = parse_lesson(text);
    EXPECT_EQ(read.steps, walk);
    EXPECT_EQ(read.scenes, guided.scenes);
    EXPECT_EQ(read.title, guided.title);
    ASSERT_EQ(scene_count(read), 3u);
    EXPECT_EQ(scene_start(read, 1), 0u);
    EXPECT_EQ(scene_end(read, 1), 4u);
    EXPECT_EQ(scene_start(read, 2), 4u);
    check_lesson(read);

    const struct {
        const char* language;
        const char* title;
        const char* note;
    } rows[] = {
        {"el", "Παράλληλη δέσμη", "Σημείωση"},
        {"el_GR", "Παράλληλη δέσμη", "Σημείωση"},
        {"en", "Parallel", "Σημείωση"},  // no English note: the one given
        {"fr", "Parallel", "Σημείωση"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        EXPECT_EQ(read.scenes[1].title.in(row.language), row.title);
        EXPECT_EQ(read.scenes[2].note.in(row.language), row.note);
        EXPECT_EQ(read.scenes[0].title.in(row.language), "A point source");
    }

    const Lesson plain{Screen{}, walk, {}, {}};
    const std::string v1 = lesson_json(plain);
    EXPECT_NE(v1.find("\"version\": 1"), std::string::npos);
    const Lesson one = parse_lesson(v1);
    EXPECT_EQ(scene_count(one), 1u);
    EXPECT_EQ(scene_start(one, 0), 0u);
    EXPECT_EQ(scene_end(one, 0), walk.size());
}

TEST(Lessons, BadFilesAreRefusedWithOneLineSayingWhy) {
    const std::string head = R"({"version": 1, "screen": {"width": 1920, "height": 1080}, )";
    const std::string head2 = R"({"version": 2, "screen": {"width": 1920, "height": 1080}, )";
    std::string many_scenes = R"({"title": "a", "steps": []})";
    for (std::size_t k = 0; k < most_scenes; ++k) many_scenes += R"(, {"title": "a", "steps": []})";
    const struct {
        const char* name;
        std::string text;
        const char* named;
    } rows[] = {
        {"not JSON", "this is not a lesson", "not JSON"},
        {"cut short", head + R"("steps": [)", "not JSON"},
        {"JSON but no object", "[1, 2]", "not a lesson"},
        {"no steps", R"({"version": 1, "screen": {"width": 800, "height": 600}})", "\"steps\""},
        {"newer version", R"({"version": 3, "screen": {}, "steps": []})", "version 3"},
        {"version 1 with scenes", head + R"("steps": [], "scenes": []})", "scenes"},
        {"version 2 with bare steps", head2 + R"("steps": []})", "steps"},
        {"no scenes", head2 + R"("scenes": []})", "one or more"},
        {"a scene without a title", head2 + R"("scenes": [{"steps": []}]})", "\"title\""},
        {"a scene with an unknown field",
         head2 + R"("scenes": [{"title": "a", "steps": [], "picture": 1}]})", "picture"},
        {"a title that is a number", head2 + R"("scenes": [{"title": 1, "steps": []}]})",
         "scene 1's title"},
        {"a title on two lines", head2 + R"("scenes": [{"title": "a\nb", "steps": []}]})",
         "control character"},
        {"an escape in a note", head2 + R"("scenes": [{"title": "a", "note": "\u001b[2J",
          "steps": []}]})",
         "\\x1B"},
        {"a title too long",
         head2 + R"("scenes": [{"title": ")" + std::string(largest_title_bytes + 1, 'a') +
             R"(", "steps": []}]})",
         "longer than 200"},
        {"a note too long in Greek",
         head2 + R"("scenes": [{"title": "a", "note": {"el": ")" +
             std::string(largest_note_bytes + 1, 'a') + R"("}, "steps": []}]})",
         "scene 1's note in el"},
        {"not a language", head2 + R"("scenes": [{"title": {"e": "a"}, "steps": []}]})",
         "not a language tag"},
        {"no language", head2 + R"("scenes": [{"title": {}, "steps": []}]})", "by language"},
        {"a language given twice", head2 + R"("scenes": [{"title": {"el": "a", "el": "b"},
          "steps": []}]})",
         "'el' is given twice"},
        {"a bad step in the second scene", head2 + R"("scenes": [{"title": "a", "steps": [
          {"action": "click", "form": "arxiki", "control": "parallel"}]},
          {"title": "b", "steps": [{"action": "drag", "form": "arxiki", "control": "x"}]}]})",
         "step 2: unknown action"},
        {"too many scenes", head2 + R"("scenes": [)" + many_scenes + "]}", "more than 100"},
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
        {"rows below 0", head + R"("steps": [{"action": "click", "form": "theoria",
          "control": "lee_cancel", "rows": -1}]})",
         "below 0"},
        {"rows not whole", head + R"("steps": [{"action": "click", "form": "theoria",
          "control": "lee_cancel", "rows": "all"}]})",
         "whole number"},
        {"rows on a setting", head + R"("steps": [{"action": "set", "form": "arxiki",
          "control": "goniatheta", "value": 1, "rows": 2}]})",
         "rows"},
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
        {"rows on a click that stops nothing",
         {click("arxiki", "Command7"), Step{Action::click, "theoria", "lee_start", 0, 3}},
         "step 2: click theoria.lee_start=3: the control stops no long work"},
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

namespace rainbow {
namespace {

// Random drags of the main window's scroll bars, each through 20 to 100 values (two to ten
// seconds of a hand on the bar), with a click of `clicks` now and then between them.
std::vector<Step> random_drags(std::size_t events, unsigned seed,
                               const std::vector<Step>& clicks = {}) {
    const struct {
        const char* control;
        int low, high;
    } bars[] = {{"goniatheta", -90, 90},
                {"arithaktinon", 1, 80},
                {"Ycthesi", -80, 80},
                {"psipigi", -50, 50},
                {"arithanak", 0, 2}};
    std::mt19937 random(seed);
    std::vector<Step> steps;
    while (steps.size() < events) {
        if (!clicks.empty() && random() % 4 == 0) {
            steps.push_back(clicks[random() % clicks.size()]);
            continue;
        }
        const auto& bar = bars[random() % std::size(bars)];
        const std::size_t length = 20 + random() % 81;
        for (std::size_t i = 0; i < length && steps.size() < events; ++i) {
            const int value = bar.low + int(random() % unsigned(bar.high - bar.low + 1));
            steps.push_back(set("arxiki", bar.control, value));
        }
    }
    return steps;
}

// The last session keeps a lesson of an hour's class small: ten scroll bar moves a second for
// an hour, with scenes, stay under 100 kB.
TEST(CompactedLessons, AnHourOfScrollBarMovesStaysSmall) {
    Lesson hour{Screen{}, random_drags(36000, 7)};
    hour.scenes = {Scene{LessonText{"first", {}}, LessonText{}, 18000},
                   Scene{LessonText{"second", {}}, LessonText{}, 36000}};
    const Lesson small = compacted(hour);
    EXPECT_LT(lesson_json(small).size(), 100u * 1024);
    ASSERT_EQ(small.scenes.size(), 2u);
    EXPECT_LT(small.scenes[0].end, small.steps.size());
    EXPECT_EQ(small.scenes[1].end, small.steps.size());
}

// Cut to the last setting of each drag, a lesson replays to the same windows; a setting of
// another bar between two of one bar is kept, with both.
TEST(CompactedLessons, ReplayToTheSameState) {
    const std::vector<Step> clicks = {click("arxiki", "parallel"), click("arxiki", "pointsource"),
                                      click("arxiki", "Command1"), click("arxiki", "Command4"),
                                      set("arxiki", "Option2", 1), set("arxiki", "Option1", 1)};
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const Lesson lesson{Screen{}, random_drags(1500, seed, clicks)};
        const Lesson small = compacted(lesson);
        EXPECT_LT(small.steps.size(), lesson.steps.size() / 10);
        Program original(Screen{});
        replay(original, lesson);
        Program replayed(Screen{});
        replay(replayed, small);
        EXPECT_EQ(state_of(replayed), state_of(original));
    }
    const std::vector<Step> interleaved = {
        set("arxiki", "psipigi", 10), set("arxiki", "goniatheta", 5), set("arxiki", "psipigi", 20),
        set("arxiki", "psipigi", 30)};
    const Lesson kept = compacted(Lesson{Screen{}, interleaved});
    EXPECT_EQ(kept.steps, (std::vector<Step>{interleaved[0], interleaved[1], interleaved[3]}));
}

}  // namespace
}  // namespace rainbow
