#pragma once

#include <vector>

#include "geometry/circle_cut.h"

namespace rainbow {

class Surface;

// Draws a course of points with the surface's pen: one line from each point to the next,
// the points passed to the surface in single precision.
void draw_polyline(Surface& surface, const std::vector<Point>& points);

}  // namespace rainbow
