// The browser edition's session: the same program as the render command, its display lists
// as flat arrays, and the theory window's long computations in short slices.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "app/deferred_work.h"
#include "app/lesson.h"
#include "app/presentation.h"
#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"
#include "display_list.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "json_reader.h"
#include "theory/colour_pictures.h"
#include "theory/theory_window.h"
#include "web/picture_arrays.h"
#include "web/session.h"

namespace rainbow {
namespace {

using testing::items_of;
using testing::Json;
using testing::texts_starting_with;

std::vector<float> numbers(std::initializer_list<float> list) { return list; }

TEST(PictureArrays, EveryKindOfItemIsItsOpCodeThenItsFields) {
    struct Row {
        const char* what;
        void (*draw)(Surface&);
        std::vector<float> nums;
        std::vector<std::string> texts;
        std::size_t images;
    };
    const Row rows[] = {
        {"scale",
         [](Surface& s) { s.scale(-10, 20, 30, -40); },
         numbers({0, -10, 20, 30, -40}),
         {},
         0},
        {"dashed line of width 3",
         [](Surface& s) {
             s.set_pen({Rgb{1, 2, 3}, 3, LineStyle::dashed});
             s.line(1, 2, 3, 4);
         },
         numbers({1, 1, 2, 3, 4, 1, 2, 3, 3, 1}),
         {},
         0},
        {"filled circle",
         [](Surface& s) {
             s.fill_style = 0;
             s.fill_color = Rgb{7, 8, 9};
             s.circle(5, 6, 7, Rgb{255, 0, 0});
         },
         numbers({2, 5, 6, 7, 255, 0, 0, 1, 0, 1, 7, 8, 9, 0, 0, 0, 0}),
         {},
         0},
        {"arc",
         [](Surface& s) {
             s.arc(0, 0, 1, Rgb{0, 0, 255}, 0.5f, 2.0f);
         },
         numbers({2, 0, 0, 1, 0, 0, 255, 1, 0, 0, 0, 0, 0, 1, 0.5f, 1, 2.0f}),
         {},
         0},
        {"point",
         [](Surface& s) {
             s.pset(3, 4, Rgb{9, 9, 9});
         },
         numbers({3, 3, 4, 9, 9, 9, 1}),
         {},
         0},
        {"texts, the second on a backing",
         [](Surface& s) {
             s.current_x = 10;
             s.current_y = 20;
             s.print("α");
             s.current_x = 30;
             s.current_y = 40;
             s.print("β");
             s.raise_texts(1, Rgb{255, 255, 0});
         },
         numbers({4, 10, 20, 0, 0, 0, 0, 0, 0, 0, 0, 4, 30, 40, 0, 0, 0, 1, 1, 255, 255, 0}),
         {"α", "β"},
         0},
        {"image",
         [](Surface& s) {
             s.image(0, 1, 2, 3, 2, 1, {1, 2, 3, 4, 5, 6});
         },
         numbers({5, 0, 1, 2, 3, 2, 1, 0}),
         {},
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Surface surface(1500, 1500);
        row.draw(surface);
        const PictureArrays arrays = picture_arrays(surface);
        EXPECT_EQ(arrays.nums, row.nums);
        EXPECT_EQ(arrays.texts, row.texts);
        ASSERT_EQ(arrays.images.size(), row.images);
        if (row.images > 0) {
            EXPECT_EQ(arrays.images[0].rgb, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
        }
        EXPECT_EQ(arrays.width_twips, 1500);
    }
}

// Walks the arrays item by item: every op code known, every text and image index in range.
std::size_t items_walked(const PictureArrays& arrays) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < arrays.nums.size(); ++count) {
        const float op = arrays.nums[at];
        const std::size_t length = item_length(op);
        EXPECT_GT(length, 0u) << "unknown op " << op << " at " << at;
        if (length == 0 || at + length > arrays.nums.size()) return count;
        if (op == 4) {
            EXPECT_LT(arrays.nums[at + 6], float(arrays.texts.size()));
        } else if (op == 5) {
            EXPECT_LT(arrays.nums[at + 7], float(arrays.images.size()));
        }
        at += length;
    }
    return count;
}

TEST(PictureArrays, AListClearedUnderAUserScaleStartsWithThatScale) {
    Surface surface(3000, 3000);
    surface.scale(-1, 1, 1, -1);
    surface.cls();
    surface.line(0, 0, 1, 1);
    const PictureArrays arrays = picture_arrays(surface);
    ASSERT_EQ(items_walked(arrays), 2u);
    EXPECT_EQ(std::vector<float>(arrays.nums.begin(), arrays.nums.begin() + 5),
              numbers({0, -1, 1, 1, -1}));
}

// A program taking the steps as the render command does, for comparison.
std::string render_command_state(const std::vector<Step>& steps, Screen screen = {}) {
    DeferredWork work;
    Program program(screen);
    program.set_background_work_factory([&work] { return work.runner(); });
    take_steps_coalesced(program, steps, work);
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

void finish_work(Session& session) {
    for (int slice = 0; session.busy() && slice < 100000; ++slice) session.work(40);
    ASSERT_FALSE(session.busy());
}

TEST(WebSession, GivesTheRenderCommandsStateForTheSameSteps) {
    using A = Step::Action;
    const std::vector<std::vector<Step>> views = {
        {},
        {{A::click, "arxiki", "parallel"},
         {A::set, "arxiki", "arithaktinon", 12},
         {A::set, "arxiki", "arithanak", 2}},
        {{A::click, "arxiki", "Command5"}, {A::click, "cut_rays", "SOURCEONAXIS"}},
        {{A::click, "arxiki", "Command7"}, {A::set, "theoria", "radius", 301}},
    };
    for (const auto& steps : views) {
        SCOPED_TRACE(steps.empty() ? "start" : describe(steps.back()));
        Session session(1920, 1080);
        for (const Step& step : steps) {
            const char* action = step.action == A::set ? "set" : "click";
            EXPECT_EQ(session.step(action, step.form, step.control, step.value), "");
        }
        finish_work(session);
        EXPECT_EQ(session.state_json(), render_command_state(steps));
    }
}

TEST(WebSession, RefusesAStepWithTheRenderCommandsMessageAndChangesNothing) {
    struct Row {
        const char* action;
        const char* form;
        const char* control;
        int value;
    };
    const Row rows[] = {
        {"set", "arxiki", "goniatheta", 100000},  // out of the bar's range
        {"click", "nowhere", "Command1", 0},      {"click", "arxiki", "no_such_control", 0},
        {"set", "arxiki", "Command1", 1},          // a button takes no value
        {"click", "cut_rays", "SOURCEONAXIS", 0},  // a window not open
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.action) + " " + row.form + "." + row.control);
        Session session(1920, 1080);
        const std::string before = session.state_json();
        Program program;
        std::string expected;
        try {
            const Step::Action action =
                std::string(row.action) == "set" ? Step::Action::set : Step::Action::click;
            take_step(program, {action, row.form, row.control, row.value});
        } catch (const BadStep& e) {
            expected = e.what();
        }
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(session.step(row.action, row.form, row.control, row.value), expected);
        EXPECT_EQ(session.state_json(), before);
        EXPECT_EQ(session.lesson_json(), Session(1920, 1080).lesson_json());
    }
    Session session(1920, 1080);
    EXPECT_EQ(session.step("jump", "arxiki", "Command1", 0),
              "unknown action 'jump' (set, click or close)");
    EXPECT_EQ(session.step("close", "arxiki", "", 0), "");
    EXPECT_TRUE(session.ended());
    EXPECT_NE(session.step("click", "arxiki", "Command1", 0), "");
    session.restart();
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(session.state_json(), render_command_state({}));
}

TEST(WebSession, ReportsEachChangedPictureOnce) {
    Session session(1920, 1080);
    const std::vector<std::string> first = session.changed_pictures();
    EXPECT_NE(std::find(first.begin(), first.end(), "arxiki.Picture1"), first.end());
    EXPECT_TRUE(session.changed_pictures().empty());
    EXPECT_EQ(session.step("set", "arxiki", "goniatheta", 30), "");
    const std::vector<std::string> moved = session.changed_pictures();
    EXPECT_NE(std::find(moved.begin(), moved.end(), "arxiki.Picture1"), moved.end());
    EXPECT_TRUE(session.changed_pictures().empty());
    EXPECT_EQ(session.step("click", "arxiki", "Command6", 0), "");  // opens the caustics
    const std::vector<std::string> opened = session.changed_pictures();
    EXPECT_TRUE(std::any_of(opened.begin(), opened.end(),
                            [](const std::string& name) { return name.starts_with("kafstikh."); }));
    session.restart();
    EXPECT_EQ(session.changed_pictures(), first);
}

TEST(WebSession, PictureArraysHoldEveryItemOfTheDisplayList) {
    Session session(1920, 1080);
    EXPECT_EQ(session.step("click", "arxiki", "Command1", 0), "");
    Program program;
    take_step(program, {Step::Action::click, "arxiki", "Command1"});
    const Surface& surface =
        static_cast<PictureBox&>(*program.find_form("arxiki")->find("Picture1")).surface();
    const PictureArrays arrays = session.picture("arxiki", "Picture1");
    EXPECT_EQ(items_walked(arrays), surface.items().size() + (surface.leading_scale() ? 1 : 0));
    EXPECT_EQ(arrays.texts.size(), items_of<TextItem>(surface).size());
    EXPECT_TRUE(session.picture("arxiki", "nothing").nums.empty());
    EXPECT_TRUE(session.picture("nowhere", "client").nums.empty());
}

TEST(WebSession, FormsCarryPlacesValuesAndTranslatedDescriptions) {
    Program program;
    Form& arxiki = *program.find_form("arxiki");
    const auto& bar = static_cast<const ScrollBar&>(*arxiki.find("goniatheta"));
    ASSERT_FALSE(bar.description.tooltip.empty());
    const Json table = {
        {"arxiki", {{bar.description.tooltip, "Η γωνία"}, {bar.description.role, "ρόλος"}}}};
    Session session(1920, 1080, table.dump());
    const auto forms = nlohmann::ordered_json::parse(session.forms_json())["forms"];
    const auto& form = forms["arxiki"];
    EXPECT_EQ(form["caption"], arxiki.caption);
    EXPECT_EQ(form["width"], arxiki.client_width_twips());
    // The controls in the model's order, each placed in twips of the client area.
    std::vector<std::string> names;
    for (const auto& [name, control] : form["controls"].items()) names.push_back(name);
    ASSERT_EQ(names.size(), arxiki.controls().size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const Control& c = *arxiki.controls()[i];
        EXPECT_EQ(names[i], c.name());
        const auto& json = form["controls"][names[i]];
        const Geometry twips = arxiki.placed_twips(c);
        EXPECT_DOUBLE_EQ(json["left"].get<double>(), twips.left);
        EXPECT_DOUBLE_EQ(json["height"].get<double>(), twips.height);
        EXPECT_EQ(json["accessible_name"],
                  c.caption.empty() ? json["role"].get<std::string>() : c.caption);
    }
    const auto& goniatheta = form["controls"]["goniatheta"];
    EXPECT_EQ(goniatheta["value"], bar.value());
    EXPECT_EQ(goniatheta["min"], bar.min());
    EXPECT_EQ(goniatheta["max"], bar.max());
    EXPECT_EQ(goniatheta["large"], bar.large_change);
    EXPECT_EQ(goniatheta["tooltip"], "Η γωνία");
    EXPECT_EQ(goniatheta["role"], "ρόλος");
    EXPECT_EQ(goniatheta["accessible_name"], "ρόλος");
    EXPECT_EQ(form["pictures"].front(), "Picture1");
}

TEST(WebSession, TranslationsMustBeATableOfTables) {
    for (const char* bad : {"[1]", "{\"arxiki\": 5}", "{\"arxiki\": {\"a\": \"b\"", "nonsense"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(translate_from_json(bad), std::invalid_argument);
    }
    const Translate translate =
        translate_from_json(R"({"arxiki": {"Angle": "Γωνία", "Empty": ""}})");
    EXPECT_EQ(translate("arxiki", "Angle"), "Γωνία");
    EXPECT_EQ(translate("arxiki", "Empty"), "Empty");  // not translated yet: the English
    EXPECT_EQ(translate("kafstikh", "Angle"), "Angle");
    EXPECT_FALSE(translate_from_json(""));
}

TEST(WebSession, OpensItsOwnLessonsAndRefusesBrokenOnesUnchanged) {
    Session session(1920, 1080);
    EXPECT_EQ(session.step("click", "arxiki", "parallel", 0), "");
    EXPECT_EQ(session.step("set", "arxiki", "goniatheta", 25), "");
    const std::string lesson = session.lesson_json();
    const std::string state = session.state_json();

    Session other(1920, 1080);
    EXPECT_EQ(other.open_lesson(lesson), "");
    EXPECT_EQ(other.state_json(), state);
    EXPECT_EQ(other.lesson_json(), lesson);

    const std::string bad_step =
        R"({"version": 1, "screen": {"width": 1920, "height": 1080}, "steps": [)"
        R"({"action": "click", "form": "arxiki", "control": "nothing"}]})";
    for (const std::string& bad : {std::string("{"), bad_step}) {
        SCOPED_TRACE(bad);
        const std::string message = other.open_lesson(bad);
        EXPECT_NE(message, "");
        EXPECT_EQ(message.find('\n'), std::string::npos);
        EXPECT_EQ(other.state_json(), state);
    }
}

std::string settled_state(Session& session) {
    while (session.busy()) session.work(1000);
    return session.state_json();
}

// A guided lesson presented goes scene by scene as the desktop's presenter takes it: each
// scene ends in the state of its steps replayed afresh, whatever the teacher moved between
// scenes, and the caption is the scene's in the page's language.
TEST(WebSession, PresentsAGuidedLessonSceneBySceneAsTheDesktopDoes) {
    const Lesson lesson = read_lesson_file(LESSONS_DIR "/primary-bow.json");
    ASSERT_GE(lesson.scenes.size(), 3u);
    const Presentation scenes(lesson);
    const auto replayed = [&](std::size_t k) {
        Session fresh(1920, 1080);
        EXPECT_EQ(fresh.open_lesson(lesson_json(scenes.up_to(k))), "");
        return settled_state(fresh);
    };
    Session session(1920, 1080);
    EXPECT_FALSE(session.next_scene());
    EXPECT_EQ(session.scene_json("en"), "");
    ASSERT_EQ(session.present_lesson(lesson_json(lesson)), "");
    const auto shows = [&](std::size_t k) {
        SCOPED_TRACE("scene " + std::to_string(k + 1));
        EXPECT_EQ(settled_state(session), replayed(k));
        for (const char* language : {"en", "el"}) {
            const Json caption = Json::parse(session.scene_json(language));
            EXPECT_EQ(caption["scene"], k + 1);
            EXPECT_EQ(caption["scenes"], lesson.scenes.size());
            EXPECT_EQ(caption["title"], lesson.scenes[k].title.in(language));
            EXPECT_EQ(caption["note"], lesson.scenes[k].note.in(language));
        }
    };
    shows(0);
    EXPECT_FALSE(session.previous_scene());
    ASSERT_TRUE(session.next_scene());
    shows(1);
    // The teacher moves a control; the next scene starts from the end of this one.
    EXPECT_EQ(session.step("set", "arxiki", "goniatheta", 40), "");
    ASSERT_TRUE(session.next_scene());
    shows(2);
    EXPECT_EQ(session.step("click", "arxiki", "Command7", 0), "");
    ASSERT_TRUE(session.previous_scene());
    shows(1);
    for (std::size_t k = 2; k < lesson.scenes.size(); ++k) {
        ASSERT_TRUE(session.next_scene());
        shows(k);
    }
    EXPECT_FALSE(session.next_scene());  // past the last scene nothing changes
    shows(lesson.scenes.size() - 1);
    session.end_presentation();
    EXPECT_EQ(session.scene_json("en"), "");
    EXPECT_FALSE(session.previous_scene());
}

// Saving a guided lesson opened keeps its scenes, and those begun since; a presented lesson,
// or the program started afresh, records none.
TEST(WebSession, ASavedLessonKeepsTheScenesOfTheLessonOpenedAndThoseBegunSince) {
    const Lesson lesson = read_lesson_file(LESSONS_DIR "/primary-bow.json");
    Session session(1920, 1080);
    ASSERT_EQ(session.open_lesson(lesson_json(lesson)), "");
    Lesson saved = parse_lesson(session.lesson_json());
    EXPECT_EQ(saved.steps, lesson.steps);
    EXPECT_EQ(saved.scenes, lesson.scenes);

    EXPECT_EQ(session.step("set", "arxiki", "goniatheta", 35), "");
    session.add_scene("Η γωνία", "A note.");
    EXPECT_EQ(session.step("set", "arxiki", "goniatheta", 30), "");
    saved = parse_lesson(session.lesson_json());
    ASSERT_EQ(saved.scenes.size(), lesson.scenes.size() + 1);
    EXPECT_EQ(saved.scenes[lesson.scenes.size() - 1].end, lesson.steps.size() + 1);
    EXPECT_EQ(saved.scenes.back().title.in("el"), "Η γωνία");
    EXPECT_EQ(saved.scenes.back().end, lesson.steps.size() + 2);

    // A title too long, over lines, is cut to one line a lesson allows: the lesson still opens.
    std::string long_title = "Η\nγωνία  ";
    while (long_title.size() < 2 * largest_title_bytes) long_title += "ακτίνα ";
    session.add_scene(long_title, std::string(3 * largest_note_bytes, 'x'));
    EXPECT_EQ(session.step("set", "arxiki", "goniatheta", 25), "");
    saved = parse_lesson(session.lesson_json());
    const std::string cut = saved.scenes.back().title.in("el");
    EXPECT_LE(cut.size(), largest_title_bytes);
    EXPECT_EQ(cut.rfind("Η γωνία ακτίνα", 0), 0u) << cut;
    EXPECT_EQ(saved.scenes.back().note.in("el").size(), largest_note_bytes);

    ASSERT_EQ(session.present_lesson(lesson_json(lesson)), "");
    EXPECT_TRUE(parse_lesson(session.lesson_json()).scenes.empty());
    session.restart();
    EXPECT_TRUE(parse_lesson(session.lesson_json()).scenes.empty());
    EXPECT_EQ(session.scene_json("en"), "");
}

// The theory window on 10 um drops with its first pictures computed, its work in `work`.
TheoryWindow& theory_window(Program& program, DeferredWork& work) {
    program.set_background_work_factory([&work] { return work.runner(); });
    take_step(program, {Step::Action::click, "arxiki", "Command7"});
    take_step(program, {Step::Action::set, "theoria", "radius", 301});
    work.settle();
    return program.theoria();
}

ImageItem lee_image(const Surface& surface) {
    const auto images = items_of<ImageItem>(surface);
    EXPECT_EQ(images.size(), 1u);
    return images.empty() ? ImageItem{} : images.front();
}

TEST(WebSession, TheLeeDiagramInSlicesGivesTheRowsComputedAtOnceAndStopsWhenCancelled) {
    DeferredWork work;
    Program program;
    TheoryWindow& w = theory_window(program, work);
    const auto one_piece_a_slice = [] { return true; };  // every slice over at once

    take_step(program, {Step::Action::click, "theoria", "lee_start"});
    constexpr std::size_t rows_wanted = 4;
    std::size_t slices = 0;
    while (w.lee_rows_done() < rows_wanted) {
        EXPECT_EQ(work.settle_slice(one_piece_a_slice), 1u);
        EXPECT_FALSE(work.idle());  // the rest waits for the next slice
        ASSERT_LT(++slices, 100000u);
    }
    EXPECT_GT(slices, 4 * rows_wanted);  // a row of small drops pauses inside, many times
    const std::string total = std::to_string(w.lee_settings().rows);
    EXPECT_EQ(w.lee_progress.caption, std::to_string(rows_wanted) + " / " + total);

    // The same rows computed in one go.
    LeeRows rows(std::size_t(w.lee_settings().rows));
    scattering::lee_diagram(
        w.lee_settings(),
        [&rows](std::size_t index, const scattering::ColourBand& row, std::size_t done,
                std::size_t) {
            rows[index] = row;
            return done < rows_wanted;
        },
        scattering::serial_for());
    Surface at_once = w.lee.surface();
    draw_lee_diagram(at_once, rows, w.lee_settings(), 10.0, theory_words());
    EXPECT_TRUE(lee_image(w.lee.surface()) == lee_image(at_once));

    // Cancelled between two pieces of a row: the row under way is finished, as on the desktop
    // (the lesson records it), and no row more.
    work.settle_slice(one_piece_a_slice);
    take_step(program, {Step::Action::click, "theoria", "lee_cancel"});
    while (!work.idle()) work.settle_slice(one_piece_a_slice);
    EXPECT_EQ(w.lee_rows_done(), rows_wanted + 1);
    EXPECT_FALSE(w.lee_running());
    EXPECT_EQ(w.lee_progress.caption, std::to_string(rows_wanted + 1) + " / " + total);

    // Started again, it goes on from the rows it has.
    take_step(program, {Step::Action::click, "theoria", "lee_start"});
    while (w.lee_rows_done() == rows_wanted + 1) work.settle_slice(one_piece_a_slice);
    EXPECT_EQ(w.lee_rows_done(), rows_wanted + 2);
    work.discard();
}

TEST(WebSession, WorkReturnsWithinItsSliceWhileTheLeeDiagramRuns) {
    Session session(1920, 1080);
    EXPECT_EQ(session.step("click", "arxiki", "Command7", 0), "");
    EXPECT_EQ(session.step("set", "theoria", "radius", 301), "");
    finish_work(session);
    EXPECT_EQ(session.step("click", "theoria", "lee_start", 0), "");
    EXPECT_TRUE(session.busy());
    session.work(1);
    session.changed_pictures();
    // The first row comes after some slices, the picture changing with it.
    bool lee_changed = false;
    for (int slice = 0; slice < 10000 && !lee_changed; ++slice) {
        session.work(1);
        const auto changed = session.changed_pictures();
        lee_changed = std::find(changed.begin(), changed.end(), "theoria.lee") != changed.end();
    }
    EXPECT_TRUE(lee_changed);
    EXPECT_TRUE(session.busy());
    // Cancel: the row under way ends, in a few slices, and nothing more is computed.
    EXPECT_EQ(session.step("click", "theoria", "lee_cancel", 0), "");
    for (int slice = 0; slice < 10000 && session.busy(); ++slice) session.work(1);
    EXPECT_FALSE(session.busy());
    EXPECT_EQ(Json::parse(
                  session.state_json())["forms"]["theoria"]["controls"]["lee_progress"]["caption"],
              "2 / 420");
}

TEST(WebSession, TheTheoryWindowOpensInSlicesAndTakesANewSettingAtTheNextPause) {
    using A = Step::Action;
    const std::vector<Step> open = {{A::click, "arxiki", "Command7"}};
    const std::vector<Step> then_small = {{A::click, "arxiki", "Command7"},
                                          {A::set, "theoria", "radius", 301}};
    const auto one_piece_a_slice = [] { return true; };
    for (const bool new_setting : {false, true}) {
        SCOPED_TRACE(new_setting ? "10 um asked for while 500 um is computed" : "500 um");
        DeferredWork work;
        Program program;
        program.set_background_work_factory([&work] { return work.runner(); });
        take_step(program, open.front());
        for (int slice = 0; slice < 3; ++slice) EXPECT_EQ(work.settle_slice(one_piece_a_slice), 1u);
        const TheoryWindow& w = program.theoria();
        for (const PictureBox* waiting : {&w.primary, &w.secondary, &w.band})
            EXPECT_EQ(texts_starting_with(waiting->surface(), "…").size(), 1u);
        if (new_setting) take_step(program, then_small.back());
        std::size_t slices = 3;
        while (!work.idle()) {
            work.settle_slice(one_piece_a_slice);
            ASSERT_LT(++slices, 100000u);
        }
        EXPECT_GT(slices, 20u);
        std::ostringstream state;
        write_state_json(program, state);
        EXPECT_EQ(state.str(), render_command_state(new_setting ? then_small : open));
        // What was computed: a new setting was taken at a pause, its old work dropped there.
        const auto kept = std::dynamic_pointer_cast<TheoryResults>(program.kept_results("theoria"));
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->curves.size(), 2u);
        EXPECT_EQ(kept->bands.size(), 1u);
        EXPECT_EQ(kept->bands.begin()->first, new_setting ? 301 : 2000);
    }
}

// Lessons replayed in the page, at once and in slices: the state the render command gives.
TEST(WebSession, ALessonOpensAtOnceAndItsComputationsEndInTheStateOfOneReplay) {
    using A = Step::Action;
    const Screen small{300 * twips_per_pixel, 200 * twips_per_pixel};  // a short Lee diagram
    const std::vector<Step> theory = {{A::click, "arxiki", "Command7"},
                                      {A::set, "theoria", "radius", 301},
                                      {A::click, "theoria", "lee_start"}};
    const auto with = [&theory](std::vector<Step> more) {
        std::vector<Step> steps = theory;
        steps.insert(steps.end(), more.begin(), more.end());
        return steps;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<Step> page_steps;  // taken while the lesson's computations run
    } rows[] = {
        {"a recorded Cancel stops the Lee diagram at its rows",
         with({{A::click, "theoria", "lee_cancel", 0, 3}}),
         {}},
        {"a step of the page during the replay comes after the lesson's",
         with({{A::click, "theoria", "lee_cancel", 0, 2}, {A::set, "theoria", "wavelength", 500}}),
         {{A::click, "theoria", "parallel"}}},
    };
    // (A Cancel without rows, of older lessons, waits for the whole Lee diagram: too long to
    // compute here twice.)
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Session session(300, 200);
        const std::string text = lesson_json(Lesson(small, row.steps));
        EXPECT_EQ(session.open_lesson(text), "");
        EXPECT_TRUE(session.busy());  // it came back before the computations
        session.work(1);
        std::vector<Step> all = row.steps;
        for (const Step& step : row.page_steps) {
            EXPECT_EQ(session.step("click", step.form, step.control, 0), "");
            all.push_back(step);
        }
        finish_work(session);
        EXPECT_EQ(session.state_json(), render_command_state(all, small));
        EXPECT_EQ(parse_lesson(session.lesson_json()).steps.size(), all.size());
    }
}

}  // namespace
}  // namespace rainbow
