#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

#include "forms/surface.h"

namespace rainbow {

// The pixels of a surface's picture at one size, kept up to date with its display list.
// Items drawn since the last update are painted over the pixels; the raster is painted
// afresh when the surface is cleared or resized, when items it had not painted yet were
// baked, or when the size changes. A large repaint is painted in bands on every core.
class PictureRaster {
public:
    // Brings the pixels up to date for a paint area of `size` pixels shown at `ratio` device
    // pixels per pixel, with text never smaller than `min_text_pixels`.
    void update(const Surface* surface, QSize size, qreal ratio, double min_text_pixels = 0);
    // Forgets the pixels: the next update paints afresh.
    void invalidate() { valid_ = false; }
    // Whether the surface holds something the pixels do not.
    bool current(const Surface* surface) const;

    const QImage& image() const { return image_; }
    // How many times the pixels were painted afresh, and how many items were painted in all.
    std::size_t rebuilds() const { return rebuilds_; }
    std::size_t items_painted() const { return items_painted_; }

private:
    QImage image_;
    std::uint64_t generation_ = 0;
    std::size_t end_ = 0;  // items painted, counting the baked ones
    bool valid_ = false;
    std::size_t rebuilds_ = 0;
    std::size_t items_painted_ = 0;
};

}  // namespace rainbow
