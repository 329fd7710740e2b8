#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

#include "forms/surface.h"

namespace rainbow {

// The size of a picture at one pixel per 15 twips, the size it has on a usual screen.
QSizeF natural_size(const Surface& surface);

// The picture as an image: its natural size scaled up so that its longer side has at least
// `min_side` pixels (never more than `max_side`), pens and text scaled with it.
QImage render_image(const Surface& surface, int min_side = 600, int max_side = 4096);

// Writes the picture as PNG or SVG; false when the file cannot be written.
bool write_png(const Surface& surface, const QString& path);
bool write_svg(const Surface& surface, const QString& path, const QString& title);

}  // namespace rainbow
