// A lesson shows its pictures as they were: the Lee diagram of a replay has the rows it had
// when the lesson was saved, and a program started afresh draws what the one before computed.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/deferred_work.h"
#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

using Action = Step::Action;

// A small screen: the Lee diagram keeps its 200 rows, each a little cheaper.
const Screen small{480 * twips_per_pixel, 360 * twips_per_pixel};

std::string state_of(Program& program) {
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

Step click(std::string form, std::string control, std::optional<int> rows = std::nullopt) {
    return Step{Action::click, std::move(form), std::move(control), 0, rows};
}
Step set(std::string form, std::string control, int value) {
    return Step{Action::set, std::move(form), std::move(control), value};
}

const Step start = click("theoria", "lee_start");
Step cancel_at(int rows) { return click("theoria", "lee_cancel", rows); }
// The theory window opened on 10 um drops, whose curves and band are quick.
const std::vector<Step> opened = {click("arxiki", "Command7"), set("theoria", "radius", 301)};

// The curves and the band of the window opened, computed once for every program here.
const TheoryResults& opened_results() {
    static const TheoryResults results = [] {
        Program computed(small);
        for (const Step& step : opened) take_step(computed, step);
        auto kept = std::dynamic_pointer_cast<TheoryResults>(computed.kept_results("theoria"));
        return *kept;
    }();
    return results;
}

// No row of the Lee diagram kept: each is computed.
std::shared_ptr<TheoryResults> no_lee_row_kept() {
    auto kept = std::make_shared<TheoryResults>(opened_results());
    kept->lee_rows.clear();
    return kept;
}

// Every row of the diagram on the small screen, as if computed before: plain grey stand-ins,
// so that a diagram that ran to its end costs nothing here.
std::shared_ptr<TheoryResults> every_lee_row_kept() {
    auto kept = no_lee_row_kept();
    const auto columns = std::size_t(kept->lee_settings.band.columns);
    for (int r = 0; r < kept->lee_settings.rows; ++r) {
        scattering::ColourBand row;
        row.radius_um = 10.0 + r;
        for (std::size_t c = 0; c < columns; ++c) row.angles_deg.push_back(35.0 + 0.01 * c);
        row.xyz.assign(columns, {0.2, 0.2, 0.2});
        row.rgb.assign(columns, {0.5, 0.5, 0.5});
        kept->lee_rows.emplace_back(std::move(row));
    }
    return kept;
}

// How the lesson's work is run: as the render command does, or as the desktop program and the
// soak replay a lesson (every step at once, the work after).
enum class Work { coalesced, replayed_then_settled };

// A program with its work deferred; the work goes first, so that no job is left to run.
struct Replay {
    std::unique_ptr<Program> program;
    DeferredWork work;

    Replay(const std::vector<Step>& steps, Work run, std::shared_ptr<TheoryResults> kept) {
        program = std::make_unique<Program>(small);
        program->set_background_work_factory([this] { return work.runner(); });
        if (kept) program->keep_results("theoria", kept);
        if (run == Work::coalesced) {
            take_steps_coalesced(*program, steps, work);
        } else {
            for (const Step& step : steps) take_step(*program, step);
            work.settle();
        }
    }
    ~Replay() {
        work.discard();
        program.reset();
    }
};

std::vector<Step> after_opening(const std::vector<Step>& steps) {
    std::vector<Step> all = opened;
    all.insert(all.end(), steps.begin(), steps.end());
    return all;
}

TEST(LeeDiagramReplayed, HasTheRowsItHadWhenTheLessonWasSaved) {
    const bool none = false, all_kept = true;
    const int all = every_lee_row_kept()->lee_settings.rows;
    const struct {
        const char* name;
        std::vector<Step> steps;
        bool kept;
        int rows;
    } cases[] = {
        // Computed here.
        {"cancelled part way", {start, cancel_at(3)}, none, 3},
        {"cancelled before its first row", {start, cancel_at(0)}, none, 0},
        {"cancelled, moved, started again and cancelled",
         {start, cancel_at(2), set("theoria", "radius", 400), start, cancel_at(5)},
         none,
         5},
        // Its rows kept from before, as after Back in a presented lesson.
        {"ran to its end", {start}, all_kept, all},
        {"cancelled after its end", {start, cancel_at(all)}, all_kept, all},
        {"cancelled part way, more rows kept", {start, cancel_at(4)}, all_kept, 4},
        {"an older lesson's Cancel without rows",
         {start, click("theoria", "lee_cancel")},
         all_kept,
         all},
    };
    for (const auto& row : cases) {
        for (const Work run : {Work::coalesced, Work::replayed_then_settled}) {
            SCOPED_TRACE(std::string(row.name) +
                         (run == Work::coalesced ? ", coalesced" : ", replayed then settled"));
            const auto kept = [&row] {
                return row.kept ? every_lee_row_kept() : no_lee_row_kept();
            };
            const Replay first(after_opening(row.steps), run, kept());
            TheoryWindow& w = first.program->theoria();
            EXPECT_FALSE(w.lee_running());
            EXPECT_EQ(w.lee_rows_done(), std::size_t(row.rows));
            EXPECT_EQ(w.lee_progress.caption,
                      std::to_string(row.rows) + " / " + std::to_string(all));
            // Saved from the replay, the lesson keeps every Cancel's rows and replays to the
            // same windows, the Lee diagram's picture included.
            const Lesson saved = parse_lesson(lesson_json(lesson_of(*first.program)));
            for (const Step& step : saved.steps) {
                if (step.control == "lee_cancel") {
                    EXPECT_TRUE(step.rows.has_value());
                }
            }
            const Replay again(saved.steps, run, kept());
            EXPECT_EQ(state_of(*again.program), state_of(*first.program));
        }
    }
}

// Rows belong to a control that stops long work: on any other step they are refused, and the
// step is not recorded.
TEST(LeeDiagramReplayed, AClickGivenRowsOnAControlThatStopsNothingIsRefused) {
    Program p(small);
    p.set_background_work_factory([] { return std::make_unique<SkipEveryJob>(); });
    for (const Step& step : opened) take_step(p, step);
    const std::size_t steps = p.steps().size();
    for (const Step& step :
         {click("theoria", "lee_start", 2), Step{Action::set, "theoria", "radius", 400, 2}}) {
        SCOPED_TRACE(describe(step));
        EXPECT_THROW(take_step(p, step), BadStep);
        EXPECT_EQ(p.steps().size(), steps);
    }
}

// Back in a presented lesson starts a program afresh and replays the scenes before: sharing
// the kept results, its theory window computes nothing again and draws what a program that
// computed everything draws.
TEST(KeptResults, AProgramStartedAfreshDrawsThemWithoutComputingAgain) {
    const std::vector<Step> first_scene =
        after_opening({set("theoria", "wavelength", 500), click("theoria", "unpolarised"), start});
    const std::vector<Step> second_scene = {set("theoria", "radius", 400),
                                            click("theoria", "parallel")};

    // The first scene presented, then the second; the Lee diagram's rows as if computed.
    Replay shown(first_scene, Work::coalesced, every_lee_row_kept());
    EXPECT_GT(take_steps_coalesced(*shown.program, second_scene, shown.work), 0u);
    DeferredWork work;
    Program back(small);
    back.set_background_work_factory([&work] { return work.runner(); });
    back.share_kept_results(*shown.program);
    EXPECT_EQ(take_steps_coalesced(back, first_scene, work), 0u);

    const Replay computed(first_scene, Work::coalesced, every_lee_row_kept());
    EXPECT_EQ(state_of(back), state_of(*computed.program));
    // The results were shared, not copied: what either program computes, both keep.
    EXPECT_EQ(back.kept_results("theoria"), shown.program->kept_results("theoria"));
}

}  // namespace
}  // namespace rainbow
