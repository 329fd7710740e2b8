#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "app/lesson.h"
#include "app/presentation.h"
#include "app/program.h"
#include "qt/program_view.h"

class QAction;
class QMenu;
class QWidget;

namespace rainbow {

class LastSession;
class Presenter;

// The desktop program's running program with its windows, and the lesson actions:
// "Save lesson…" (Ctrl+Shift+S) writes the steps taken since start-up, "Open lesson…"
// (Ctrl+O) starts the program afresh and replays a lesson, "Example lessons" opens one of the
// lessons that come with the program, "Present lesson…" opens one to be taught scene by scene
// and "Add scene…" starts a new scene, with a title and a note, in the lesson being recorded.
// They end every picture's context menu, and their shortcuts work in every window.
class LessonSession : public QObject {
    Q_OBJECT

public:
    explicit LessonSession(Screen screen);
    ~LessonSession() override;

    Program& program() const { return *program_; }
    ProgramView& view() const { return *view_; }
    QAction* save_action() const { return save_; }
    QAction* open_action() const { return open_; }
    QAction* examples_action() const { return examples_; }
    QAction* present_action() const { return present_; }
    QAction* add_scene_action() const { return add_scene_; }
    QAction* last_session_action() const { return last_session_; }
    // Keeps the session in the user's state folder from now on (the desktop program does;
    // the render command and the soak never make a LessonSession).
    void keep_last_session();
    LastSession* last_session() const { return kept_.get(); }

    // The lesson recorded so far, with the scenes begun with "Add scene…" (and those of the
    // lesson opened, when its steps are still the first ones taken).
    Lesson recorded_lesson() const;
    // Starts a new scene at the next step.
    void add_scene(const QString& title, const QString& note);
    // Opens the lesson as open_lesson does and presents it from its first scene.
    bool present_lesson(const QString& file, QString* error = nullptr);
    // The lesson being presented, or null.
    Presenter* presenter() const { return presenter_.get(); }

    // Writes the lesson of the program as it stands; false, with the reason, when it cannot.
    bool save_lesson(const QString& file, QString* error = nullptr);
    // Reads the lesson and replays all of it on a scratch program. Only when every step can be
    // taken is the program started afresh and the lesson replayed on it; otherwise nothing
    // changes and `error` says what is wrong, in one line.
    bool open_lesson(const QString& file, QString* error = nullptr);

signals:
    // The program has ended: the application should quit.
    void ended();

private:
    void start(const Lesson& lesson);
    // The lesson in `file` when every step of it can be taken on this screen; otherwise
    // nothing, and `error` says why.
    std::optional<Lesson> read_checked(const QString& file, QString* error) const;
    void ask_and_save();
    void ask_and_open();
    void open_later(const QString& file);
    void ask_and_present();
    void ask_and_add_scene();
    void list_examples();
    QWidget* dialog_parent() const;
    // Where the file dialogs start: the folder of the last lesson saved or opened, else the
    // user's documents.
    QString dialog_folder() const;

    Screen screen_;
    QString last_folder_;
    QAction* save_;
    QAction* open_;
    QAction* examples_;
    QAction* present_;
    QAction* add_scene_;
    QAction* last_session_;
    std::unique_ptr<QMenu> examples_menu_;
    // The scenes recorded: each from its first step to the next one's.
    std::vector<SceneMark> scene_marks_;
    std::unique_ptr<Presenter> presenter_;
    std::unique_ptr<LastSession> kept_;
    std::unique_ptr<ProgramView> view_;
    std::unique_ptr<Program> program_;
};

}  // namespace rainbow
