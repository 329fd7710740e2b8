#include "caustics/reflection.h"

#include <cmath>
#include <vector>

#include "caustics/refraction.h"
#include "forms/surface.h"
#include "geometry/angles.h"

namespace rainbow {
namespace {

constexpr Rgb entry_blue = rgb(0, 0, 255);
constexpr Rgb point_magenta = rgb(255, 0, 255);
constexpr Rgb rainbow_green = rgb(0, 255, 0);
constexpr Rgb caustic_yellow = rgb(255, 255, 0);

// The ray of incidence a: where it enters, reflects and leaves, with its refraction angle r
// and the angle N = 4r - 2a of the outgoing ray, which runs back to the left through the exit
// point with slope tan N.
struct ReflectedRay {
    Point entry;
    Point reflection;
    Point exit;
    double outgoing_angle = 0;
    double refraction = 0;
};

ReflectedRay reflected_ray(double a, double R, double n) {
    const double r = safe_arcsine(std::sin(a) / n).value_or(0);
    // Each chord subtends pi - 2r at the centre: the reflection point lies at the polar angle
    // 2r - a, the exit point at 4r - a - pi.
    const double exit_angle = 4 * r - a;
    return ReflectedRay{{-R * std::cos(a), R * std::sin(a)},
                        {R * std::cos(2 * r - a), R * std::sin(2 * r - a)},
                        {-R * std::cos(exit_angle), -R * std::sin(exit_angle)},
                        4 * r - 2 * a,
                        r};
}

// The rays are drawn back to this x, well left of the picture.
constexpr double far_left = -200;

// Height of the outgoing ray at x = far_left.
double height_at_far_left(const ReflectedRay& ray) {
    return ray.exit.y - (ray.exit.x - far_left) * std::tan(ray.outgoing_angle);
}

void draw_least_deviation_ray(Surface& eikona, double R, double n) {
    const double incidence = rainbow_incidence(n).value_or(0);
    const ReflectedRay ray = reflected_ray(incidence, R, n);
    const double y_left = height_at_far_left(ray);
    const ScopedPen wide(eikona, 3);
    eikona.line(float(far_left), float(ray.entry.y), float(ray.entry.x), float(ray.entry.y),
                rainbow_green);
    eikona.line(float(ray.entry.x), float(ray.entry.y), float(ray.reflection.x),
                float(ray.reflection.y), rainbow_green);
    eikona.line(float(ray.reflection.x), float(ray.reflection.y), float(ray.exit.x),
                float(ray.exit.y), rainbow_green);
    if (drawable({far_left, y_left})) {
        eikona.line(float(ray.exit.x), float(ray.exit.y), float(far_left), float(y_left),
                    rainbow_green);
    }
    eikona.pset(float(ray.exit.x), float(ray.exit.y), point_magenta);
}

}  // namespace

std::optional<Point> reflected_caustic_envelope(double a, double R, double n) {
    const ReflectedRay ray = reflected_ray(a, R, n);
    const double r = ray.refraction;
    const double r_rate = refraction_rate(a, n);
    // Rates of change with a of the exit point and of the outgoing slope T = tan N.
    const double exit_angle = 4 * r - a;
    const double exit_angle_rate = 4 * r_rate - 1;
    const double dx = R * exit_angle_rate * std::sin(exit_angle);
    const double dy = -R * exit_angle_rate * std::cos(exit_angle);
    const double cos_n = std::cos(ray.outgoing_angle);
    const double T = std::tan(ray.outgoing_angle);
    const double turn_rate = 4 * r_rate - 2;  // dN/da, zero at the rainbow ray
    // At the rainbow ray neighbouring outgoing rays are parallel and the point lies at
    // infinity; within 1e-9 of it the point would lie beyond 1e9 R: no point either.
    if (std::fabs(turn_rate) < 1e-9) return std::nullopt;
    const double T_rate = turn_rate / (cos_n * cos_n);
    const double x = (T_rate * ray.exit.x + T * dx - dy) / T_rate;
    const Point p{x, ray.exit.y + (x - ray.exit.x) * T};
    if (!drawable(p)) return std::nullopt;
    return p;
}

std::optional<Point> reflected_caustic_point(Surface& eikona, double a, double R, double n) {
    const ReflectedRay ray = reflected_ray(a, R, n);
    eikona.pset(float(ray.entry.x), float(ray.entry.y), entry_blue);
    eikona.pset(float(ray.reflection.x), float(ray.reflection.y), point_magenta);
    eikona.pset(float(ray.exit.x), float(ray.exit.y), point_magenta);
    const double y_left = height_at_far_left(ray);
    if (drawable({far_left, y_left})) {
        eikona.line(float(ray.exit.x), float(ray.exit.y), float(far_left), float(y_left));
    }
    return reflected_caustic_envelope(a, R, n);
}

int draw_reflected_beam(Surface& eikona, double R, double n) {
    const double pi = pi_value();
    const double cone = rainbow_incidence(n).value_or(0);
    struct Stored {
        float x, y;
    };
    std::vector<Stored> caustic;
    bool drawn_rays = false;
    // Stepped by double-precision addition: +pi/2 itself is passed over by rounding.
    for (double a = -pi / 2; a <= pi / 2; a += pi / 150) {
        if (std::fabs(a) < cone) continue;  // rays inside the rainbow cone are left out
        const std::optional<Point> p = reflected_caustic_point(eikona, a, R, n);
        drawn_rays = true;
        if (!p) continue;
        const ScopedPen wide(eikona, 4);
        eikona.pset(float(p->x), float(p->y), rainbow_green);
        caustic.push_back({float(p->x), float(p->y)});
    }
    // The rainbow ray is the same for every ray of the beam: it is drawn once, over the rays.
    if (drawn_rays) draw_least_deviation_ray(eikona, R, n);
    // The yellow line starts at the second point: the first stands alone.
    const ScopedPen wide(eikona, 4);
    for (std::size_t j = 1; j + 1 < caustic.size(); ++j) {
        eikona.line(caustic[j].x, caustic[j].y, caustic[j + 1].x, caustic[j + 1].y, caustic_yellow);
    }
    return int(caustic.size());
}

}  // namespace rainbow
