#include "app/deferred_work.h"

#include <algorithm>
#include <utility>

namespace rainbow {

class DeferredWork::Runner final : public BackgroundWork {
public:
    explicit Runner(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {
        shared_->runners.push_back(this);
    }
    ~Runner() override { std::erase(shared_->runners, this); }

    void start(std::function<void()> job, std::function<void()> finish) override {
        jobs_.push_back({std::move(job), std::move(finish)});
    }
    // From a job the step waits its turn; from the interface it is taken now.
    void post(std::function<void()> step) override {
        if (in_job_) {
            deliveries_.push_back(std::move(step));
        } else {
            step();
        }
    }
    // Runs the jobs still queued; their steps and endings wait to be delivered.
    void wait() override {
        while (!jobs_.empty()) run_job();
    }

    bool should_pause() const override {
        return in_job_ && shared_->slice_over != nullptr && (*shared_->slice_over)();
    }
    bool works_in_slices() const override { return shared_->slice_over != nullptr; }

    // Delivers one step or ending, or else (when jobs may run) runs one job; false when there
    // was nothing.
    bool advance(std::size_t& jobs_run, bool run_jobs) {
        if (!deliveries_.empty()) {
            std::function<void()> step = std::move(deliveries_.front());
            deliveries_.pop_front();
            step();
            return true;
        }
        if (jobs_.empty() || !run_jobs) return false;
        run_job();
        ++jobs_run;
        return true;
    }
    bool idle() const { return jobs_.empty() && deliveries_.empty(); }
    void discard() {
        jobs_.clear();
        deliveries_.clear();
    }

private:
    struct Job {
        std::function<void()> work, finish;
    };
    void run_job() {
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        in_job_ = true;
        job.work();
        in_job_ = false;
        deliveries_.push_back(std::move(job.finish));
    }

    std::shared_ptr<Shared> shared_;
    std::deque<Job> jobs_;
    std::deque<std::function<void()>> deliveries_;
    bool in_job_ = false;
};

DeferredWork::DeferredWork() : shared_(std::make_shared<Shared>()) {}

DeferredWork::~DeferredWork() { discard(); }

std::unique_ptr<BackgroundWork> DeferredWork::runner() { return std::make_unique<Runner>(shared_); }

std::size_t DeferredWork::settle() { return settle_while(nullptr); }

std::size_t DeferredWork::settle_slice(const std::function<bool()>& slice_over) {
    return settle_while(&slice_over);
}

std::size_t DeferredWork::settle_while(const std::function<bool()>* slice_over) {
    struct Slice {  // the runners stop asking once this call ends, however it ends
        Shared& shared;
        ~Slice() { shared.slice_over = nullptr; }
    } slice{*shared_};
    shared_->slice_over = slice_over;
    std::size_t jobs_run = 0;
    // A slice runs one job at least, however short, so that the work always moves on.
    const auto run_jobs = [&] {
        return slice_over == nullptr || jobs_run == 0 || !(*slice_over)();
    };
    for (bool busy = true; busy;) {
        busy = false;
        // By index: a delivery may create or destroy a runner.
        auto& runners = shared_->runners;
        for (std::size_t i = 0; i < runners.size(); ++i) {
            while (i < runners.size() && runners[i]->advance(jobs_run, run_jobs())) busy = true;
        }
    }
    return jobs_run;
}

bool DeferredWork::idle() const {
    return std::all_of(shared_->runners.begin(), shared_->runners.end(),
                       [](const Runner* runner) { return runner->idle(); });
}

void DeferredWork::discard() {
    for (Runner* runner : shared_->runners) runner->discard();
}

}  // namespace rainbow
