#include <cmath>

#include "forms/format.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/ray_path.h"
#include "rainbow/scene.h"

namespace rainbow {
namespace {

double sign_of(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// The line of each colour pass is printed on its own line of the picture.
double deviation_text_y(double n) {
    // kept: the row chosen by comparing n exactly with water's indices (golden
    // main_point_source).
    if (n == 1.33) return 95;
    if (n == 1.333) return 110;
    return 80;
}

}  // namespace

double show_deviation(Surface& picture, Point source, Point entry, const Drop& drop, int k) {
    const double pi = pi_value();
    const double sx = source.x, sy = source.y, ex = entry.x, ey = entry.y;
    const double R = drop.radius, n = drop.index;

    const RayPath path = trace_ray(source, entry, drop, k);
    const Point exit = path.exit();
    const Point far{exit.x + 10 * R * path.exit_direction.x,
                    exit.y + 10 * R * path.exit_direction.y};

    // Directions of the incoming line (S to E) and of the outgoing line (X to F).
    const double in_x = ex - sx;
    const double in_y = ey - sy;
    const double out_x = far.x - exit.x;
    const double out_y = far.y - exit.y;
    const double cross = in_x * out_y - in_y * out_x;
    const double lengths = std::hypot(in_x, in_y) * std::hypot(out_x, out_y);

    // The deviation is the angle between the directions of travel, in (E - S) and out (D),
    // wherever the two lines cross: ahead of S, behind it or beyond the far point.
    const double q = safe_arcsine(cross / lengths).value_or(0);
    const double deviation = in_x * out_x + in_y * out_y > 0 ? std::fabs(q) : pi - std::fabs(q);

    // Parallel lines (a ray through the centre) never cross: there is nothing to mark.
    if (std::fabs(cross) > 1e-12 * lengths) {
        // Crossing of the two lines: K = S + t (E - S), with t from the outgoing line.
        const double t = ((exit.x - sx) * out_y - (exit.y - sy) * out_x) / cross;
        const Point K{sx + t * in_x, sy + t * in_y};
        if (sy == ey) {
            picture.line(float(far.x), float(far.y), float(K.x), float(K.y), black);
            picture.line(float(sx), float(sy), float(K.x + 2 * R), float(sy), black);
        } else if (exit.y == far.y) {
            picture.line(float(far.x), float(far.y), float(2 * K.x), float(far.y));
            picture.line(float(sx), float(sy), float(K.x), float(K.y));
        } else {
            picture.line(float(sx), float(sy), float(sx + 2 * (K.x - sx)),
                         float(sy + 2 * (K.y - sy)));
            picture.line(float(far.x), float(far.y), float(K.x), float(K.y));
            picture.pset(float(K.x), float(K.y), rgb(0, 255, 255));
            picture.pset(float(ex), float(ey), rgb(255, 0, 255));
        }

        // An arc of radius 15 around K from the incoming direction through the deviation, in
        // 20 segments.
        const double start = sy == ey ? 0 : std::atan(in_y / in_x);
        const double step = sign_of(q) * deviation / 20;
        for (int i = 0; i < 20; ++i) {
            const double a0 = start + i * step;
            const double a1 = a0 + step;
            picture.line(float(K.x + 15 * std::cos(a0)), float(K.y + 15 * std::sin(a0)),
                         float(K.x + 15 * std::cos(a1)), float(K.y + 15 * std::sin(a1)));
        }
    }

    picture.current_x = -80;
    picture.current_y = deviation_text_y(n);
    picture.print("DEVIATION ANGLE γωνία απόκλισης= " +
                  format_number(deviation * 180 / pi, "0.00"));
    return deviation;
}

}  // namespace rainbow
