#include "caustics/refraction.h"

#include <cmath>

#include "forms/surface.h"
#include "geometry/angles.h"

namespace rainbow {
namespace {

constexpr Rgb ray_red = rgb(255, 0, 0);
constexpr Rgb continuation_purple = rgb(55, 0, 100);
constexpr Rgb cone_blue = rgb(0, 0, 255);
constexpr Rgb outside_grey = rgb(55, 55, 55);

// Calls visit(a) for a = -pi/2, -pi/2 + step, ... while a <= pi/2, with the angle, the step and
// the end held in single precision and the angle advanced by single-precision addition. The
// rounding decides the count: pi/50 gives 50 angles, pi/450 gives 450, and the middle angle
// lies a little off 0, which keeps the axial ray clear of 0/0.
template <class Visit>
void for_each_beam_angle(double divisions, Visit visit) {
    const double pi = pi_value();
    const float last = float(pi / 2);
    const float step = float(pi / divisions);
    for (float a = float(-pi / 2); a <= last; a += step) visit(double(a));
}

std::optional<double> refraction_angle(double a, double n) {
    const double s = std::sin(a) / n;
    if (!(std::fabs(s) < 1)) return std::nullopt;
    return safe_arcsine(s).value_or(0);
}

// Distance from the exit point (angle v on the circle) to the axis along the outgoing ray of
// deviation D. The axial ray itself (D = 0, v = 0) is the paraxial limit: the focal distance
// R (2 - n) / (2 (n - 1)) behind the sphere.
double distance_to_axis(double R, double v, double deviation, double n) {
    const double sin_d = std::sin(deviation);
    if (sin_d == 0) return std::fabs(R * (2 - n) / (2 * (n - 1)));
    return std::fabs(R * std::sin(v) / sin_d);
}

// One ray of the beam: the incident part, the chord, the part out to the axis and a
// continuation of length 3R beyond it, always towards +x.
void draw_beam_ray(Surface& eikona, double a, double R, double n) {
    const double ey = R * std::sin(a);
    eikona.line(-100, float(ey), float(-R * std::cos(a)), float(ey), ray_red);
    const std::optional<double> r = refraction_angle(a, n);
    if (!r) return;
    const double v = 2 * *r - a;
    const double xv = R * std::cos(v);
    const double yv = R * std::sin(v);
    eikona.line(float(-R * std::cos(a)), float(ey), float(xv), float(yv), ray_red);

    const double deviation = 2 * (a - *r);
    const double xa = xv + distance_to_axis(R, v, deviation, n) * std::cos(deviation);
    if (!drawable({xa, 0})) return;
    eikona.line(float(xv), float(yv), float(xa), 0, ray_red);

    double t = std::tan(deviation);
    if (-yv * t < 0) t = -t;  // across the axis from the exit point
    const double root = std::sqrt(1 + t * t);
    const Point end{xa + 3 * R / root, 3 * R * t / root};
    if (drawable(end)) eikona.line(float(xa), 0, float(end.x), float(end.y), continuation_purple);
}

}  // namespace

double refraction_rate(double a, double n) {
    const double s = std::sin(a) / n;
    return (std::cos(a) / n) / std::sqrt(1 - s * s);
}

double inner_slope_rate(double a, double n) {
    const double r = safe_arcsine(std::sin(a) / n).value_or(0);
    return (1 - refraction_rate(a, n)) / std::pow(std::cos(a - r), 2);
}

double outer_slope_rate(double a, double n) {
    const double r = safe_arcsine(std::sin(a) / n).value_or(0);
    return 2 * (1 - refraction_rate(a, n)) / std::pow(std::cos(2 * a - 2 * r), 2);
}

bool drawable(const Point& p) { return std::isfinite(float(p.x)) && std::isfinite(float(p.y)); }

std::optional<Point> inner_caustic_point(double a, double R, double n) {
    const std::optional<double> r = refraction_angle(a, n);
    if (!r) return std::nullopt;
    // The chord through E = (-R cos a, R sin a) with slope -T; where it meets its neighbour.
    const double T = std::tan(a - *r);
    const double P = inner_slope_rate(a, n);
    const double x = R * (std::cos(a) + T * std::sin(a) - P * std::cos(a)) / P;
    return Point{x, R * std::sin(a) - (x + R * std::cos(a)) * T};
}

std::optional<Point> outer_caustic_point(double a, double R, double n) {
    const std::optional<double> r = refraction_angle(a, n);
    if (!r) return std::nullopt;
    // The outgoing ray through X = (R cos v, R sin v) with slope -T2; w is dv/da.
    const double v = 2 * *r - a;
    const double w = 2 * refraction_rate(a, n) - 1;
    const double T2 = std::tan(2 * a - 2 * *r);
    const double Q = outer_slope_rate(a, n);
    const double x = R * (Q * std::cos(v) + w * (std::cos(v) - T2 * std::sin(v))) / Q;
    return Point{x, R * std::sin(v) - (x - R * std::cos(v)) * T2};
}

void draw_refraction_scene(Surface& eikona, double R, double n) {
    eikona.cls();
    eikona.circle(0, 0, float(R));
    for_each_beam_angle(50, [&](double a) { draw_beam_ray(eikona, a, R, n); });
    draw_inner_caustic(eikona, R, n);
    draw_outer_caustic(eikona, R, n);
}

void draw_inner_caustic(Surface& eikona, double R, double n) {
    eikona.circle(0, 0, float(R));
    std::optional<Point> previous;
    for_each_beam_angle(450, [&](double a) {
        const std::optional<Point> p = inner_caustic_point(a, R, n);
        if (!p) return;  // no refracted ray: the line joins over it
        if (!drawable(*p)) {
            previous.reset();  // the caustic runs off to infinity: break the line
            return;
        }
        eikona.pset(float(p->x), float(p->y));
        if (previous) eikona.line(float(previous->x), float(previous->y), float(p->x), float(p->y));
        previous = p;
    });
}

void draw_outer_caustic(Surface& eikona, double R, double n) {
    const double rainbow_angle = rainbow_incidence(n).value_or(0);
    eikona.circle(0, 0, float(R));
    std::optional<Point> previous;
    for_each_beam_angle(450, [&](double a) {
        const std::optional<Point> p = outer_caustic_point(a, R, n);
        if (!p) return;
        if (!drawable(*p)) {
            previous.reset();
            return;
        }
        const bool inside_cone = std::fabs(a) < rainbow_angle;
        const ScopedPen pen(eikona, inside_cone ? 1 : 2);
        if (previous) {
            eikona.line(float(previous->x), float(previous->y), float(p->x), float(p->y),
                        inside_cone ? cone_blue : outside_grey);
        }
        previous = p;
    });
}

}  // namespace rainbow
