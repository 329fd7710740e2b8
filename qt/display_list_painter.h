#pragma once

#include <QSizeF>
#include <cstddef>

#include "forms/surface.h"

class QPainter;

namespace rainbow {

// Plays the display list of a surface onto a painter whose paint area is `size` (in the
// painter's units: pixels of the picture). Starts from the scale in force before item
// `first`; with first == 0 the area is erased to white before the items are drawn, otherwise
// the items from `first` on are drawn over what the device holds. Pen widths and dots are in
// pixels of the paint area, text is the pictures' font scaled with the surface's twips.
void paint_display_list(QPainter& painter, const Surface& surface, QSizeF size,
                        std::size_t first = 0);

}  // namespace rainbow
