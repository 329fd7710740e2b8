// The last session survives a kill -9: a child process (this program, started again) takes a
// few steps in the desktop program's session, waits until the session file holds them, and is
// killed by SIGKILL; started again with the same state folder, "Open last session" gives back
// exactly the state the child had.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <sstream>
#include <string>

#include "app/compact_lesson.h"
#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"
#include "qt/last_session.h"
#include "qt/lesson_session.h"

namespace rainbow {
namespace {

const char* const child_option = "--killed-child";

std::string state_of(Program& program) {
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

// Steps across two windows, with a drag of a scroll bar that the session file cuts to its end.
std::vector<Step> steps_taken() {
    std::vector<Step> steps = {{Step::Action::click, "arxiki", "parallel"}};
    for (int value = 1; value <= 40; ++value)
        steps.push_back({Step::Action::set, "arxiki", "arithaktinon", value});
    steps.push_back({Step::Action::set, "arxiki", "goniatheta", 30});
    steps.push_back({Step::Action::click, "arxiki", "Command5"});
    steps.push_back({Step::Action::click, "cut_rays", "SOURCEONAXIS"});
    return steps;
}

// The child: takes the steps, waits for the session file to hold them all, writes its state to
// `state_file`, says "ready" and waits to be killed.
int run_child(int argc, char** argv, const QString& state_file) {
    QApplication app(argc, argv);
    LessonSession session(Screen{});
    session.keep_last_session();
    for (const Step& step : steps_taken()) session.view().take_step(step);
    const std::vector<Step> kept = compacted(session.recorded_lesson()).steps;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        try {
            if (read_lesson_file(LastSession::file().toStdString()).steps == kept) break;
        } catch (const BadLesson&) {
            // Not written yet.
        }
        if (waited.elapsed() > 30000) return 3;
    }
    QSaveFile out(state_file);
    if (!out.open(QIODevice::WriteOnly)) return 4;
    out.write(QByteArray::fromStdString(state_of(session.program())));
    if (!out.commit()) return 4;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

class KilledSessionTest : public QObject {
    Q_OBJECT

private slots:
    void lastSessionComesBackExactlyAfterKill9() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        // The child and this process keep their sessions in a fresh folder of their own.
        qputenv("XDG_DATA_HOME", folder.path().toUtf8());
        const QString state_file = folder.filePath("child-state.json");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", folder.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(child_option), state_file});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains("ready") && child.state() == QProcess::Running) {
            child.waitForReadyRead(1000);
            said += child.readAllStandardOutput();
        }
        QVERIFY2(said.contains("ready"), child.readAllStandardError().constData());
        child.kill();  // SIGKILL: nothing of the child's runs after it
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QFile state(state_file);
        QVERIFY(state.open(QIODevice::ReadOnly));
        const std::string child_state = state.readAll().toStdString();

        LessonSession again(Screen{});
        again.keep_last_session();
        QVERIFY(again.last_session_action()->isVisible());
        again.last_session_action()->trigger();
        QTRY_VERIFY(!again.program().steps().empty());
        QCOMPARE(state_of(again.program()), child_state);
    }
};

}  // namespace
}  // namespace rainbow

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == rainbow::child_option) {
        return rainbow::run_child(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    rainbow::KilledSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_killed_session.moc"
