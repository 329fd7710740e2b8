#include "qt/focus_frame.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace rainbow {
namespace {

constexpr int frame_pixels = 2;

// The application's style, with the frame drawn over a focused scroll bar or push button.
class FocusFrameStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ScrollBar) draw_frame(*option, *painter);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton) draw_frame(*option, *painter);
    }

private:
    static void draw_frame(const QStyleOption& option, QPainter& painter) {
        if (!(option.state & State_HasFocus)) return;
        painter.save();
        QPen pen(option.palette.color(QPalette::Highlight), frame_pixels);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal inset = frame_pixels / 2.0;
        painter.drawRect(QRectF(option.rect).adjusted(inset, inset, -inset, -inset));
        painter.restore();
    }
};

QStyle& focus_frame_style() {
    static QPointer<FocusFrameStyle> style;
    if (style.isNull()) {
        style = new FocusFrameStyle;
        // The application owns it; widgets only borrow it.
        style->setParent(qApp);
    }
    return *style;
}

}  // namespace

void show_focus_frame(QWidget& widget) { widget.setStyle(&focus_frame_style()); }

}  // namespace rainbow
