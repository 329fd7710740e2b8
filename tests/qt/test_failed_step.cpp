// A step whose handler fails in the desktop program: the user is told in a message box in
// their language, the windows are put back as they were, and the lesson keeps no such step.
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QtTest>
#include <stdexcept>

#include "app/program.h"
#include "qt/program_view.h"
#include "qt/translations.h"
#include "rainbow/main_window.h"

using namespace rainbow;

namespace {

QMessageBox* failure_box(ProgramView& view) {
    return view.view_of("arxiki")->window()->findChild<QMessageBox*>("failed_step");
}

// Makes Command2's handler fail halfway: it has cleared the picture, moved a scroll bar
// (whose own handler redraws) and written a label when it throws.
void break_command2(MainWindow& w) {
    w.Command2.on_click = [&w] {
        w.Picture1.surface().cls();
        w.arithaktinon.set_value(40);
        w.Label1.caption = "half done";
        throw std::runtime_error("a handler made to fail");
    };
}

}  // namespace

class FailedStepTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedStepLeavesTheWindowsAndTheLessonAsBefore() {
        install_translations(*QCoreApplication::instance(), QLocale(QLocale::English));
        Program program;
        ProgramView view(program);
        MainWindow& w = program.arxiki();
        const Step kept{Step::Action::set, "arxiki", "goniatheta", 30};
        view.take_step(kept);
        const std::vector<Item> picture = w.Picture1.surface().items();
        const auto generation = w.Picture1.surface().generation();
        const std::string label1 = w.Label1.caption;
        const std::string label4 = w.Label4.caption;
        break_command2(w);

        view.take_step(Step{Step::Action::click, "arxiki", "Command2", 0});
        QCOMPARE(program.steps().size(), std::size_t(1));
        QVERIFY(program.steps().front() == kept);
        QVERIFY(w.Picture1.surface().items() == picture);
        QVERIFY(w.Picture1.surface().generation() != generation);  // repainted from the list
        QCOMPARE(w.arithaktinon.value(), 1);
        QCOMPARE(w.Label1.caption, label1);
        QCOMPARE(w.Label4.caption, label4);

        QMessageBox* box = failure_box(view);
        QVERIFY(box != nullptr);
        QVERIFY(box->text().contains("click arxiki.Command2"));
        QVERIFY(box->text().contains("a handler made to fail"));
        box->close();

        // The program goes on: the next step is taken and kept.
        view.take_step(Step{Step::Action::set, "arxiki", "arithaktinon", 5});
        QCOMPARE(program.steps().size(), std::size_t(2));
        QCOMPARE(w.Label4.caption, std::string("No of rays = 5"));
    }

    void theMessageIsInTheUsersLanguage() {
        QCOMPARE(install_translations(*QCoreApplication::instance(), QLocale(QLocale::Greek)),
                 QString("el"));
        Program program;
        ProgramView view(program);
        break_command2(program.arxiki());
        view.take_step(Step{Step::Action::click, "arxiki", "Command2", 0});
        QMessageBox* box = failure_box(view);
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QString("Το βήμα απέτυχε"));
        QVERIFY(box->text().contains("a handler made to fail"));
        box->close();
        install_translations(*QCoreApplication::instance(), QLocale(QLocale::English));
    }
};

QTEST_MAIN(FailedStepTest)
#include "test_failed_step.moc"
