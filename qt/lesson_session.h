#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "app/program.h"
#include "qt/program_view.h"

class QAction;
class QWidget;

namespace rainbow {

struct Lesson;

// The desktop program's running program with its windows, and the two lesson actions:
// "Save lesson…" (Ctrl+Shift+S) writes the steps taken since start-up, "Open lesson…"
// (Ctrl+O) starts the program afresh and replays a lesson. Both end every picture's context
// menu, and their shortcuts work in every window.
class LessonSession : public QObject {
    Q_OBJECT

public:
    explicit LessonSession(Screen screen);
    ~LessonSession() override;

    Program& program() const { return *program_; }
    ProgramView& view() const { return *view_; }
    QAction* save_action() const { return save_; }
    QAction* open_action() const { return open_; }

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
    void ask_and_save();
    void ask_and_open();
    QWidget* dialog_parent() const;

    Screen screen_;
    QAction* save_;
    QAction* open_;
    std::unique_ptr<ProgramView> view_;
    std::unique_ptr<Program> program_;
};

}  // namespace rainbow
