#pragma once

#include <QWidget>
#include <cstddef>

#include "forms/surface.h"
#include "qt/picture_raster.h"

namespace rainbow {

// Shows one surface: its display list painted over the whole widget. The pixels are kept in
// a raster cache (a PictureRaster) at the screen's device pixel ratio; items drawn since the
// last paint are added to the cache, and the cache is painted afresh, in bands on every core,
// only when the surface is cleared, resized or baked past it or the widget changes size.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    void set_surface(const Surface* surface);
    const Surface* surface() const { return surface_; }

    // The smallest text of the picture on the screen, in logical pixels: the desktop's normal
    // font, but never more than `largest_text_growth` times the text's designed size at the
    // widget's size. A picture shown small (a window scaled down to a small screen) keeps the
    // places of its texts and lines: a larger text would run into them or off the picture.
    double min_text_pixels() const;
    static constexpr double largest_text_growth = 1.3;

    // Schedules a paint when the surface holds something the cache does not.
    void refresh();

    // How many times the cache was painted afresh, and how many items were added to it
    // without that: what a test or a benchmark looks at.
    std::size_t rebuilds() const { return raster_.rebuilds(); }
    std::size_t items_painted() const { return raster_.items_painted(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Surface* surface_ = nullptr;
    PictureRaster raster_;
};

}  // namespace rainbow
