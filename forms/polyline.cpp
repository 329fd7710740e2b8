#include "forms/polyline.h"

#include "forms/surface.h"

namespace rainbow {

void draw_polyline(Surface& surface, const std::vector<Point>& points) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        surface.line(float(points[i - 1].x), float(points[i - 1].y), float(points[i].x),
                     float(points[i].y));
    }
}

}  // namespace rainbow
