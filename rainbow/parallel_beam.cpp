#include <cmath>

#include "forms/polyline.h"
#include "forms/settings.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/circle_cut.h"
#include "geometry/ray_path.h"
#include "rainbow/drop_drawing.h"
#include "rainbow/scene.h"

namespace rainbow {

void trace_parallel_beam(const SceneChoice& choice, Settings& s, Surface& picture, double start_x,
                         double& beam_y, double centre_x, double centre_y, double n) {
    const double R = s.drop_radius;

    picture.scale(-135, 135, 135, -135);
    s.pi = pi_value();
    draw_axes(picture, 135);
    picture.circle(float(centre_x), float(centre_y), float(R), rgb(0, 0, 255));
    draw_focal_points(picture, centre_x, centre_y, R, n);

    // The central ray meets the drop at the angle of incidence theta.
    const double theta = s.angle_theta * s.pi / 180;
    const double y0 = centre_y + R * std::sin(theta);
    const double entry_x = centre_x - R * std::cos(theta);
    const double entry_y = centre_y + R * std::sin(theta);

    // The normal at the central ray's entry, from the centre out to twice the radius.
    picture.draw_style = LineStyle::dashed;
    picture.line(float(centre_x), float(centre_y), float(centre_x - 2 * R * std::cos(theta)),
                 float(centre_y + 2 * R * std::sin(theta)));
    picture.draw_style = LineStyle::solid;

    const int k = choice.reflections;
    const int M = choice.rays - 1;
    // Rays every half step from -M to M: neighbours R / 120 apart.
    for (int half_steps = -2 * M; half_steps <= 2 * M; ++half_steps) {
        beam_y = y0 + (half_steps / 2.0) * (R / 60);
        const circle_cut cut = line_circle_cut(centre_x, centre_y, R, 1, 0, start_x, beam_y);
        if (cut.cuts) {
            const Point entry = nearer_cut_point(cut, start_x, beam_y);
            draw_polyline(picture, ray_course(start_x, beam_y, entry.x, entry.y, centre_x, centre_y,
                                              R, n, k));
        } else {
            picture.line(float(start_x), float(beam_y), float(start_x + 10 * R), float(beam_y),
                         rgb(255, 240, 240));
        }
    }

    beam_y = y0;
    show_deviation(picture, start_x, beam_y, entry_x, entry_y, centre_x, centre_y, R, n, k);

    // The beam's own ray that meets the drop at the rainbow incidence.
    if (k > 0) {
        picture.draw_style = LineStyle::dotted;
        draw_polyline(picture, beam_rainbow_ray_course(s.angle_theta, start_x, 1, 0, centre_x,
                                                       centre_y, R, n, k));
        picture.draw_style = LineStyle::solid;
    }
}

}  // namespace rainbow
