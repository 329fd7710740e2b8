#include "qt/example_lessons.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "app/lesson.h"

namespace rainbow {

QString example_lessons_folder() {
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/rainbow/lessons")};
    candidates += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("rainbow/lessons"),
                                            QStandardPaths::LocateDirectory);
#ifdef RAINBOW_CHECKOUT_LESSONS
    // A program run from the build folder of a checkout: the checkout's own lessons.
    if (QFileInfo::exists(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../CMakeCache.txt"))) {
        candidates.prepend(QStringLiteral(RAINBOW_CHECKOUT_LESSONS));
    }
#endif
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir()) return QDir::cleanPath(folder);
    }
    return {};
}

QList<ExampleLesson> example_lessons(const QString& folder, const QString& language) {
    QList<ExampleLesson> lessons;
    if (folder.isEmpty()) return lessons;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        const QString file = dir.filePath(name);
        try {
            const Lesson lesson = read_lesson_file(file.toStdString());
            QString title = QString::fromStdString(lesson.title.in(language.toStdString()));
            if (title.isEmpty()) title = QFileInfo(name).completeBaseName();
            lessons.append({file, title});
        } catch (const BadLesson&) {
            // Not a lesson: not offered.
        }
    }
    QCollator collator{QLocale(language)};
    std::sort(lessons.begin(), lessons.end(), [&](const ExampleLesson& a, const ExampleLesson& b) {
        return collator.compare(a.title, b.title) < 0;
    });
    return lessons;
}

}  // namespace rainbow
