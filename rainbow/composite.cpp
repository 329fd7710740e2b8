// The composite rainbow: a column of small drops, each sending its red, green and blue
// least-deviation rays, which leave every drop at slightly different angles.
#include "rainbow/composite.h"

#include "forms/polyline.h"
#include "forms/surface.h"
#include "forms/water_dispersion.h"
#include "geometry/ray_path.h"

namespace rainbow {
namespace {

constexpr int drop_count = 25;
constexpr double column_drop_radius = 3.5;
constexpr double column_x = 125;
constexpr double column_top = 145;
constexpr double source_x = -80;
constexpr Rgb drop_outline_color = rgb(0, 0, 255);

}  // namespace

void draw_composite_rainbow(int k, Surface& surface) {
    // Only the sign counts: with two reflections the rays pass below the drops' centres.
    const double side = k == 2 ? -1 : 1;
    for (int i = 1; i <= drop_count; ++i) {
        const Point centre{column_x, column_top - i * (column_drop_radius * 4)};
        const Point source{source_x, centre.y};
        surface.circle(float(centre.x), float(centre.y), float(column_drop_radius),
                       drop_outline_color);
        for (const SpectralColour& ray : water_spectrum) {
            surface.fore_color = ray.color;
            const Drop drop{centre, column_drop_radius, ray.index};
            draw_polyline(surface, rainbow_ray_course(side, source, drop, k));
        }
    }
}

}  // namespace rainbow
