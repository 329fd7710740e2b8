#pragma once

#include <QList>
#include <QString>

namespace rainbow {

// A lesson that comes with the program: its file and its title in the user's language (its
// file name when it has no title).
struct ExampleLesson {
    QString file;
    QString title;
};

// The folder of the example lessons: share/rainbow/lessons beside the installed program, or in
// the data folders of the desktop (XDG_DATA_DIRS), or the checkout's lessons/ when the program
// runs from its build folder. Empty when there is none.
QString example_lessons_folder();

// The lessons in `folder` that can be read, in the order of their titles. A file that is not
// a lesson is left out.
QList<ExampleLesson> example_lessons(const QString& folder, const QString& language);

}  // namespace rainbow
