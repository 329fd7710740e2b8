#include "qt/picture_files.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "forms/screen.h"
#include "qt/banded_paint.h"
#include "qt/display_list_painter.h"
#include "qt/pdf_picture.h"
#include "qt/raster_underlay.h"
#include "qt/svg_picture.h"

namespace rainbow {

QString picture_file_stem(const QString& form, const QString& picture) {
    static const struct {
        const char* form;
        const char* picture;
        const char* stem;
    } stems[] = {
        {"arxiki", "Picture1", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-main-picture")},
        {"cut_rays", "client", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-ray-crossing")},
        {"kafstikh", "eikona", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-caustics")},
        {"theoria", "descartes", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-descartes-curve")},
        {"theoria", "primary", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-primary-bow")},
        {"theoria", "secondary", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-secondary-bow")},
        {"theoria", "band", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-colours")},
        {"theoria", "lee", QT_TRANSLATE_NOOP("PictureFiles", "rainbow-lee-diagram")},
    };
    for (const auto& row : stems) {
        if (form == QLatin1String(row.form) && picture == QLatin1String(row.picture)) {
            return QCoreApplication::translate("PictureFiles", row.stem);
        }
    }
    return QCoreApplication::translate("PictureFiles", "rainbow-picture");
}
namespace {

constexpr int smallest_file_side = 600;
constexpr double pdf_dots_per_inch = 96;

QByteArray png_bytes(const Surface& surface, QSize pixels, double min_text_pixels) {
    const QImage image = render_image(surface, pixels, min_text_pixels);
    return image.isNull() ? QByteArray() : encoded_image(image, "PNG");
}

}  // namespace

std::optional<PictureFormat> format_of_file(const QString& file_name) {
    const QString name = file_name.toLower();
    if (name.endsWith(QLatin1String(".png"))) return PictureFormat::png;
    if (name.endsWith(QLatin1String(".svg"))) return PictureFormat::svg;
    if (name.endsWith(QLatin1String(".pdf"))) return PictureFormat::pdf;
    return std::nullopt;
}

QSizeF natural_size(const Surface& surface) {
    return QSizeF(surface.width_twips() / twips_per_pixel,
                  surface.height_twips() / twips_per_pixel);
}

QSize size_with_longer_side(const Surface& surface, int longer_side) {
    const QSizeF natural = natural_size(surface);
    if (natural.isEmpty() || longer_side < 1) return {};
    const double zoom = longer_side / std::max(natural.width(), natural.height());
    return QSize(std::max(1, int(std::lround(natural.width() * zoom))),
                 std::max(1, int(std::lround(natural.height() * zoom))));
}

QSize default_file_size(const Surface& surface) {
    const QSizeF natural = natural_size(surface);
    if (natural.isEmpty()) return {};
    const double longer = std::max(natural.width(), natural.height());
    return size_with_longer_side(
        surface,
        int(std::lround(std::clamp<double>(longer, smallest_file_side, largest_picture_pixels))));
}

QImage render_image(const Surface& surface, QSize pixels, double min_text_pixels) {
    if (pixels.isEmpty() || natural_size(surface).isEmpty()) return {};
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    paint_in_bands(image, [&](QPainter& painter) {
        paint_display_list(painter, surface, QSizeF(pixels), 0, min_text_pixels);
    });
    return image;
}

QByteArray encode_picture(const Surface& surface, PictureFormat format, QSize pixels,
                          const QString& title, double min_text_pixels) {
    if (pixels.isEmpty() || natural_size(surface).isEmpty()) return {};
    switch (format) {
        case PictureFormat::png: return png_bytes(surface, pixels, min_text_pixels);
        case PictureFormat::svg:
            return svg_picture(surface, pixels, title, int(pdf_dots_per_inch), min_text_pixels);
        case PictureFormat::pdf:
            return pdf_picture(surface, pixels, title, int(pdf_dots_per_inch), min_text_pixels);
    }
    return {};
}

}  // namespace rainbow
