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
    : presentation_(std::move(lesson)),
      restart_(std::move(restart)),
      view_(std::move(view)),
      bar_(std::make_unique<CaptionBar>()) {
    qApp->installEventFilter(this);
    // The bar follows the window in front.
    connect(qApp, &QApplication::focusChanged, this, [this] { show_caption(); });
}

Presenter::~Presenter() { qApp->removeEventFilter(this); }

void Presenter::begin() {
    presentation_.begin();
    restart_(presentation_.up_to(0));
    show_caption();
}

bool Presenter::next() {
    const std::size_t shown = presentation_.scene();
    if (!presentation_.next()) return false;
    bring_to_end_of(shown);
    for (const Step& step : presentation_.steps_of(presentation_.scene())) view_()->take_step(step);
    show_caption();
    return true;
}

bool Presenter::back() {
    if (!presentation_.back()) return false;
    bring_to_end_of(presentation_.scene());
    show_caption();
    return true;
}

void Presenter::bring_to_end_of(std::size_t k) {
    const Lesson part = presentation_.up_to(k);
    if (view_()->program().steps() != part.steps) restart_(part);
}

void Presenter::show_caption() {
    ProgramView* view = view_();
    if (view == nullptr) return;
    const std::string language = ui_language().toStdString();
    bar_->show_scene(QString::fromStdString(presentation_.title(language)),
                     QString::fromStdString(presentation_.note(language)),
                     int(presentation_.scene()) + 1, int(presentation_.scenes()));
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
