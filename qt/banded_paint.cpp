#include "qt/banded_paint.h"

#include <QFuture>
#include <QPainter>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstring>
#include <vector>

namespace rainbow {
namespace {

// Below this many rows a band costs more to hand out than it saves.
constexpr int smallest_band_rows = 128;

// A band painted with `overlap` rows of its neighbours above and below, which are thrown away:
// where the painter's clip cuts a line, Qt's antialiasing steps along it from the cut, so the
// rows next to a cut may differ a little from a picture painted in one piece.
constexpr int overlap = 48;

struct Band {
    int top = 0, rows = 0;  // the band's rows in the image
    int above = 0;          // rows of the neighbour above held in `pixels`
    QImage pixels;
};

Band make_band(const QImage& image, int top, int bottom) {
    const int above = std::min(top, overlap);
    const int below = std::min(image.height() - bottom, overlap);
    Band band{top, bottom - top, above, image.copy(0, top - above, image.width(), bottom - top + above + below)};
    band.pixels.setDevicePixelRatio(image.devicePixelRatio());
    return band;
}

void paint_band(Band& band, const std::function<void(QPainter&)>& paint) {
    const qreal ratio = band.pixels.devicePixelRatio();
    const int first_row = band.top - band.above;
    QPainter painter(&band.pixels);
    painter.translate(0, -first_row / ratio);
    painter.setClipRect(QRectF(0, first_row / ratio, band.pixels.width() / ratio,
                               band.pixels.height() / ratio));
    paint(painter);
}

void put_back(QImage& image, const Band& band) {
    const auto bytes = std::size_t(std::min(image.bytesPerLine(), band.pixels.bytesPerLine()));
    for (int row = 0; row < band.rows; ++row) {
        std::memcpy(image.scanLine(band.top + row), band.pixels.constScanLine(band.above + row), bytes);
    }
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
    // Each band is copied out here, painted on its own thread, and put back here.
    std::vector<Band> parts;
    for (int band = 0; band < bands; ++band) {
        parts.push_back(make_band(image, int(qint64(image.height()) * band / bands),
                                  int(qint64(image.height()) * (band + 1) / bands)));
    }
    std::vector<QFuture<void>> others;
    for (std::size_t band = 1; band < parts.size(); ++band) {
        others.push_back(QtConcurrent::run([&, band] { paint_band(parts[band], paint); }));
    }
    paint_band(parts[0], paint);
    for (QFuture<void>& f : others) f.waitForFinished();
    for (const Band& band : parts) put_back(image, band);
}

}  // namespace rainbow
