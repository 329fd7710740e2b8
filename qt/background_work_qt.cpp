#include "qt/background_work_qt.h"

#include <QFutureWatcher>
#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>

namespace rainbow {

QtBackgroundWork::QtBackgroundWork(std::function<void()> after) : after_(std::move(after)) {
    pool_.setMaxThreadCount(2);
}

QtBackgroundWork::~QtBackgroundWork() { wait(); }

void QtBackgroundWork::start(std::function<void()> job, std::function<void()> finish) {
    auto* watcher = new QFutureWatcher<void>(&context_);
    QObject::connect(watcher, &QFutureWatcher<void>::finished, &context_,
                     [this, watcher, finish = std::move(finish)] {
                         watcher->deleteLater();
                         finish();
                         if (after_) after_();
                     });
    watcher->setFuture(QtConcurrent::run(&pool_, std::move(job)));
}

void QtBackgroundWork::post(std::function<void()> step) {
    QMetaObject::invokeMethod(
        &context_,
        [this, step = std::move(step)] {
            step();
            if (after_) after_();
        },
        Qt::QueuedConnection);
}

void QtBackgroundWork::wait() { pool_.waitForDone(); }

}  // namespace rainbow
