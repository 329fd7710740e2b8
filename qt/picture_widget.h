#pragma once

#include <QImage>
#include <QWidget>
#include <cstddef>
#include <cstdint>

#include "forms/surface.h"

namespace rainbow {

// Shows one surface: its display list painted over the whole widget. The pixels are kept in
// a raster cache at the screen's device pixel ratio; items drawn since the last paint are
// added to the cache, and the cache is painted afresh only when the surface is cleared or
// resized or the widget changes size.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    void set_surface(const Surface* surface);
    const Surface* surface() const { return surface_; }

    // Schedules a paint when the surface holds something the cache does not.
    void refresh();

    // How many times the cache was painted afresh, and how many items were added to it
    // without that: what a test or a benchmark looks at.
    std::size_t rebuilds() const { return rebuilds_; }
    std::size_t items_painted() const { return items_painted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool cache_current() const;
    void bring_cache_up_to_date();

    const Surface* surface_ = nullptr;
    QImage cache_;
    std::uint64_t cached_generation_ = 0;
    std::size_t cached_items_ = 0;
    bool cache_valid_ = false;
    std::size_t rebuilds_ = 0;
    std::size_t items_painted_ = 0;
};

}  // namespace rainbow
