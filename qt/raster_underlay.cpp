#include "qt/raster_underlay.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/display_list_painter.h"
#include "qt/picture_files.h"

namespace rainbow {
namespace {

QSize underlay_size(const Surface& surface) {
    const QSizeF natural = natural_size(surface);
    const double longer = std::max(natural.width(), natural.height());
    if (!(longer > 0)) return {};
    const double zoom = std::min(1.0, RasterUnderlay::longest_side / longer);
    return QSize(std::max(1, int(std::lround(natural.width() * zoom))),
                 std::max(1, int(std::lround(natural.height() * zoom))));
}

class RasterBaker : public Baker {
public:
    void bake(const Surface& surface, std::shared_ptr<Underlay>& underlay,
              std::span<const Item> items, Scale scale) override {
        const QSize size = underlay_size(surface);
        if (size.isEmpty()) return;
        auto* raster = dynamic_cast<RasterUnderlay*>(underlay.get());
        if (raster == nullptr || underlay.use_count() > 1) {
            auto fresh = std::make_shared<RasterUnderlay>();
            if (raster != nullptr) {
                fresh->image = raster->image.copy();
            } else {
                fresh->image = QImage(size, QImage::Format_RGB32);
                fresh->image.fill(Qt::white);
            }
            raster = fresh.get();
            underlay = std::move(fresh);
        }
        // Painted as an export of that size is: pens and text grow with the picture.
        const QSizeF natural = natural_size(surface);
        QPainter painter(&raster->image);
        painter.scale(raster->image.width() / natural.width(),
                      raster->image.height() / natural.height());
        paint_items(painter, surface, natural, items, scale);
    }
};

}  // namespace

QByteArray RasterUnderlay::encoded(Encoding& kept, const char* format, int quality,
                                   bool base64) const {
    const std::lock_guard lock(encoding_);
    // Painting on the image detaches it, which gives it a new cache key.
    if (kept.bytes.isEmpty() || kept.key != image.cacheKey()) {
        const QByteArray bytes = encoded_image(image, format, quality);
        kept.bytes = base64 ? bytes.toBase64() : bytes;
        kept.key = image.cacheKey();
    }
    return kept.bytes;
}

QByteArray RasterUnderlay::png_base64() const { return encoded(png_, "PNG", -1, true); }

QByteArray RasterUnderlay::pdf_jpeg() const {
    return encoded(jpeg_, "JPEG", pdf_jpeg_quality, false);
}

QByteArray encoded_image(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format, quality)) return {};
    return bytes;
}

const QImage& underlay_stand_in() {
    static const QImage stand_in = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(QColor(1, 2, 3));
        return image;
    }();
    return stand_in;
}

QByteArray file_with_kept_underlay(
    const Surface& surface, const std::function<QByteArray(const QImage*)>& write,
    const std::function<QByteArray(const QByteArray&, const RasterUnderlay&)>& splice) {
    const RasterUnderlay* raster = raster_underlay(surface);
    if (raster == nullptr) return write(nullptr);
    QByteArray file = splice(write(&underlay_stand_in()), *raster);
    return file.isEmpty() ? write(&raster->image) : file;
}

const RasterUnderlay* raster_underlay(const Surface& surface) {
    const auto* raster = dynamic_cast<const RasterUnderlay*>(surface.underlay());
    return raster != nullptr && !raster->image.isNull() ? raster : nullptr;
}

const QImage* underlay_image(const Surface& surface) {
    const RasterUnderlay* raster = raster_underlay(surface);
    return raster != nullptr ? &raster->image : nullptr;
}

void install_raster_baker() {
    static RasterBaker baker;
    Surface::set_baker(&baker);
}

}  // namespace rainbow
