#pragma once

#include <QImage>
#include <functional>

class QPainter;

namespace rainbow {

// Paints an image in horizontal bands, one per core, on Qt's thread pool. `paint` is called
// once per band, at the same time from several threads, with a painter on that band: in the
// image's logical coordinates, clipped to the band. It must only read shared data. A small
// image, or a machine with one core, is painted in one piece on the calling thread.
void paint_in_bands(QImage& image, const std::function<void(QPainter&)>& paint);

// How many bands paint_in_bands uses for an image of that many pixel rows.
int band_count(int rows);

}  // namespace rainbow
