#include <cmath>

#include "forms/polyline.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/circle_cut.h"
#include "geometry/ray_path.h"
#include "rainbow/drop_drawing.h"
#include "rainbow/scene.h"

namespace rainbow {
namespace {

constexpr double start_x = -90;

}  // namespace

SceneResult trace_parallel_beam(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const double R = drop.radius;
    const double centre_x = drop.centre.x;
    const double centre_y = drop.centre.y;

    picture.scale(-135, 135, 135, -135);
    draw_axes(picture, 135);
    picture.circle(float(centre_x), float(centre_y), float(R), rgb(0, 0, 255));
    draw_focal_points(picture, drop);

    // The central ray meets the drop at the angle of incidence theta.
    const double theta = choice.angle * pi_value() / 180;
    const double y0 = centre_y + R * std::sin(theta);
    const double entry_x = centre_x - R * std::cos(theta);
    const double entry_y = centre_y + R * std::sin(theta);

    // The normal at the central ray's entry, from the centre out to twice the radius.
    {
        const ScopedPen dashed(picture, LineStyle::dashed);
        picture.line(float(centre_x), float(centre_y), float(centre_x - 2 * R * std::cos(theta)),
                     float(centre_y + 2 * R * std::sin(theta)));
    }

    const int k = choice.reflections;
    const int M = choice.rays - 1;
    // Rays every half step from -M to M: neighbours R / 120 apart.
    for (int half_steps = -2 * M; half_steps <= 2 * M; ++half_steps) {
        const double beam_y = y0 + (half_steps / 2.0) * (R / 60);
        const Point start{start_x, beam_y};
        const circle_cut cut = line_circle_cut(drop.centre, R, {start, {1, 0}});
        if (cut.cuts) {
            const Point entry = nearer_cut_point(cut, start);
            draw_polyline(picture, ray_course(start, entry, drop, k));
        } else {
            picture.line(float(start_x), float(beam_y), float(start_x + 10 * R), float(beam_y),
                         rgb(255, 240, 240));
        }
    }

    show_deviation(picture, {start_x, y0}, {entry_x, entry_y}, drop, k);

    // The beam's own ray that meets the drop at the rainbow incidence.
    if (k > 0) {
        const ScopedPen dotted(picture, LineStyle::dotted);
        draw_polyline(picture, beam_rainbow_ray_course(choice.angle, start_x, {1, 0}, drop, k));
    }
    // The central ray always meets the drop, at the chosen angle of incidence.
    return {.central_incidence = theta};
}

}  // namespace rainbow
