#include "qt/caption_bar.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

namespace rainbow {

CaptionBar::CaptionBar()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      title_(new QLabel(this)),
      note_(new QLabel(this)),
      where_(new QLabel(this)) {
    setObjectName(QStringLiteral("caption_bar"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    // Light text on a dark band: it reads over any picture, and from the back of a class.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(30, 30, 40));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title_->setFont(big);
    QFont text = font();
    text.setPointSizeF(text.pointSizeF() * 1.25);
    note_->setFont(text);
    note_->setWordWrap(true);
    where_->setFont(text);
    where_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* label : {title_, note_, where_}) label->setTextFormat(Qt::PlainText);
    auto* layout = new QGridLayout(this);
    layout->addWidget(title_, 0, 0);
    layout->addWidget(where_, 0, 1);
    layout->addWidget(note_, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
}

void CaptionBar::show_scene(const QString& title, const QString& note, int scene, int scenes) {
    title_->setText(title);
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    where_->setText(QStringLiteral("%1 / %2").arg(scene).arg(scenes));
    place();
}

void CaptionBar::follow(QWidget* window) {
    if (window == window_ || window == this) {
        place();
        return;
    }
    if (window_) window_->removeEventFilter(this);
    window_ = window;
    if (window_) window_->installEventFilter(this);
    place();
}

QString CaptionBar::title() const { return title_->text(); }
QString CaptionBar::note() const { return note_->text(); }

bool CaptionBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                               event->type() == QEvent::Show)) {
        place();
    }
    return QWidget::eventFilter(watched, event);
}

void CaptionBar::place() {
    if (!window_ || !window_->isVisible()) return;
    const QRect frame = window_->geometry();
    const int width = frame.width();
    const int height =
        std::min(heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height(),
                 frame.height() / 3);
    setGeometry(frame.left(), frame.bottom() + 1 - height, width, height);
    show();
    raise();
}

}  // namespace rainbow
