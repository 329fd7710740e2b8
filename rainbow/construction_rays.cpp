#include "rainbow/construction_rays.h"

#include <cmath>

#include "forms/polyline.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/ray_path.h"
#include "rainbow/construction_steps.h"

namespace rainbow {
namespace {

constexpr int beam_half_count = 60;
constexpr double cone_miss_length = 5;   // in drop radii
constexpr double beam_miss_length = 10;  // in drop radii
constexpr float start_circle_radius = 2;

// Fills in where the ray enters the drop, if the line cuts it.
void enter_drop(ConstructionRay& ray, const circle_cut& cut, const Construction& c) {
    if (!cut.cuts) return;
    ray.cuts = true;
    ray.entry = nearer_cut_point(cut, ray.start);
    ray.incidence = trace_ray(ray.start, ray.entry, c.drop, 0).incidence;
}

bool on_side(const ConstructionRay& ray, RaySide side, double rainbow_incidence) {
    const bool central = std::fabs(ray.incidence) < rainbow_incidence;
    return side == RaySide::central ? central : !central;
}

}  // namespace

std::vector<ConstructionRay> cone_rays(const Construction& c, double psi, int steps) {
    std::vector<ConstructionRay> rays;
    const Point s = c.source;
    const double step = psi / steps;
    // A source inside or on the drop sends no cone into it.
    if (!(point_distance(s.x, s.y, c.drop.centre.x, c.drop.centre.y) > c.drop.radius) ||
        !(step > 0) || !std::isfinite(step)) {
        return rays;
    }
    const double axis = std::atan((c.drop.centre.y - s.y) / (c.drop.centre.x - s.x));
    const double last = axis + psi - step / 2;
    int cutting = 0;
    for (double phi = axis - psi + step / 2; phi <= last;) {
        ConstructionRay ray;
        ray.start = s;
        ray.miss_end = {s.x + cone_miss_length * c.drop.radius * std::cos(phi),
                        s.y + cone_miss_length * c.drop.radius * std::sin(phi)};
        enter_drop(
            ray, line_circle_cut(c.drop.centre, c.drop.radius, {s, {std::cos(phi), std::sin(phi)}}),
            c);
        if (ray.cuts) ray.number = ++cutting;
        rays.push_back(ray);
        const double next = phi + step;
        if (next == phi) break;  // a step below the angle's precision would never end
        phi = next;
    }
    return rays;
}

std::vector<ConstructionRay> beam_rays(const Construction& c) {
    std::vector<ConstructionRay> rays;
    const Point s = c.source;
    for (int i = -beam_half_count; i <= beam_half_count; ++i) {
        ConstructionRay ray;
        ray.number = i;
        ray.start = {s.x, s.y + i * (c.drop.radius / beam_half_count)};
        ray.miss_end = {s.x + beam_miss_length * c.drop.radius, ray.start.y};
        const double distance =
            point_distance(ray.start.x, ray.start.y, c.drop.centre.x, c.drop.centre.y);
        if (distance > 0) {
            const double ux = (c.drop.centre.x - s.x) / distance;
            const double uy = (c.drop.centre.y - s.y) / distance;
            enter_drop(ray, line_circle_cut(c.drop.centre, c.drop.radius, {ray.start, {ux, uy}}),
                       c);
        }
        rays.push_back(ray);
    }
    return rays;
}

void draw_ray_pass(const Construction& c, const std::vector<ConstructionRay>& rays,
                   const RayPass& pass) {
    Surface& surface = c.surface;
    for (const ConstructionRay& ray : rays) {
        if (pass.start_circles) {
            surface.circle(float(ray.start.x), float(ray.start.y), start_circle_radius, black);
        }
        if (!ray.cuts) {
            surface.line(float(ray.start.x), float(ray.start.y), float(ray.miss_end.x),
                         float(ray.miss_end.y), black);
            continue;
        }
        if (!on_side(ray, pass.side, c.rainbow_incidence)) continue;
        surface.fore_color = pass.color;
        if (ray.number % pass.thinning != 0) continue;
        draw_polyline(surface, ray_course(ray.start, ray.entry, c.drop, c.k));
    }
}

int thinning_step(int selector) {
    switch (selector) {
        case 1: return 4;
        case 2: return 2;
        default: return 1;
    }
}

}  // namespace rainbow
