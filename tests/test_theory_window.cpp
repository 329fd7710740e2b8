// The theory window driven as the user drives it: opened from the main window, its
// Descartes curve, its controls, its background work and its cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "app/program.h"
#include "app/step.h"
#include "display_list.h"
#include "portable/threads.h"
#include "rainbow/main_window.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

using testing::items_of;
using testing::texts_starting_with;

TheoryWindow& opened(Program& p) {
    p.arxiki().Command7.click();
    return p.theoria();
}

// Background work as the desktop program does it: jobs on a thread of their own, their
// steps and endings queued until the interface's thread drains them. Counts the jobs.
class QueuedWork final : public BackgroundWork {
public:
    ~QueuedWork() override { wait(); }
    void start(std::function<void()> job, std::function<void()> finish) override {
        ++started;
        auto run = [this, job = std::move(job), finish = std::move(finish)] {
            job();
            post(finish);
        };
        // Without threads (the WebAssembly build) the job runs when waited for.
        if constexpr (portable::has_threads) {
            threads_.emplace_back(std::move(run));
        } else {
            unstarted_.push_back(std::move(run));
        }
    }
    void post(std::function<void()> step) override {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(step));
    }
    void wait() override {
        for (auto& run : std::exchange(unstarted_, {})) run();
        for (auto& t : threads_)
            if (t.joinable()) t.join();
    }
    // Runs the first queued step on this thread, if there is one.
    bool drain_one() {
        std::function<void()> step;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) return false;
            step = std::move(queue_.front());
            queue_.pop_front();
        }
        step();
        return true;
    }
    // Runs the queued steps on this thread, as the interface's event loop would.
    void drain() {
        while (drain_one()) {
        }
    }
    int started = 0;

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::thread> threads_;
    std::vector<std::function<void()>> unstarted_;
};

// Hands the window queued background work, opens it on 10 um drops (quick to compute) and
// lets the first results arrive.
QueuedWork& opened_with_queue(TheoryWindow& w) {
    auto work = std::make_unique<QueuedWork>();
    QueuedWork& queue = *work;
    w.set_background_work(std::move(work));
    w.radius.set_value(301);
    w.open();
    queue.wait();
    queue.drain();
    return queue;
}

TEST(TheoryWindow, OpensBelowWavesWithEveryPictureAndTheRainbowAngles) {
    Program p;
    TheoryWindow& w = opened(p);
    EXPECT_TRUE(w.form().shown);
    EXPECT_EQ(w.form().caption, "Theory · Θεωρία");
    const auto& waves = p.arxiki().Command6;
    const auto& theory = p.arxiki().Command7;
    EXPECT_EQ(theory.left(), waves.left());
    EXPECT_EQ(theory.top(), waves.top() + waves.height());
    EXPECT_EQ(theory.height(), waves.height());

    for (PictureBox* picture : {&w.descartes, &w.primary, &w.secondary, &w.band, &w.lee}) {
        SCOPED_TRACE(picture->name());
        EXPECT_FALSE(items_of<LineItem>(picture->surface()).empty());
    }
    // Water at 1.33: 42.52 and 50.10 degrees; glass: 22.84.
    const auto water = texts_starting_with(w.descartes.surface(), "water n = 1.330");
    ASSERT_EQ(water.size(), 1u);
    EXPECT_NE(water[0].text.find("42.52°"), std::string::npos);
    EXPECT_NE(water[0].text.find("50.10°"), std::string::npos);
    const auto glass = texts_starting_with(w.descartes.surface(), "glass n = 1.500");
    ASSERT_EQ(glass.size(), 1u);
    EXPECT_NE(glass[0].text.find("22.84°"), std::string::npos);
    // One coloured line per column of the band.
    EXPECT_EQ(items_of<LineItem>(w.band.surface()).size(),
              std::size_t(scattering::BandSettings{}.columns) + 4 + 5);  // frame, ticks
}

TEST(TheoryWindow, ItsOwnWordsComeThroughTheProgramsTranslator) {
    Program p;
    p.set_translate([](std::string_view context, std::string_view source) {
        return std::string(context) + "«" + std::string(source) + "»";
    });
    TheoryWindow& w = p.theoria();
    opened_with_queue(w);
    // The captions of its controls.
    for (const Control* control : std::initializer_list<const Control*>{
             &w.perpendicular, &w.parallel, &w.unpolarised, &w.theories, &w.geometric, &w.airy,
             &w.exact, &w.debye, &w.lee_start, &w.lee_cancel}) {
        SCOPED_TRACE(control->name());
        EXPECT_EQ(control->caption.rfind("theoria«", 0), 0u) << control->caption;
    }
    // The words of its pictures; the window's own caption stays as designed.
    struct Row {
        const PictureBox* picture;
        const char* prefix;
    };
    for (const Row row : {Row{&w.descartes, "theoria«water» n = 1.330"},
                          Row{&w.descartes, "theoria«glass» n = 1.500"},
                          Row{&w.primary, "theoria«|S|², primary bow»"},
                          Row{&w.secondary, "theoria«|S|², secondary bow»"},
                          Row{&w.band, "theoria«angle from the antisolar point (°)»"},
                          Row{&w.lee, "theoria«angle from the antisolar point (°)»"}}) {
        SCOPED_TRACE(row.prefix);
        EXPECT_EQ(texts_starting_with(row.picture->surface(), row.prefix).size(), 1u);
    }
    EXPECT_EQ(w.form().caption, "Theory · Θεωρία");
}

TEST(TheoryWindow, RadiusScrollBarIsLogarithmicFromFiveMicrometresToTwoMillimetresInThreeFigures) {
    struct Row {
        int position;
        double um;
        const char* text;
    };
    // The radius used is the one printed: three significant figures.
    const Row rows[] = {
        {0, 5.0, "5.00 µm"},       {1, 5.01, "5.01 µm"},      {301, 10.0, "10.0 µm"},
        {1000, 50.0, "50.0 µm"},   {1302, 100.0, "100 µm"},   {2000, 500.0, "500 µm"},
        {2301, 1000.0, "1.00 mm"}, {2400, 1260.0, "1.26 mm"}, {2602, 2000.0, "2.00 mm"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        EXPECT_EQ(TheoryWindow::radius_at(row.position), row.um);
        EXPECT_EQ(radius_text(row.um), row.text);
    }
    Program p;
    TheoryWindow& w = p.theoria();
    opened_with_queue(w);
    EXPECT_EQ(w.radius.max(), 2602);
    EXPECT_EQ(w.radius_label.caption, "a = 10.0 µm");
    EXPECT_EQ(texts_starting_with(w.band.surface(), "a = 10.0 µm").size(), 1u);
}

TEST(TheoryWindow, ComputesInTheBackgroundAndReturnsToAKnownSettingAtOnce) {
    Program p;
    TheoryWindow& w = p.theoria();
    QueuedWork& queue = opened_with_queue(w);
    const int after_first = queue.started;
    EXPECT_GT(after_first, 0);
    EXPECT_TRUE(texts_starting_with(w.primary.surface(), "Airy").size() == 1);

    w.radius.set_value(400);
    queue.wait();
    queue.drain();
    EXPECT_GT(queue.started, after_first);
    const int after_second = queue.started;
    w.radius.set_value(301);  // back: drawn from what was kept, nothing started
    EXPECT_EQ(queue.started, after_second);
    EXPECT_EQ(texts_starting_with(w.primary.surface(), "Airy").size(), 1u);
}

TEST(TheoryWindow, LeeDiagramGrowsRowByRowAndStopsWhenCancelled) {
    if (!portable::has_threads) GTEST_SKIP() << "cancels a job under way on another thread";
    Program p;
    TheoryWindow& w = p.theoria();
    QueuedWork& queue = opened_with_queue(w);

    w.lee_start.click();
    EXPECT_TRUE(w.lee_running());
    w.lee_cancel.click();
    queue.wait();
    queue.drain();
    EXPECT_FALSE(w.lee_running());
    const std::size_t rows = w.lee_rows_done();
    EXPECT_GE(rows, 1u);  // the row under way when cancelled is kept
    const auto& settings = w.lee_settings();
    EXPECT_LT(rows, std::size_t(settings.rows));
    EXPECT_EQ(w.lee_progress.caption, std::to_string(rows) + " / " + std::to_string(settings.rows));
    // A row per pixel row of the plot, at least 200; a column per pixel column.
    EXPECT_GE(settings.rows, 200);
    EXPECT_GT(settings.band.columns, 400);
    // One image of every row, the rows not computed yet showing the nearest computed, under
    // the marker of the radius shown.
    const auto images = items_of<ImageItem>(w.lee.surface());
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].height, settings.rows);
    EXPECT_EQ(images[0].width, settings.band.columns);
    const auto& items = w.lee.surface().items();
    const auto image_at = std::find_if(items.begin(), items.end(), [](const Item& item) {
        return std::holds_alternative<ImageItem>(item);
    });
    const auto marker = std::find_if(items.begin(), items.end(), [](const Item& item) {
        const auto* line = std::get_if<LineItem>(&item);
        return line != nullptr && line->width == 2 && line->y1 == 1.0f;  // log10(10 um)
    });
    ASSERT_NE(marker, items.end());
    EXPECT_LT(image_at, marker);
    // The radius axis in micrometres and millimetres ("50" is also an angle).
    for (const char* label : {"10 µm", "20", "50", "100", "200", "500 µm", "1 mm"}) {
        SCOPED_TRACE(label);
        EXPECT_GE(std::count_if(items.begin(), items.end(),
                                [label](const Item& item) {
                                    const auto* t = std::get_if<TextItem>(&item);
                                    return t != nullptr && t->text == label;
                                }),
                  1);
    }
    EXPECT_TRUE(texts_starting_with(w.lee.surface(), "log10").empty());
}

// Cancel keeps the rows shown when it is clicked and the one under way, however many more the
// job had computed, and its step records them; Start clicked while the cancelled run ends
// starts again after it.
TEST(TheoryWindow, LeeCancelKeepsTheRowsShownAndItsStepRecordsThem) {
    if (!portable::has_threads) GTEST_SKIP() << "clicks Cancel while a job runs on another thread";
    Program p(Screen{480 * twips_per_pixel, 360 * twips_per_pixel});
    TheoryWindow& w = p.theoria();
    auto work = std::make_unique<QueuedWork>();
    QueuedWork& queue = *work;
    w.set_background_work(std::move(work));
    w.radius.set_value(301);
    take_step(p, {Step::Action::click, "arxiki", "Command7"});
    queue.wait();
    queue.drain();
    const auto until_shown = [&](std::size_t rows) {
        while (w.lee_rows_done() < rows) {
            if (!queue.drain_one()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    };
    const Step start{Step::Action::click, "theoria", "lee_start"};
    const Step cancel{Step::Action::click, "theoria", "lee_cancel"};
    take_step(p, start);
    until_shown(2);
    take_step(p, cancel);
    EXPECT_EQ(p.steps().back().rows, std::optional<int>(3));
    take_step(p, start);  // the cancelled run has not ended yet: its ending is still queued
    until_shown(4);
    take_step(p, cancel);
    EXPECT_EQ(p.steps().back().rows, std::optional<int>(5));
    queue.wait();
    queue.drain();
    EXPECT_FALSE(w.lee_running());
    EXPECT_EQ(w.lee_rows_done(), 5u);
    EXPECT_EQ(w.lee_progress.caption, "5 / " + std::to_string(w.lee_settings().rows));
    EXPECT_EQ(p.steps().front().rows, std::nullopt);  // a click that stops nothing
}

TEST(TheoryWindow, ClosingWhileTheLeeDiagramRunsWaitsForItsJob) {
    auto p = std::make_unique<Program>();
    TheoryWindow& w = p->theoria();
    w.set_background_work(std::make_unique<QueuedWork>());
    w.radius.set_value(301);
    w.open();
    w.lee_start.click();
    p.reset();  // cancels, waits for the job, then drops its queued steps
    SUCCEED();
}

}  // namespace
}  // namespace rainbow
