#include "qt/banded_paint.h"

#include <QFuture>
#include <QPainter>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <vector>

namespace rainbow {
namespace {

// Below this many rows a band costs more to hand out than it saves.
constexpr int smallest_band_rows = 128;

// Where the clip cuts an antialiased line, Qt steps along it from the cut, so a pixel next to
// a band's edge may differ a little from a picture painted in one piece.
void paint_band(QImage& image, int top, int rows, const std::function<void(QPainter&)>& paint) {
    // A view of the band's rows: painting it writes the image's own pixels.
    QImage band(image.bits() + qsizetype(top) * image.bytesPerLine(), image.width(), rows,
                image.bytesPerLine(), image.format());
    const qreal ratio = image.devicePixelRatio();
    band.setDevicePixelRatio(ratio);
    QPainter painter(&band);
    painter.translate(0, -top / ratio);
    painter.setClipRect(QRectF(0, top / ratio, image.width() / ratio, rows / ratio));
    paint(painter);
}

}  // namespace

int band_count(int rows) {
    return std::clamp(rows / smallest_band_rows, 1, std::max(1, QThread::idealThreadCount()));
}

void paint_in_bands(QImage& image, const std::function<void(QPainter&)>& paint) {
    if (image.isNull()) return;
    const int bands = band_count(image.height());
    if (bands == 1) {
        QPainter painter(&image);
        paint(painter);
        return;
    }
    image.bits();  // detaches the pixels here, before the bands share them
    const int rows = image.height();
    const auto top_of = [&](int band) { return int(qint64(rows) * band / bands); };
    std::vector<QFuture<void>> others;
    for (int band = 1; band < bands; ++band) {
        others.push_back(QtConcurrent::run([&, band] {
            paint_band(image, top_of(band), top_of(band + 1) - top_of(band), paint);
        }));
    }
    paint_band(image, 0, top_of(1), paint);
    for (QFuture<void>& f : others) f.waitForFinished();
}

}  // namespace rainbow
