#include "crossing/refracted_ray.h"

#include <algorithm>
#include <cmath>

#include "forms/surface.h"
#include "geometry/ray_path.h"

namespace rainbow {

void draw_refracted_ray(Surface& surface, CutRaysValues& values, double sx, double sy, double px,
                        double py, double cx, double cy, double R, double n) {
    values.chord_slope = 0;
    values.exit_x = 0;
    values.exit_y = 0;

    surface.draw_style = LineStyle::dash_dot;
    surface.line(float(cx), float(cy), float(px), float(py), black);
    surface.draw_style = LineStyle::solid;

    // One chord, no reflection inside.
    const RayPath path = trace_ray(sx, sy, px, py, cx, cy, R, n, 0);
    const Point& entry = path.entry();
    const Point& exit = path.exit();
    surface.line(float(sx), float(sy), float(entry.x), float(entry.y));
    surface.line(float(entry.x), float(entry.y), float(exit.x), float(exit.y));

    const double run = exit.x - entry.x;
    if (!(std::fabs(run) >= vertical_chord_dx)) return;

    const double slope = (exit.y - entry.y) / run;
    values.chord_slope = std::fabs(slope) < flat_chord_slope ? 0 : slope;
    values.exit_x = float(exit.x);
    values.exit_y = float(exit.y);

    surface.draw_style = LineStyle::dash_dot;
    surface.line(float(exit.x), float(exit.y), float(exit.x + values.x_right),
                 float(exit.y + slope * values.x_right));
    surface.draw_style = LineStyle::solid;
    surface.line(float(exit.x), float(exit.y), float(exit.x + exit_length * path.exit_direction.x),
                 float(exit.y + exit_length * path.exit_direction.y));
}

entry_point special_entry_point(double px, double cx, double t, double R) {
    const double d = cx - px;
    const double impact = R * std::sin(t);
    if (!(d > 0) || !(d * d - impact * impact >= 0)) return {0, 0};
    // The ray leaves the source at the angle alpha to the axis, sin alpha = impact / d. In the
    // triangle source, centre, entry the angle at the centre is then t - alpha, so the entry
    // lies at that angle from the vertex facing the source (mirrored onto the upper half when
    // the source lies inside the sphere). At t = 0 the point is the vertex itself, exactly.
    const double alpha = std::asin(std::min(1.0, impact / d));
    const double central = std::fabs(t - alpha);
    return {cx - R * std::cos(central), R * std::sin(central)};
}

}  // namespace rainbow
