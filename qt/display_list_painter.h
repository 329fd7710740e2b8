#pragma once

#include <QSizeF>
#include <cstddef>

#include "forms/surface.h"

class QPainter;

namespace rainbow {

// The shorter side, in device pixels, of the picture on which a pen of width 1 is one pixel
// wide and the text has its designed size: the main picture of a 1920 x 1080 screen.
inline constexpr double reference_side_pixels = 810;

// Plays the display list of a surface onto a painter whose paint area is `size` (in the
// painter's units). Starts from the scale in force before item `first`; with first == 0 the
// area is erased to white before the items are drawn, otherwise the items from `first` on are
// drawn over what the device holds.
//
// Pens, dots and text grow with the picture: a pen of width w is w * side / 810 device pixels
// wide (rounded, never under one device pixel), where side is the shorter side of the paint
// area in device pixels, and the text is scaled alike. Text is never smaller than
// `min_text_pixels` (painter units): the desktop's normal font, where a person reads it.
void paint_display_list(QPainter& painter, const Surface& surface, QSizeF size,
                        std::size_t first = 0, double min_text_pixels = 0);

}  // namespace rainbow
