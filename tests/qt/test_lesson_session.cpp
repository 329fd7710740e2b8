#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <sstream>

#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"
#include "qt/caption_bar.h"
#include "qt/example_lessons.h"
#include "qt/last_session.h"
#include "qt/lesson_session.h"
#include "qt/picture_widget.h"
#include "qt/presenter.h"
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
    // The last session is kept in a folder of the tests, not the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The session is kept as it goes, compacted, and offered at the next start, however the
    // program ended; opened, it comes back exactly.
    void lastSessionIsKeptAndOffered() {
        QFile::remove(LastSession::file());
        QFile::remove(LastSession::previous_file());
        std::string state;
        {
            LessonSession first(Screen{});
            first.keep_last_session();
            QVERIFY(!first.last_session_action()->isVisible());
            act(first, Step::Action::click, "arxiki", "parallel");
            for (int value = 1; value <= 61; ++value) {
                act(first, Step::Action::set, "arxiki", "arithaktinon", value);
            }
            act(first, Step::Action::set, "arxiki", "goniatheta", 59);
            // Written within half a second, off the interface's thread.
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(LastSession::file()).size() > 0, 2000);
            QTRY_COMPARE_WITH_TIMEOUT(
                read_lesson_file(LastSession::file().toStdString()).steps.size(), std::size_t(3),
                2000);
            state = state_of(first.program());
            // The file stays as it is when the session ends without a word (a crash).
            first.last_session()->flush();
        }
        LessonSession second(Screen{});
        second.keep_last_session();
        QVERIFY(second.last_session_action()->isVisible());
        QVERIFY(QFileInfo::exists(LastSession::previous_file()));
        second.last_session_action()->trigger();
        QTRY_COMPARE(state_of(second.program()), state);
    }

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
    // reaches the diagram: an older lesson's Cancel keeps the row under way, one that recorded
    // its rows keeps those, however fast the rows come here, and the session records them
    // again. Opened once more, the rows computed are drawn at once.
    void lessonComputationsRunInTheBackgroundAndCancelReachesThem() {
        QTemporaryDir dir;
        const QString file = dir.filePath("lee.json");
        for (const std::optional<int> rows : {std::optional<int>(), std::optional<int>(3)}) {
            const Lesson lesson{Screen{},
                                {{Step::Action::click, "arxiki", "Command7", 0},
                                 {Step::Action::set, "theoria", "radius", 301},
                                 {Step::Action::click, "theoria", "lee_start", 0},
                                 {Step::Action::click, "theoria", "lee_cancel", 0, rows}}};
            QVERIFY(write_lesson_file(lesson, file.toStdString()));
            LessonSession session(Screen{});
            QString error;
            QVERIFY2(session.open_lesson(file, &error), qPrintable(error));
            TheoryWindow& theory = session.program().theoria();
            QVERIFY(theory.lee_running());  // its end comes through the event loop
            QTRY_VERIFY_WITH_TIMEOUT(!theory.lee_running(), 120000);
            const std::size_t shown = rows ? std::size_t(*rows) : 1;
            QCOMPARE(theory.lee_rows_done(), shown);
            QCOMPARE(session.recorded_lesson().steps.back().rows, std::optional<int>(int(shown)));
            if (!rows) continue;
            const auto kept = session.program().kept_results("theoria");
            QVERIFY2(session.open_lesson(file, &error), qPrintable(error));
            QCOMPARE(session.program().kept_results("theoria"), kept);
            QCOMPARE(session.program().theoria().lee_rows_done(), shown);
        }
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

    // "rainbow-lesson" is saved as rainbow-lesson.json, which the open dialog lists; saved
    // again, the dialog asks before replacing it.
    void saveGivesTheJsonSuffixAndAsksBeforeReplacing() {
        QTemporaryDir dir;
        LessonSession session(Screen{});
        act(session, Step::Action::set, "arxiki", "arithaktinon", 12);
        for (const bool again : {false, true}) {
            bool asked = false;
            QTimer::singleShot(0, [&] {
                auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(d != nullptr);
                QCOMPARE(d->defaultSuffix(), QStringLiteral("json"));
                QVERIFY(d->nameFilters().join(';').contains("*.json"));
                QTimer::singleShot(0, [&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        asked = true;
                        box->button(QMessageBox::Yes)->click();
                    }
                });
                d->selectFile(dir.filePath("rainbow-lesson"));
                static_cast<QDialog*>(d)->accept();  // as its Save button does
            });
            session.save_action()->trigger();
            QCOMPARE(asked, again);
            QVERIFY(QFileInfo::exists(dir.filePath("rainbow-lesson.json")));
            QVERIFY(!QFileInfo::exists(dir.filePath("rainbow-lesson")));
        }
        QString error;
        QVERIFY2(session.open_lesson(dir.filePath("rainbow-lesson.json"), &error),
                 qPrintable(error));
    }

    // Run from the build folder, the checkout's lessons are offered by their titles, in the
    // user's language; choosing one opens it.
    void exampleLessonsAreListedByTitleAndOpen() {
        LessonSession session(Screen{});
        QMenu* menu = session.examples_action()->menu();
        QVERIFY(menu != nullptr);
        QStringList titles;
        for (QAction* a : menu->actions()) titles << a->text();
        QVERIFY2(titles.contains("The primary rainbow"), qPrintable(titles.join(", ")));
        QVERIFY(titles.size() >= 4);
        const QList<ExampleLesson> greek = example_lessons(example_lessons_folder(), "el");
        QVERIFY(std::any_of(greek.begin(), greek.end(), [](const ExampleLesson& e) {
            return e.title == QString::fromUtf8("Το κύριο ουράνιο τόξο");
        }));
        QWidget* picture = session.view().view_of("arxiki")->widget_for("Picture1");
        QVERIFY(picture != nullptr && picture->actions().contains(session.examples_action()));

        QAction* primary = menu->actions().at(titles.indexOf("The primary rainbow"));
        const Lesson lesson = read_lesson_file(primary->data().toString().toStdString());
        primary->trigger();
        QTRY_COMPARE(session.program().steps(), lesson.steps);
    }

    // Presented, a guided lesson goes scene by scene with Page Down and Page Up; what the
    // teacher moves between scenes is undone by the next scene, and the caption bar shows
    // each scene's title and note.
    void presentedLessonStepsThroughItsScenes() {
        const QString file = QStringLiteral(LESSONS_DIR "/primary-bow.json");
        const Lesson lesson = read_lesson_file(file.toStdString());
        LessonSession session(Screen{});
        QString error;
        QVERIFY2(session.present_lesson(file, &error), qPrintable(error));
        Presenter* presenter = session.presenter();
        QVERIFY(presenter != nullptr);
        const auto at_end_of = [&](std::size_t k) {
            return std::vector<Step>(lesson.steps.begin(),
                                     lesson.steps.begin() + std::ptrdiff_t(scene_end(lesson, k)));
        };
        const auto fresh_state = [&](std::size_t k) {
            Program program(Screen{});
            for (const Step& step : at_end_of(k)) take_step(program, step);
            return state_of(program);
        };
        const auto shows = [&](std::size_t k) {
            QCOMPARE(presenter->scene(), int(k));
            QCOMPARE(session.program().steps(), at_end_of(k));
            QCOMPARE(state_of(session.program()), fresh_state(k));
            QCOMPARE(presenter->caption_bar().title(),
                     QString::fromStdString(lesson.scenes[k].title.in("en")));
            QCOMPARE(presenter->caption_bar().note(),
                     QString::fromStdString(lesson.scenes[k].note.in("en")));
            QVERIFY(presenter->caption_bar().isVisible());
        };
        shows(0);
        const auto key = [&](Qt::Key k) {
            QWidget* window = session.view().view_of("arxiki")->window();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
            QTest::keyClick(target, k);
            QCoreApplication::processEvents();  // the scene changes once the key is over
        };
        key(Qt::Key_PageDown);
        shows(1);
        // The teacher moves a control; the next scene starts from the end of this one.
        act(session, Step::Action::set, "arxiki", "goniatheta", 40);
        key(Qt::Key_PageDown);
        shows(2);
        key(Qt::Key_PageUp);
        shows(1);
        // The arrows step only when no control has the focus.
        session.view().view_of("arxiki")->widget_for("goniatheta")->setFocus();
        if (QApplication::focusWidget() != nullptr) {
            key(Qt::Key_Right);  // moves the bar
            QCOMPARE(presenter->scene(), 1);
        }
        session.view().view_of("arxiki")->window()->setFocus();
        for (std::size_t k = 2; k < scene_count(lesson); ++k) {
            key(Qt::Key_PageDown);
            shows(k);
        }
        key(Qt::Key_PageDown);  // past the last scene nothing changes
        shows(scene_count(lesson) - 1);
    }

    // "Add scene…" starts a scene at the next step: the saved lesson has the scenes, the steps
    // before the first one in an untitled scene of their own.
    void addedScenesAreSaved() {
        QTemporaryDir dir;
        LessonSession session(Screen{});
        act(session, Step::Action::click, "arxiki", "parallel");
        session.add_scene("A beam", "Sixty-one rays.");
        act(session, Step::Action::set, "arxiki", "arithaktinon", 61);
        act(session, Step::Action::set, "arxiki", "goniatheta", 0);
        session.add_scene("Skipped", "");
        session.add_scene(QString::fromUtf8("Η ακτίνα"), "");
        act(session, Step::Action::set, "arxiki", "goniatheta", 59);
        const QString file = dir.filePath("scenes.json");
        QVERIFY(session.save_lesson(file));
        const Lesson saved = read_lesson_file(file.toStdString());
        QCOMPARE(saved.steps, session.program().steps());
        QCOMPARE(scene_count(saved), std::size_t(3));
        QVERIFY(saved.scenes[0].title.empty());
        QCOMPARE(saved.scenes[1].title.in("en"), std::string("A beam"));
        QCOMPARE(saved.scenes[1].note.in("en"), std::string("Sixty-one rays."));
        QCOMPARE(saved.scenes[2].title.in("el"), std::string("Η ακτίνα"));
        QCOMPARE(scene_start(saved, 2), std::size_t(3));
        // Opened again, the scenes go on in what is recorded next.
        LessonSession again(Screen{});
        QString error;
        QVERIFY2(again.open_lesson(file, &error), qPrintable(error));
        QCOMPARE(again.recorded_lesson().scenes, saved.scenes);
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
