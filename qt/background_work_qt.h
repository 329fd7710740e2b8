#pragma once
// Background work of the desktop program: jobs on Qt's thread pool, their steps and endings
// delivered on the interface's thread, after which the views are brought up to date.
#include <QObject>
#include <QThreadPool>
#include <functional>

#include "forms/background_work.h"

namespace rainbow {

class QtBackgroundWork final : public BackgroundWork {
public:
    // after runs on the interface's thread after every step and every ending.
    explicit QtBackgroundWork(std::function<void()> after);
    ~QtBackgroundWork() override;

    void start(std::function<void()> job, std::function<void()> finish) override;
    void post(std::function<void()> step) override;
    void wait() override;

private:
    std::function<void()> after_;
    QThreadPool pool_;
    QObject context_;  // lives on the interface's thread; its pending calls die with it
};

}  // namespace rainbow
