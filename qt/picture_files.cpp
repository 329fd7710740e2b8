#include "qt/picture_files.h"

#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "app/program.h"
#include "qt/banded_paint.h"
#include "qt/display_list_painter.h"

namespace rainbow {

QSizeF natural_size(const Surface& surface) {
    return QSizeF(surface.width_twips() / twips_per_pixel, surface.height_twips() / twips_per_pixel);
}

QImage render_image(const Surface& surface, int min_side, int max_side) {
    const QSizeF size = natural_size(surface);
    if (size.isEmpty()) return {};
    const double longer = std::max(size.width(), size.height());
    const double zoom = std::min(std::max(1.0, min_side / longer), max_side / longer);
    QImage image(std::max(1, int(std::lround(size.width() * zoom))),
                 std::max(1, int(std::lround(size.height() * zoom))), QImage::Format_RGB32);
    image.fill(Qt::white);
    paint_in_bands(image, [&](QPainter& painter) {
        painter.scale(image.width() / size.width(), image.height() / size.height());
        paint_display_list(painter, surface, size);
    });
    return image;
}

bool write_png(const Surface& surface, const QString& path) {
    const QImage image = render_image(surface);
    return !image.isNull() && image.save(path, "PNG");
}

bool write_svg(const Surface& surface, const QString& path, const QString& title) {
    const QSizeF size = natural_size(surface);
    if (size.isEmpty()) return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setResolution(96);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint_display_list(painter, surface, size);
    return painter.end();
}

}  // namespace rainbow
