#include "rainbow/drop_drawing.h"

#include "forms/surface.h"
#include "geometry/drop.h"

namespace rainbow {

void draw_axes(Surface& surface, double half_width) {
    const float s = float(half_width);
    surface.line(-s, 0, s, 0);
    surface.line(0, -s, 0, s);
}

void draw_focal_points(Surface& surface, const Drop& drop) {
    const double xc = drop.centre.x, yc = drop.centre.y;
    const double f = drop.radius * drop.index / (2 * (drop.index - 1));
    const ScopedPen wide(surface, 2);
    surface.circle(float(xc + f), float(yc), 2);
    surface.circle(float(xc - f), float(yc), 2);
}

}  // namespace rainbow
