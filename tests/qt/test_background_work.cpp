// The desktop program's background work: jobs off the interface's thread, their steps and
// endings back on it, in order, each followed by the views' update.
#include <QCoreApplication>
#include <QThread>
#include <QtTest>
#include <atomic>

#include "qt/background_work_qt.h"

class TestBackgroundWork : public QObject {
    Q_OBJECT

private slots:
    void stepsAndEndingRunOnTheInterfaceThreadInOrder() {
        QThread* const interface = QThread::currentThread();
        int updates = 0;
        std::vector<int> seen;
        bool job_off_interface = false, ended_on_interface = false;
        {
            rainbow::QtBackgroundWork work([&] { ++updates; });
            work.start(
                [&] {
                    job_off_interface = QThread::currentThread() != interface;
                    for (int i = 1; i <= 3; ++i)
                        work.post([&seen, &interface, i] {
                            QCOMPARE(QThread::currentThread(), interface);
                            seen.push_back(i);
                        });
                },
                [&] {
                    ended_on_interface = QThread::currentThread() == interface;
                    seen.push_back(0);
                });
            QTRY_COMPARE(seen.size(), std::size_t(4));
        }
        QVERIFY(job_off_interface);
        QVERIFY(ended_on_interface);
        QCOMPARE(seen, (std::vector<int>{1, 2, 3, 0}));
        QCOMPARE(updates, 4);
    }

    void destroyedBeforeItsStepsRunDropsThem() {
        bool ran = false;
        {
            rainbow::QtBackgroundWork work([] {});
            work.start([&work, &ran] { work.post([&ran] { ran = true; }); },
                       [&ran] { ran = true; });
            work.wait();
        }
        QCoreApplication::processEvents();
        QVERIFY(!ran);
    }
};

QTEST_MAIN(TestBackgroundWork)
#include "test_background_work.moc"
