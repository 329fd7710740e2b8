#include "crossing/refracted_ray.h"

#include <algorithm>
#include <cmath>

#include "forms/surface.h"
#include "geometry/ray_path.h"

namespace rainbow {

RefractedRay draw_refracted_ray(Surface& surface, double x_right, Point source, Point entry,
                                const Drop& sphere) {
    const Point centre = sphere.centre;
    {
        const ScopedPen dash_dot(surface, LineStyle::dash_dot);
        surface.line(float(centre.x), float(centre.y), float(entry.x), float(entry.y), black);
    }

    // One chord, no reflection inside.
    const RayPath path = trace_ray(source, entry, sphere, 0);
    const Point& exit = path.exit();
    surface.line(float(source.x), float(source.y), float(path.entry().x), float(path.entry().y));
    surface.line(float(path.entry().x), float(path.entry().y), float(exit.x), float(exit.y));

    const double run = exit.x - path.entry().x;
    if (!(std::fabs(run) >= vertical_chord_dx)) return {};

    const double slope = (exit.y - path.entry().y) / run;
    {
        const ScopedPen dash_dot(surface, LineStyle::dash_dot);
        surface.line(float(exit.x), float(exit.y), float(exit.x + x_right),
                     float(exit.y + slope * x_right));
    }
    surface.line(float(exit.x), float(exit.y), float(exit.x + exit_length * path.exit_direction.x),
                 float(exit.y + exit_length * path.exit_direction.y));
    // kept: the exit point in single precision, as the window once stored it (golden
    // ray_crossing_source_on_axis).
    return {.chord_slope = std::fabs(slope) < flat_chord_slope ? 0 : slope,
            .exit = {double(float(exit.x)), double(float(exit.y))}};
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
