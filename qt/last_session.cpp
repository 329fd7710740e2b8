#include "qt/last_session.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtConcurrent>

#include "app/compact_lesson.h"

namespace rainbow {
namespace {

constexpr int milliseconds_between_writes = 500;

QString state_folder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

bool write_atomically(const QString& path, const std::string& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.data(), qint64(text.size()));
    return file.commit();
}

}  // namespace

QString LastSession::file() { return state_folder() + QStringLiteral("/last-session.json"); }

QString LastSession::previous_file() {
    return state_folder() + QStringLiteral("/previous-session.json");
}

LastSession::LastSession(std::function<Lesson()> lesson) : lesson_(std::move(lesson)) {
    if (QFile::exists(file())) {
        QFile::remove(previous_file());
        QFile::rename(file(), previous_file());
    }
    timer_.setInterval(milliseconds_between_writes);
    connect(&timer_, &QTimer::timeout, this, &LastSession::write_if_changed);
    timer_.start();
}

LastSession::~LastSession() { flush(); }

void LastSession::write_if_changed() {
    // One writing at a time; what changed meanwhile is written at the next tick.
    if (writing_.isRunning()) return;
    const Lesson lesson = lesson_();
    if (lesson.steps.empty() && written_.empty()) return;  // nothing done yet: keep the file before
    std::string text = lesson_json(compacted(lesson));
    if (text == written_) return;
    written_ = text;
    writing_ = QtConcurrent::run(write_atomically, file(), std::move(text));
}

void LastSession::flush() {
    writing_.waitForFinished();
    write_if_changed();
    writing_.waitForFinished();
}

}  // namespace rainbow
