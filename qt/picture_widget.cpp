#include "qt/picture_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "forms/screen.h"
#include "qt/fonts.h"

namespace rainbow {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the cache: Qt need not erase the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::set_surface(const Surface* surface) {
    if (surface == surface_) return;
    surface_ = surface;
    raster_.invalidate();
    update();
}

double PictureWidget::min_text_pixels() const {
    if (surface_ == nullptr) return 0;
    const double designed =
        picture_font_twips / twips_per_pixel * surface_->growth().at(width(), height());
    return std::min(desktop_text_pixels(), largest_text_growth * designed);
}

void PictureWidget::refresh() {
    if (!raster_.current(surface_)) update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    raster_.update(surface_, size(), devicePixelRatioF(), min_text_pixels());
    const QImage& cache = raster_.image();
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = cache.devicePixelRatio();
    painter.drawImage(dirty, cache,
                      QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio,
                             dirty.height() * ratio));
}

}  // namespace rainbow
