#include "crossing/refracted_ray.h"

#include <algorithm>
#include <cmath>

#include "forms/surface.h"
#include "geometry/angles.h"
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
    const double q = d * d - impact * impact;
    if (!(d > 0) || !(q >= 0)) return {0, 0};
    // Minus the distance from the source to the nearer entry point; the circle of that radius
    // around the source cuts the sphere at the entry.
    const double a = R * std::cos(t) - std::sqrt(q);
    const double x = ((a * a - R * R) / d + px + cx) / 2;
    // The entry lies on the sphere; rounding may carry (cx - x) / R a hair past 1.
    const double phi = safe_arcsine(std::clamp((cx - x) / R, -1.0, 1.0)).value_or(0);
    return {x, R * std::sin(pi_value() / 2 - phi)};
}

}  // namespace rainbow
