#include "rainbow/drop_drawing.h"

#include "forms/surface.h"

namespace rainbow {

void draw_axes(Surface& surface, double half_width) {
    const float s = float(half_width);
    surface.line(-s, 0, s, 0);
    surface.line(0, -s, 0, s);
}

void draw_focal_points(Surface& surface, double xc, double yc, double R, double n) {
    const double f = R * n / (2 * (n - 1));
    surface.draw_width = 2;
    surface.circle(float(xc + f), float(yc), 2);
    surface.circle(float(xc - f), float(yc), 2);
    surface.draw_width = 1;
}

}  // namespace rainbow
