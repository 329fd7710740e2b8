#include "qt/presenter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>

#include "qt/caption_bar.h"
#include "qt/program_view.h"
#include "qt/translations.h"

namespace rainbow {

Presenter::Presenter(Lesson lesson, std::function<void(const Lesson&)> restart,
                     std::function<ProgramView*()> view)
    : lesson_(std::move(lesson)),
      restart_(std::move(restart)),
      view_(std::move(view)),
      bar_(std::make_unique<CaptionBar>()) {
    qApp->installEventFilter(this);
    // The bar follows the window in front.
    connect(qApp, &QApplication::focusChanged, this, [this] { show_caption(); });
}

Presenter::~Presenter() { qApp->removeEventFilter(this); }

void Presenter::begin() {
    scene_ = 0;
    restart_(up_to(0));
    show_caption();
}

bool Presenter::next() {
    if (std::size_t(scene_) + 1 >= scene_count(lesson_)) return false;
    bring_to_end_of(std::size_t(scene_));
    ++scene_;
    for (std::size_t i = scene_start(lesson_, std::size_t(scene_));
         i < scene_end(lesson_, std::size_t(scene_)); ++i) {
        view_()->take_step(lesson_.steps[i]);
    }
    show_caption();
    return true;
}

bool Presenter::back() {
    if (scene_ == 0) return false;
    --scene_;
    bring_to_end_of(std::size_t(scene_));
    show_caption();
    return true;
}

Lesson Presenter::up_to(std::size_t k) const {
    Lesson part = lesson_;
    part.steps.resize(scene_end(lesson_, k));
    part.scenes.clear();
    return part;
}

void Presenter::bring_to_end_of(std::size_t k) {
    const Lesson part = up_to(k);
    if (view_()->program().steps() != part.steps) restart_(part);
}

void Presenter::show_caption() {
    ProgramView* view = view_();
    if (view == nullptr) return;
    const std::string language = ui_language().toStdString();
    QString title, note;
    if (!lesson_.scenes.empty()) {
        const Scene& scene = lesson_.scenes[std::size_t(scene_)];
        title = QString::fromStdString(scene.title.in(language));
        note = QString::fromStdString(scene.note.in(language));
    } else {
        title = QString::fromStdString(lesson_.title.in(language));
    }
    bar_->show_scene(title, note, scene_ + 1, int(scene_count(lesson_)));
    // The window in front, or else the main window.
    QWidget* front = QApplication::activeWindow();
    if (front == nullptr || front == bar_.get() || !qobject_cast<QMainWindow*>(front)) {
        const auto& views = view->views();
        front = views.empty() ? nullptr : views.front()->window();
    }
    bar_->follow(front);
}

bool Presenter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() != nullptr) {
        return QObject::eventFilter(watched, event);
    }
    // Each key press reaches the filter once for every widget it passes through: only the
    // one sent to the widget with the focus (or to a window) counts.
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (widget == nullptr || (focus != nullptr ? widget != focus : !widget->isWindow())) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool no_control = focus == nullptr || focus->isWindow();
    switch (key->key()) {
        case Qt::Key_PageDown: next(); return true;
        case Qt::Key_PageUp: back(); return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (!no_control) break;
            next();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            if (!no_control) break;
            back();
            return true;
        case Qt::Key_Escape: emit finished(); return true;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rainbow
