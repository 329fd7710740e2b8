#include "qt/picture_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "qt/display_list_painter.h"
#include "qt/fonts.h"

namespace rainbow {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the cache: Qt need not erase the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::set_surface(const Surface* surface) {
    if (surface == surface_) return;
    surface_ = surface;
    cache_valid_ = false;
    update();
}

void PictureWidget::refresh() {
    if (!cache_current()) update();
}

bool PictureWidget::cache_current() const {
    if (!cache_valid_ || surface_ == nullptr) return cache_valid_;
    return surface_->generation() == cached_generation_ &&
           surface_->items().size() == cached_items_;
}

void PictureWidget::bring_cache_up_to_date() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    const bool same_raster = cache_valid_ && cache_.size() == pixels &&
                             cache_.devicePixelRatio() == ratio;
    const std::size_t count = surface_ ? surface_->items().size() : 0;
    const std::uint64_t generation = surface_ ? surface_->generation() : 0;
    std::size_t first = 0;
    if (same_raster && generation == cached_generation_ && count >= cached_items_) {
        if (count == cached_items_) return;
        first = cached_items_;
    } else {
        if (cache_.size() != pixels) cache_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::white);
        ++rebuilds_;
    }
    if (surface_ != nullptr && !pixels.isEmpty()) {
        QPainter painter(&cache_);
        paint_display_list(painter, *surface_, QSizeF(size()), first, desktop_text_pixels());
    }
    items_painted_ += count - first;
    cached_generation_ = generation;
    cached_items_ = count;
    cache_valid_ = true;
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    bring_cache_up_to_date();
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = cache_.devicePixelRatio();
    painter.drawImage(dirty, cache_,
                      QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio,
                             dirty.height() * ratio));
}

}  // namespace rainbow
