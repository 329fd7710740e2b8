#include "rainbow/construction_steps.h"

#include "forms/polyline.h"
#include "geometry/angles.h"
#include "geometry/ray_path.h"
#include "rainbow/drop_drawing.h"

namespace rainbow {
namespace {

// x of the point source, and of the start line of a parallel beam.
constexpr double source_x = -80;

constexpr Rgb drop_outline_color = rgb(0, 0, 255);
constexpr Rgb rainbow_ray_color = rgb(0, 150, 0);

void draw_drop_outline(const Construction& c) {
    c.surface.circle(float(c.drop.centre.x), float(c.drop.centre.y), float(c.drop.radius),
                     drop_outline_color);
}

}  // namespace

Construction open_construction(const SceneChoice& choice, const Drop& drop, Surface& picture,
                               double half_width) {
    Construction c{.surface = picture,
                   .drop = drop,
                   .source = {source_x, choice.source_y},
                   .k = choice.reflections,
                   .rainbow_incidence = 0};
    c.surface.scale(-half_width, half_width, half_width, -half_width);
    draw_axes(c.surface, half_width);
    draw_drop_outline(c);
    draw_focal_points(c.surface, drop);
    c.rainbow_incidence = rainbow_incidence(drop.index, c.k).value_or(0);
    return c;
}

double cone_half_angle(const Construction& c) {
    const double distance =
        point_distance(c.source.x, c.source.y, c.drop.centre.x, c.drop.centre.y);
    return safe_arcsine(c.drop.radius / distance).value_or(0);
}

void draw_rainbow_rays(const Construction& c, double psi, Rays rays,
                       std::optional<LineStyle> style) {
    const Point s = c.source;
    // Only the sign counts: it chooses the side of the centre.
    const auto draw = [&](double side) {
        if (rays == Rays::from_point) {
            draw_polyline(c.surface, rainbow_ray_course(side, s, c.drop, c.k));
        } else {
            draw_polyline(c.surface,
                          beam_rainbow_ray_course(side, s.x, c.drop.centre - s, c.drop, c.k));
        }
    };
    const ScopedPen kept(c.surface);
    c.surface.set_pen({rainbow_ray_color, 2, style.value_or(c.surface.draw_style)});
    draw(psi);
    draw(-psi);
}

void close_construction(const Construction& c) { draw_drop_outline(c); }

}  // namespace rainbow
