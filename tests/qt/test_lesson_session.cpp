#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"
#include "qt/lesson_session.h"
#include "qt/picture_widget.h"
#include "theory/theory_window.h"

using namespace rainbow;

namespace {

std::string state_of(Program& program) {
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

// Steps as the windows' widgets hand them to the view.
void act(LessonSession& session, Step::Action action, const char* form, const char* control,
         int value = 0) {
    session.view().take_step(Step{action, form, control, value});
}

}  // namespace

class LessonSessionTest : public QObject {
    Q_OBJECT

private slots:
    void savedLessonOpensToTheSameStateWithTheActionsInEveryWindow() {
        QTemporaryDir dir;
        const QString file = dir.filePath("lesson.json");
        LessonSession first(Screen{});
        act(first, Step::Action::click, "arxiki", "parallel");
        act(first, Step::Action::set, "arxiki", "arithanak", 2);
        act(first, Step::Action::click, "arxiki", "Command5");
        act(first, Step::Action::click, "cut_rays", "SOURCEONAXIS");
        QVERIFY(first.save_lesson(file));

        LessonSession second(Screen{});
        act(second, Step::Action::set, "arxiki", "goniatheta", 40);
        QString error;
        QVERIFY2(second.open_lesson(file, &error), qPrintable(error));
        QCOMPARE(state_of(second.program()), state_of(first.program()));

        // The pictures of a window opened by the lesson end their menus with the two actions.
        for (const char* form : {"arxiki", "cut_rays"}) {
            FormView* view = second.view().view_of(form);
            QVERIFY(view != nullptr);
            QWidget* picture = view->client_picture()
                                   ? static_cast<QWidget*>(view->client_picture())
                                   : view->widget_for("Picture1");
            QVERIFY(picture != nullptr);
            QVERIFY(picture->actions().contains(second.save_action()));
            QVERIFY(picture->actions().contains(second.open_action()));
        }
        QCOMPARE(second.save_action()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QCOMPARE(second.open_action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    }

    // A lesson that opens the theory window on small drops, starts the Lee diagram and cancels
    // it. Opened, its computations run in the background like the user's did, so the Cancel
    // reaches the diagram.
    void lessonComputationsRunInTheBackgroundAndCancelReachesThem() {
        QTemporaryDir dir;
        const QString file = dir.filePath("lee.json");
        const Lesson lesson{Screen{},
                            {{Step::Action::click, "arxiki", "Command7", 0},
                             {Step::Action::set, "theoria", "radius", 301},
                             {Step::Action::click, "theoria", "lee_start", 0},
                             {Step::Action::click, "theoria", "lee_cancel", 0}}};
        QVERIFY(write_lesson_file(lesson, file.toStdString()));
        LessonSession session(Screen{});
        QString error;
        QVERIFY2(session.open_lesson(file, &error), qPrintable(error));
        TheoryWindow& theory = session.program().theoria();
        QVERIFY(theory.lee_running());  // its end comes through the event loop
        QTRY_VERIFY_WITH_TIMEOUT(!theory.lee_running(), 120000);
        QVERIFY(theory.lee_rows_done() >= 1);
        QVERIFY(theory.lee_rows_done() < std::size_t(theory.lee_settings().rows));
    }

    void shortcutsOpenFileDialogs_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("save") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QTest::newRow("open") << QKeySequence(Qt::CTRL | Qt::Key_O);
    }

    void shortcutsOpenFileDialogs() {
        QFETCH(QKeySequence, keys);
        LessonSession session(Screen{});
        QMainWindow* window = session.view().view_of("arxiki")->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        bool dialog = false;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog = true;
                d->reject();
            }
        });
        QTest::keySequence(window, keys);
        QVERIFY(dialog);
    }

    void badLessonChangesNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("named");
        const QByteArray head = R"({"version": 1, "screen": {"width": 1920, "height": 1080}, )";
        QTest::newRow("a step that cannot be taken") << head + R"("steps": [
            {"action": "click", "form": "arxiki", "control": "parallel"},
            {"action": "set", "form": "arxiki", "control": "goniatheta", "value": 120}]})"
                                                     << "step 2: arxiki.goniatheta";
        QTest::newRow("a number beyond a double")
            << head + R"("steps": [{"action": "set", "form": "arxiki", "control": "goniatheta",
                           "value": 1e400}]})"
            << "number overflow";
        QTest::newRow("text after a NUL byte")
            << head + QByteArray(R"("steps": []})") + QByteArray(1, '\0') + "garbage"
            << "NUL byte";
        QTest::newRow("a key given twice") << head + R"("steps": [], "steps": []})"
                                           << "'steps' is given twice";
        QTest::newRow("a newline in a name")
            << head + R"("steps": [{"action": "click", "form": "a\nb", "control": "c"}]})"
            << "'a\\nb'";
    }

    // The desktop's lesson opening: the message names what is wrong on one line, and the
    // program the user had stays as it was.
    void badLessonChangesNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, named);
        QTemporaryDir dir;
        const QString file = dir.filePath("bad.json");
        QFile bad(file);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(text);
        bad.close();

        LessonSession session(Screen{});
        act(session, Step::Action::set, "arxiki", "arithaktinon", 12);
        Program* before = &session.program();
        const std::string state = state_of(session.program());
        QString error;
        QVERIFY(!session.open_lesson(file, &error));
        QVERIFY2(error.contains(named), qPrintable(error));
        QVERIFY(!error.contains('\n'));
        QCOMPARE(&session.program(), before);
        QCOMPARE(state_of(session.program()), state);
        QCOMPARE(session.program().steps().size(), std::size_t(1));
    }
};

QTEST_MAIN(LessonSessionTest)
#include "test_lesson_session.moc"
