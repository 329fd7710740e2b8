#include <algorithm>
#include <cmath>
#include <utility>

#include "forms/format.h"
#include "forms/polyline.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/circle_cut.h"
#include "geometry/ray_path.h"
#include "rainbow/drop_drawing.h"
#include "rainbow/scene.h"

namespace rainbow {
namespace {

constexpr double source_x = -80;

double sign_of(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Direction of the vector (x, y) as an angle in [0, 2 pi).
double direction_of(double x, double y) {
    const double a = std::atan2(y, x);
    return a < 0 ? a + 2 * pi_value() : a;
}

// Marks the angle of incidence of the first ray that meets the drop at F: the normal through
// F out to twice the radius, an arc at F from the outward normal to the ray back towards the
// source, and the angle printed beyond the normal, on the entry point's side of the drop.
void show_first_incidence(Surface& picture, Point source, Point centre, double R, Point first) {
    const double pi = pi_value();
    const double ux = first.x - centre.x;
    const double uy = first.y - centre.y;
    picture.line(float(centre.x), float(centre.y), float(centre.x + 2 * ux),
                 float(centre.y + 2 * uy), rgb(250, 0, 0));
    double start = 0;
    double end = 0;
    if (uy != 0) {
        // The arc runs counter-clockwise from the smaller to the larger of the two
        // directions, the way round that is less than half a turn.
        const double normal = direction_of(ux, uy);
        const double ray = direction_of(source.x - first.x, source.y - first.y);
        start = std::min(normal, ray);
        end = std::max(normal, ray);
        if (end - start > pi) {
            std::swap(start, end);
            end += 2 * pi;
        }
    }
    picture.current_x = centre.x + 2.5 * R * std::cos(start);
    picture.current_y = centre.y + 2.5 * R * sign_of(uy) * std::fabs(std::sin(start));
    picture.print("INCIDENCE  =" + format_number(180 * (end - start) / pi, "0.00"));
    if (end != start) {
        picture.arc(float(first.x), float(first.y), float(R / 4), rgb(255, 0, 0), float(start),
                    float(end));
    }
}

}  // namespace

SceneResult trace_point_source(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const double R = drop.radius;
    const Point centre = drop.centre;
    const double pi = pi_value();

    const Point source{source_x, choice.source_y};
    picture.scale(-135, 135, 135, -135);
    draw_axes(picture, 135);
    // kept: the drop's circle drawn twice, blue under cyan (golden main_point_source).
    picture.circle(float(centre.x), float(centre.y), float(R), rgb(0, 0, 255));
    picture.circle(float(centre.x), float(centre.y), float(R), rgb(0, 255, 255));
    draw_focal_points(picture, drop);

    const int k = choice.reflections;
    const int N = choice.rays;
    const double step = 3.2 / (N + 1);
    const double first_offset = N == 1 ? 0 : -1.6;

    int hits = 0;
    Point first_entry;
    // The central ray: of the rays that meet the drop, the one whose offset is nearest 0.
    Point central_entry;
    double central_offset = 0;
    // The fan runs up to offset 0, the offsets accumulated by repeated addition.
    for (double offset = first_offset; offset <= 0; offset += step) {
        const double phi = (offset + choice.angle) * pi / 180;
        const circle_cut cut = line_circle_cut(centre, R, {source, {std::cos(phi), std::sin(phi)}});
        if (cut.cuts) {
            ++hits;
            const Point entry = nearer_cut_point(cut, source);
            if (hits == 1) first_entry = entry;
            if (hits == 1 || std::fabs(offset) <= std::fabs(central_offset)) {
                central_entry = entry;
                central_offset = offset;
            }
            draw_polyline(picture, ray_course(source, entry, drop, k));
        } else {
            picture.line(float(source.x), float(source.y), float(source.x + 5 * R * std::cos(phi)),
                         float(source.y + 5 * R * std::sin(phi)), rgb(250, 240, 240));
        }
    }

    SceneResult result;
    if (hits > 0) {
        show_deviation(picture, source, central_entry, drop, k);
        show_first_incidence(picture, source, centre, R, first_entry);
        result.central_incidence = trace_ray(source, central_entry, drop, 0).incidence;
    }

    const ScopedPen dotted(picture, LineStyle::dotted);
    draw_polyline(picture, rainbow_ray_course(choice.angle, source, drop, k));
    return result;
}

}  // namespace rainbow
