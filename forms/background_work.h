#pragma once
// Long computations of a window, run away from the interface where the program can.
#include <functional>

namespace rainbow {

class BackgroundWork {
public:
    virtual ~BackgroundWork() = default;
    // Runs job, on another thread where it can, then finish on the interface's thread.
    virtual void start(std::function<void()> job, std::function<void()> finish) = 0;
    // Runs step on the interface's thread (from a job: soon; from the interface: now).
    virtual void post(std::function<void()> step) = 0;
    // Returns when every job started has ended.
    virtual void wait() = 0;
    // Asked by a job that can stop at a boundary (a row of the Lee diagram) and be started
    // again from where it stopped: true when its runner wants the thread back now (a browser
    // running the work in short slices). The desktop's runners never do.
    virtual bool should_pause() const { return false; }
    // True while its runner runs the jobs in short slices and may ask them to pause: a job
    // that can pause then works in short pieces on one thread rather than at once on threads.
    virtual bool works_in_slices() const { return false; }
};

// Runs every job at once, to the end, on the calling thread: the render command and tests.
class RunAtOnce final : public BackgroundWork {
public:
    void start(std::function<void()> job, std::function<void()> finish) override {
        job();
        finish();
    }
    void post(std::function<void()> step) override { step(); }
    void wait() override {}
};

// Runs no job at all: for a program whose results no one will see, such as the scratch copy
// on which a lesson's steps are tried before it is opened (whether a step can be taken never
// waits on a result).
class SkipEveryJob final : public BackgroundWork {
public:
    void start(std::function<void()>, std::function<void()>) override {}
    void post(std::function<void()> step) override { step(); }
    void wait() override {}
};

}  // namespace rainbow
