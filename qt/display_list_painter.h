#pragma once

#include <QSizeF>
#include <cstddef>
#include <span>

#include "forms/surface.h"

class QImage;
class QPainter;

namespace rainbow {

// The shorter side, in device pixels, of the picture on which a pen of width 1 is one pixel
// wide and the text has its designed size: the main picture of a 1920 x 1080 screen.
inline constexpr double reference_side_pixels = Growth{}.reference_pixels;

// Plays the display list of a surface onto a painter whose paint area is `size` (in the
// painter's units). Starts from the scale in force before item `first`; with first == 0 the
// area is erased to white and the surface's baked underlay, if any, is drawn before the items,
// otherwise the items from `first` on are drawn over what the device holds. Items that fall
// wholly outside the painter's clip are skipped.
//
// Pens, dots and text grow with the picture: a pen of width w is w * side / 810 device pixels
// wide (rounded, never under one device pixel), where side is the shorter side of the paint
// area in device pixels, and the text is scaled alike; a surface of another Growth grows with
// the side and against the reference it names. Text is never smaller than
// `min_text_pixels` (painter units): the desktop's normal font, where a person reads it.
void paint_display_list(QPainter& painter, const Surface& surface, QSizeF size,
                        std::size_t first = 0, double min_text_pixels = 0);

// As paint_display_list from the first item, with `underlay` (unless null) drawn where the
// surface's baked underlay goes: a writer that embeds the underlay's own encoding draws a
// stand-in there and then puts the encoding in its place.
void paint_display_list_over(QPainter& painter, const Surface& surface, QSizeF size,
                             const QImage* underlay, double min_text_pixels = 0);

// Plays `items` of `surface` from `scale` on, over what the device holds.
void paint_items(QPainter& painter, const Surface& surface, QSizeF size,
                 std::span<const Item> items, Scale scale, double min_text_pixels = 0);

}  // namespace rainbow
