#pragma once
// Background work stepped through by its owner (the soak, the render command). A job waits in
// its runner's queue until the owner lets the program's work settle, as a user who waits for
// the pictures would; its steps and its ending then reach the program on the owner's thread, in
// the order the interface's event loop delivers them. Nothing depends on timing, so a seed
// reproduces every fault, and a burst of events between two settles costs what it costs on the
// desktop, where a window asks again only once the job under way has ended.
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "forms/background_work.h"

namespace rainbow {

class DeferredWork {
public:
    DeferredWork();
    ~DeferredWork();
    DeferredWork(const DeferredWork&) = delete;
    DeferredWork& operator=(const DeferredWork&) = delete;

    // A runner for one window; hand this as the program's factory of runners.
    std::unique_ptr<BackgroundWork> runner();

    // Runs every job queued and delivers its steps and ending, until nothing is left (an
    // ending may start another job). Returns how many jobs ran.
    std::size_t settle();
    // One slice of that: runs one job, then more while `slice_over` is false, and delivers
    // every step and ending the jobs left. While the slice runs, the runners ask a job that
    // can pause to pause once the slice is over (BackgroundWork::should_pause); what is left
    // waits for the next slice. Returns how many jobs ran.
    std::size_t settle_slice(const std::function<bool()>& slice_over);
    // True when no job waits and nothing waits to be delivered.
    bool idle() const;
    // Forgets every job and delivery not yet made: the program is thrown away, and whatever
    // they would have done could never be seen.
    void discard();

private:
    class Runner;
    struct Shared {
        std::vector<Runner*> runners;
        const std::function<bool()>* slice_over = nullptr;  // during settle_slice only
    };
    std::size_t settle_while(const std::function<bool()>* slice_over);
    std::shared_ptr<Shared> shared_;
};

}  // namespace rainbow
