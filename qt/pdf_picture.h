#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "forms/surface.h"

namespace rainbow {

// The picture as the bytes of a one-page PDF file whose page is `pixels` in size at
// `dots_per_inch`; empty when it cannot be made. The items are vectors; a baked underlay is
// one embedded JPEG image under them, encoded once per bake however often it is exported.
QByteArray pdf_picture(const Surface& surface, QSize pixels, const QString& title,
                       int dots_per_inch, double min_text_pixels = 0);

}  // namespace rainbow
