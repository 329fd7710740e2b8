#include "qt/lesson_session.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QStandardPaths>

#include "app/lesson.h"
#include "qt/background_work_qt.h"
#include "qt/example_lessons.h"
#include "qt/last_session.h"
#include "qt/presenter.h"
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

// The text cut to at most `bytes` bytes of UTF-8.
QString fitted(QString text, std::size_t bytes) {
    while (std::size_t(text.toUtf8().size()) > bytes) text.chop(1);
    return text;
}

QString file_filter() { return LessonSession::tr("Lessons (*.json);;All files (*)"); }

}  // namespace

LessonSession::LessonSession(Screen screen)
    : screen_(screen),
      save_(lesson_action(this, tr("Save lesson…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                          "save_lesson")),
      open_(lesson_action(this, tr("Open lesson…"), QKeySequence(Qt::CTRL | Qt::Key_O),
                          "open_lesson")),
      examples_(lesson_action(this, tr("Example lessons"), QKeySequence(), "example_lessons")),
      present_(
          lesson_action(this, tr("Present lesson…"), QKeySequence(Qt::Key_F5), "present_lesson")),
      add_scene_(lesson_action(this, tr("Add scene…"), QKeySequence(), "add_scene")),
      last_session_(
          lesson_action(this, tr("Open last session"), QKeySequence(), "open_last_session")),
      examples_menu_(std::make_unique<QMenu>()) {
    connect(save_, &QAction::triggered, this, &LessonSession::ask_and_save);
    connect(open_, &QAction::triggered, this, &LessonSession::ask_and_open);
    connect(present_, &QAction::triggered, this, &LessonSession::ask_and_present);
    connect(add_scene_, &QAction::triggered, this, &LessonSession::ask_and_add_scene);
    connect(last_session_, &QAction::triggered, this,
            [this] { open_later(LastSession::previous_file()); });
    last_session_->setVisible(false);
    // The examples are listed when the menu opens: a lesson installed meanwhile is there too.
    examples_->setMenu(examples_menu_.get());
    connect(examples_menu_.get(), &QMenu::aboutToShow, this, &LessonSession::list_examples);
    list_examples();
    start(Lesson{screen_, {}});
}

LessonSession::~LessonSession() {
    kept_.reset();  // written to its end while the program is still there
    presenter_.reset();
    examples_->setMenu(static_cast<QMenu*>(nullptr));
}

void LessonSession::start(const Lesson& lesson) {
    // The scenes of the lesson replayed go on in the lesson recorded from here.
    scene_marks_ = scene_marks_of(lesson);
    // The views go first: they show the program that is replaced. What its windows computed
    // is drawn at once by the new one's (Back in a presented lesson computes nothing again).
    view_.reset();
    auto next = std::make_unique<Program>(screen_);
    if (program_) next->share_kept_results(*program_);
    program_ = std::move(next);
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
    view_->add_picture_action(examples_);
    view_->add_picture_action(present_);
    view_->add_picture_action(add_scene_);
    view_->add_picture_action(last_session_);
    connect(view_.get(), &ProgramView::ended, this, &LessonSession::ended);
}

void LessonSession::keep_last_session() {
    kept_ = std::make_unique<LastSession>([this] { return recorded_lesson(); });
    // The session before this one, offered when it did something.
    last_session_->setVisible(QFileInfo(LastSession::previous_file()).size() > 0);
}

Lesson LessonSession::recorded_lesson() const {
    return with_scenes(lesson_of(*program_), scene_marks_);
}

void LessonSession::add_scene(const QString& title, const QString& note) {
    add_scene_mark(scene_marks_, program_->steps().size(), LessonText{title.toStdString(), {}},
                   LessonText{note.toStdString(), {}});
}

bool LessonSession::save_lesson(const QString& file, QString* error) {
    if (write_lesson_file(recorded_lesson(), file.toStdString())) return true;
    if (error) *error = tr("Cannot write the lesson to %1.").arg(file);
    return false;
}

std::optional<Lesson> LessonSession::read_checked(const QString& file, QString* error) const {
    try {
        // Replayed on the screen the windows are laid out for here.
        return open_lesson_file(file.toStdString(), screen_);
    } catch (const BadLesson& e) {
        if (error) *error = QString::fromStdString(e.what());
        return std::nullopt;
    }
}

bool LessonSession::open_lesson(const QString& file, QString* error) {
    const std::optional<Lesson> lesson = read_checked(file, error);
    if (!lesson) return false;
    presenter_.reset();
    start(*lesson);
    return true;
}

bool LessonSession::present_lesson(const QString& file, QString* error) {
    std::optional<Lesson> lesson = read_checked(file, error);
    if (!lesson) return false;
    presenter_ = std::make_unique<Presenter>(
        std::move(*lesson), [this](const Lesson& part) { start(part); },
        [this] { return view_.get(); });
    connect(
        presenter_.get(), &Presenter::finished, this, [this] { presenter_.reset(); },
        Qt::QueuedConnection);
    presenter_->begin();
    return true;
}

QWidget* LessonSession::dialog_parent() const { return QApplication::activeWindow(); }

void LessonSession::list_examples() {
    examples_menu_->clear();
    const QString folder = example_lessons_folder();
    for (const ExampleLesson& example : example_lessons(folder, ui_language())) {
        QAction* action = examples_menu_->addAction(example.title);
        action->setData(example.file);
        connect(action, &QAction::triggered, this,
                [this, file = example.file] { open_later(file); });
    }
    examples_->setEnabled(!examples_menu_->isEmpty());
}

QString LessonSession::dialog_folder() const {
    if (!last_folder_.isEmpty()) return last_folder_;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void LessonSession::ask_and_save() {
    // Not the static dialog: a name without a suffix becomes a .json lesson, which the open
    // dialog lists, and the dialog's own question before replacing a file still comes.
    QFileDialog dialog(dialog_parent(), tr("Save lesson"), dialog_folder(), file_filter());
    dialog.setObjectName(QStringLiteral("save_lesson_dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().constFirst();
    last_folder_ = QFileInfo(file).absolutePath();
    QString error;
    if (!save_lesson(file, &error)) {
        QMessageBox::warning(dialog_parent(), tr("Save lesson"), error);
    }
}

void LessonSession::ask_and_open() {
    const QString file = QFileDialog::getOpenFileName(dialog_parent(), tr("Open lesson"),
                                                      dialog_folder(), file_filter());
    if (file.isEmpty()) return;
    last_folder_ = QFileInfo(file).absolutePath();
    open_later(file);
}

void LessonSession::ask_and_present() {
    const QString file = QFileDialog::getOpenFileName(dialog_parent(), tr("Present lesson"),
                                                      dialog_folder(), file_filter());
    if (file.isEmpty()) return;
    last_folder_ = QFileInfo(file).absolutePath();
    QTimer::singleShot(0, this, [this, file] {
        QString error;
        if (!present_lesson(file, &error)) {
            QMessageBox::warning(dialog_parent(), tr("Present lesson"),
                                 tr("This lesson cannot be opened: %1").arg(error));
        }
    });
}

void LessonSession::ask_and_add_scene() {
    bool ok = false;
    const QString title =
        QInputDialog::getText(dialog_parent(), tr("Add scene"), tr("Title of the new scene:"),
                              QLineEdit::Normal, QString(), &ok);
    if (!ok) return;
    const QString note =
        QInputDialog::getMultiLineText(dialog_parent(), tr("Add scene"),
                                       tr("A note for the class (may be empty):"), QString(), &ok);
    if (!ok) return;
    // A title stays on one line, within what a lesson allows.
    add_scene(fitted(title.simplified(), largest_title_bytes), fitted(note, largest_note_bytes));
}

void LessonSession::open_later(const QString& file) {
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
