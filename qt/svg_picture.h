#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "forms/surface.h"

namespace rainbow {

// The picture as the bytes of an SVG file whose picture is `pixels` in size, drawn at
// `dots_per_inch`; empty when it cannot be made. The items are vectors; a baked underlay is
// one embedded PNG image under them, encoded once per bake however often it is exported.
QByteArray svg_picture(const Surface& surface, QSize pixels, const QString& title,
                       int dots_per_inch, double min_text_pixels = 0);

}  // namespace rainbow
