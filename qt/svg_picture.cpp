#include "qt/svg_picture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "qt/display_list_painter.h"
#include "qt/raster_underlay.h"

namespace rainbow {
namespace {

// How Qt's SVG writer embeds an image: as a PNG file in base64, in a data URL.
constexpr char png_data_url[] = "data:image/png;base64,";

// Draws the picture through Qt's SVG writer, `underlay` (unless null) in place of the
// surface's own.
QByteArray generated(const Surface& surface, QSize pixels, const QString& title, int dots_per_inch,
                     double min_text_pixels, const QImage* underlay) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(title);
    svg.setSize(pixels);
    svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(pixels)));
    svg.setResolution(dots_per_inch);
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    paint_display_list_over(painter, surface, QSizeF(pixels), underlay, min_text_pixels);
    return painter.end() ? bytes : QByteArray();
}

}  // namespace

QByteArray svg_picture(const Surface& surface, QSize pixels, const QString& title,
                       int dots_per_inch, double min_text_pixels) {
    // Qt's writer would encode the whole underlay again at every export.
    static const QByteArray stand_in_url =
        png_data_url + encoded_image(underlay_stand_in(), "PNG").toBase64();
    return file_with_kept_underlay(
        surface,
        [&](const QImage* underlay) {
            return generated(surface, pixels, title, dots_per_inch, min_text_pixels, underlay);
        },
        [](const QByteArray& svg, const RasterUnderlay& raster) {
            const qsizetype at = svg.indexOf(stand_in_url);
            const QByteArray encoded = raster.png_base64();
            if (at < 0 || encoded.isEmpty()) return QByteArray();
            const qsizetype data = at + qsizetype(sizeof(png_data_url) - 1);
            return QByteArray(svg).replace(data, stand_in_url.size() - (data - at), encoded);
        });
}

}  // namespace rainbow
