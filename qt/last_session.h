#pragma once

#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "app/lesson.h"

namespace rainbow {

// Keeps the session running as a lesson in the user's state folder, so that a crash, a power
// cut or END loses nothing: at most twice a second, when the lesson has changed, its compacted
// text is written off the interface's thread, into a temporary file renamed into place. The
// session before this one is kept beside it until the next start.
class LastSession : public QObject {
    Q_OBJECT

public:
    // Keeps the lesson `lesson` gives. Moves the file of the session before aside first.
    explicit LastSession(std::function<Lesson()> lesson);
    ~LastSession() override;

    // The file of this session, and that of the session before it (which may not exist).
    static QString file();
    static QString previous_file();

    // Writes now if the lesson has changed, and waits for the writing to end.
    void flush();

private:
    void write_if_changed();

    std::function<Lesson()> lesson_;
    QTimer timer_;
    std::string written_;
    QFuture<bool> writing_;
};

}  // namespace rainbow
