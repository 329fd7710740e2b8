#include "qt/picture_raster.h"

#include <QPainter>
#include <cmath>

#include "qt/banded_paint.h"
#include "qt/display_list_painter.h"

namespace rainbow {
namespace {

// Fewer new items than this are painted on the calling thread: handing out bands would cost
// more than it saves.
constexpr std::size_t fewest_items_in_bands = 200;

std::size_t end_of(const Surface* surface) {
    return surface ? surface->baked_count() + surface->items().size() : 0;
}

}  // namespace

bool PictureRaster::current(const Surface* surface) const {
    if (!valid_ || surface == nullptr) return valid_;
    return surface->generation() == generation_ && end_of(surface) == end_;
}

void PictureRaster::update(const Surface* surface, QSize size, qreal ratio,
                           double min_text_pixels) {
    const QSize pixels(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    const bool same_raster =
        valid_ && image_.size() == pixels && image_.devicePixelRatio() == ratio;
    const std::size_t end = end_of(surface);
    const std::size_t baked = surface ? surface->baked_count() : 0;
    const std::uint64_t generation = surface ? surface->generation() : 0;
    std::size_t first = 0;
    if (same_raster && generation == generation_ && end >= end_ && end_ >= baked) {
        if (end == end_) return;
        first = end_ - baked;
    } else {
        if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(ratio);
        // Painting the list from its start erases the image itself.
        if (surface == nullptr) image_.fill(Qt::white);
        ++rebuilds_;
    }
    if (surface != nullptr && !pixels.isEmpty()) {
        const auto paint = [&](QPainter& painter) {
            paint_display_list(painter, *surface, QSizeF(size), first, min_text_pixels);
        };
        if (surface->items().size() - first >= fewest_items_in_bands) {
            paint_in_bands(image_, paint);
        } else {
            QPainter painter(&image_);
            paint(painter);
        }
    }
    if (surface != nullptr) items_painted_ += surface->items().size() - first;
    generation_ = generation;
    end_ = end;
    valid_ = true;
}

}  // namespace rainbow
