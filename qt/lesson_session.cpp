#include "qt/lesson_session.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include "app/lesson.h"
#include "qt/background_work_qt.h"
#include "qt/translations.h"

namespace rainbow {
namespace {

QAction* lesson_action(QObject* owner, const QString& text, const QKeySequence& keys,
                       const char* name) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
}

QString file_filter() { return LessonSession::tr("Lessons (*.json);;All files (*)"); }

}  // namespace

LessonSession::LessonSession(Screen screen)
    : screen_(screen),
      save_(lesson_action(this, tr("Save lesson…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                          "save_lesson")),
      open_(lesson_action(this, tr("Open lesson…"), QKeySequence(Qt::CTRL | Qt::Key_O),
                          "open_lesson")) {
    connect(save_, &QAction::triggered, this, &LessonSession::ask_and_save);
    connect(open_, &QAction::triggered, this, &LessonSession::ask_and_open);
    start(Lesson{screen_, {}});
}

LessonSession::~LessonSession() = default;

void LessonSession::start(const Lesson& lesson) {
    // The views go first: they show the program that is replaced.
    view_.reset();
    program_ = std::make_unique<Program>(screen_);
    program_->set_translate(translate_core);
    // Long computations run on a thread pool, those of a lesson's steps as well: a window made
    // while the lesson is replayed keeps its runner, and Cancel must reach what it started.
    // The views follow each result as it comes; none comes before they exist.
    program_->set_background_work_factory([this] {
        return std::make_unique<QtBackgroundWork>([this] {
            if (view_) view_->sync();
        });
    });
    replay(*program_, lesson);
    view_ = std::make_unique<ProgramView>(*program_);
    view_->add_picture_action(save_);
    view_->add_picture_action(open_);
    connect(view_.get(), &ProgramView::ended, this, &LessonSession::ended);
}

bool LessonSession::save_lesson(const QString& file, QString* error) {
    if (write_lesson_file(lesson_of(*program_), file.toStdString())) return true;
    if (error) *error = tr("Cannot write the lesson to %1.").arg(file);
    return false;
}

bool LessonSession::open_lesson(const QString& file, QString* error) {
    Lesson lesson;
    try {
        // Replayed on the screen the windows are laid out for here.
        lesson = open_lesson_file(file.toStdString(), screen_);
    } catch (const BadLesson& e) {
        if (error) *error = QString::fromStdString(e.what());
        return false;
    }
    start(lesson);
    return true;
}

QWidget* LessonSession::dialog_parent() const { return QApplication::activeWindow(); }

void LessonSession::ask_and_save() {
    const QString file =
        QFileDialog::getSaveFileName(dialog_parent(), tr("Save lesson"), QString(), file_filter());
    if (file.isEmpty()) return;
    QString error;
    if (!save_lesson(file, &error)) {
        QMessageBox::warning(dialog_parent(), tr("Save lesson"), error);
    }
}

void LessonSession::ask_and_open() {
    const QString file =
        QFileDialog::getOpenFileName(dialog_parent(), tr("Open lesson"), QString(), file_filter());
    if (file.isEmpty()) return;
    // The windows that asked are replaced: open once their event is over.
    QTimer::singleShot(0, this, [this, file] {
        QString error;
        if (!open_lesson(file, &error)) {
            QMessageBox::warning(dialog_parent(), tr("Open lesson"),
                                 tr("This lesson cannot be opened: %1").arg(error));
        }
    });
}

}  // namespace rainbow
