// The soak's background work: jobs held until the soak lets them run, their steps and endings
// delivered in the order the desktop's event loop delivers them, and the theory window driven
// through it as a user who waits only now and then drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/deferred_work.h"
#include "app/program.h"
#include "app/step.h"
#include "display_list.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

TEST(DeferredWork, HoldsJobsUntilSettledThenDeliversTheirStepsBeforeTheirEnding) {
    DeferredWork work;
    auto runner = work.runner();
    std::vector<std::string> done;
    runner->post([&] { done.push_back("posted from the interface"); });
    runner->start(
        [&] {
            done.push_back("job");
            runner->post([&] { done.push_back("row 1"); });
            runner->post([&] { done.push_back("row 2"); });
        },
        [&] { done.push_back("ending"); });
    EXPECT_EQ(done, std::vector<std::string>{"posted from the interface"});
    EXPECT_FALSE(work.idle());
    EXPECT_EQ(work.settle(), 1u);
    EXPECT_EQ(done, (std::vector<std::string>{"posted from the interface", "job", "row 1", "row 2",
                                              "ending"}));
    EXPECT_TRUE(work.idle());
    EXPECT_EQ(work.settle(), 0u);
}

TEST(DeferredWork, SettlesWhatEndingsStartInEveryRunner) {
    DeferredWork work;
    auto first = work.runner();
    auto second = work.runner();
    int ran = 0;
    // An ending that asks again, as a window does when its settings changed meanwhile, and
    // one that starts a job on another window's runner.
    first->start([&] { ++ran; },
                 [&] {
                     first->start([&] { ++ran; }, [] {});
                     second->start([&] { ++ran; }, [] {});
                 });
    EXPECT_EQ(work.settle(), 3u);
    EXPECT_EQ(ran, 3);
    EXPECT_TRUE(work.idle());
}

TEST(DeferredWork, WaitRunsJobsButDeliversNothingAndDiscardDropsAll) {
    const struct {
        const char* name;
        bool wait;  // else discard
        int jobs_after, endings_after, endings_after_settle;
    } rows[] = {
        {"wait", true, 1, 0, 1},
        {"discard", false, 0, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DeferredWork work;
        auto runner = work.runner();
        int jobs = 0, endings = 0;
        runner->start([&] { ++jobs; }, [&] { ++endings; });
        if (row.wait) {
            runner->wait();
        } else {
            work.discard();
        }
        EXPECT_EQ(jobs, row.jobs_after);
        EXPECT_EQ(endings, row.endings_after);
        EXPECT_EQ(work.settle(), 0u);
        EXPECT_EQ(endings, row.endings_after_settle);
        EXPECT_EQ(jobs, row.jobs_after);
    }
}

TEST(DeferredWork, AnEndingMayDestroyARunner) {
    DeferredWork work;
    auto first = work.runner();
    auto second = work.runner();
    int ran = 0;
    second->start([&] { ++ran; }, [] {});
    first->start([] {}, [&] { second.reset(); });  // the second window closes for good
    work.settle();
    EXPECT_LE(ran, 1);
    EXPECT_TRUE(work.idle());
}

bool waiting(const PictureBox& picture) {
    return !testing::texts_starting_with(picture.surface(), "…").empty();
}

TEST(DeferredWork, TheTheoryWindowComputesOnlyTheLastOfABurstOfSettings) {
    DeferredWork work;
    Program program;
    program.set_background_work_factory([&] { return work.runner(); });
    take_step(program, Step{Step::Action::click, "arxiki", "Command7", 0});
    take_step(program, Step{Step::Action::set, "theoria", "radius", 301});  // 10 um: quick
    TheoryWindow& theory = program.theoria();
    EXPECT_TRUE(waiting(theory.band));
    // The 500 um drop of the opening, then the last setting asked for while it ran.
    EXPECT_EQ(work.settle(), 4u);
    for (const PictureBox* picture : {&theory.primary, &theory.secondary, &theory.band}) {
        SCOPED_TRACE(picture->name());
        EXPECT_FALSE(waiting(*picture));
    }

    // A burst: the first setting starts the jobs, the rest wait for them to end, and then
    // only the last is computed.
    for (const int position : {302, 303, 304, 305}) {
        take_step(program, Step{Step::Action::set, "theoria", "radius", position});
    }
    EXPECT_EQ(work.settle(), 4u);
    EXPECT_FALSE(waiting(theory.band));
    EXPECT_NE(theory.radius_label.caption.find("a = 10.1"), std::string::npos)
        << theory.radius_label.caption;
    // Back to a drop already computed: drawn at once from the kept results.
    take_step(program, Step{Step::Action::set, "theoria", "radius", 305});
    take_step(program, Step{Step::Action::set, "theoria", "radius", 301});
    EXPECT_TRUE(work.idle());
    EXPECT_FALSE(waiting(theory.primary));
    work.discard();
}

}  // namespace
}  // namespace rainbow
