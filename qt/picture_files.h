#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

#include "forms/surface.h"

namespace rainbow {

enum class PictureFormat { png, svg, pdf };

// The format a file name asks for by its ending (.png, .svg, .pdf, in any case).
std::optional<PictureFormat> format_of_file(const QString& file_name);

// The name a saved or printed picture is offered under, without its ending, in the user's
// language: "rainbow-main-picture" for the main window's picture, "rainbow-caustics" for the
// caustics window's, ... `form` and `picture` are the names of the window and the picture
// ("client" for a window's own drawing area); an unknown picture gets "rainbow-picture".
QString picture_file_stem(const QString& form, const QString& picture);

// The size of a picture at one pixel per 15 twips, the size it has on a usual screen.
QSizeF natural_size(const Surface& surface);

// The picture's shape with its longer side `longer_side` pixels long (each side at least 1).
QSize size_with_longer_side(const Surface& surface, int longer_side);

// The size a file gets when none is asked for: the natural size, grown so that the longer
// side has at least 600 pixels.
QSize default_file_size(const Surface& surface);

// The picture painted afresh at `pixels`; pens and text grow with the size (see
// paint_display_list), text never under `min_text_pixels`. Null for an empty size.
QImage render_image(const Surface& surface, QSize pixels, double min_text_pixels = 0);

// The picture as the bytes of a PNG, SVG or PDF file whose picture is `pixels` in size (a
// PDF page at 96 pixels per inch); empty when it cannot be made.
QByteArray encode_picture(const Surface& surface, PictureFormat format, QSize pixels,
                          const QString& title, double min_text_pixels = 0);

}  // namespace rainbow
