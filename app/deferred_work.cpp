#include "app/deferred_work.h"

#include <algorithm>
#include <utility>

namespace rainbow {

class DeferredWork::Runner final : public BackgroundWork {
public:
    explicit Runner(std::shared_ptr<std::vector<Runner*>> all) : all_(std::move(all)) {
        all_->push_back(this);
    }
    ~Runner() override { std::erase(*all_, this); }

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

    // Delivers one step or ending, or else runs one job; false when there was nothing.
    bool advance(std::size_t& jobs_run) {
        if (!deliveries_.empty()) {
            std::function<void()> step = std::move(deliveries_.front());
            deliveries_.pop_front();
            step();
            return true;
        }
        if (jobs_.empty()) return false;
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

    std::shared_ptr<std::vector<Runner*>> all_;
    std::deque<Job> jobs_;
    std::deque<std::function<void()>> deliveries_;
    bool in_job_ = false;
};

DeferredWork::DeferredWork() : runners_(std::make_shared<std::vector<Runner*>>()) {}

DeferredWork::~DeferredWork() { discard(); }

std::unique_ptr<BackgroundWork> DeferredWork::runner() {
    return std::make_unique<Runner>(runners_);
}

std::size_t DeferredWork::settle() {
    std::size_t jobs_run = 0;
    for (bool busy = true; busy;) {
        busy = false;
        // By index: a delivery may create or destroy a runner.
        for (std::size_t i = 0; i < runners_->size(); ++i) {
            while (i < runners_->size() && (*runners_)[i]->advance(jobs_run)) busy = true;
        }
    }
    return jobs_run;
}

bool DeferredWork::idle() const {
    return std::all_of(runners_->begin(), runners_->end(),
                       [](const Runner* runner) { return runner->idle(); });
}

void DeferredWork::discard() {
    for (Runner* runner : *runners_) runner->discard();
}

}  // namespace rainbow
