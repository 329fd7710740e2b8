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

// Each band paints through a view of the whole image, clipped to the band's rows: Qt steps an
// antialiased thin line from its ends within the device, so a device of the band's rows alone
// would cut the line at the band's edge and step it from there, a pixel off along its length.
void paint_band(QImage& image, int top, int rows, const std::function<void(QPainter&)>& paint) {
    // A view of the pixels: painting it writes the image's own.
    QImage view(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    const qreal ratio = image.devicePixelRatio();
    view.setDevicePixelRatio(ratio);
    QPainter painter(&view);
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
