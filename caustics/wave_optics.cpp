#include "caustics/wave_optics.h"

#include <algorithm>
#include <cmath>

#include "geometry/angles.h"
#include "geometry/ray_path.h"

namespace rainbow {
namespace {

// A root of f between lo and hi, where f changes sign (or vanishes) between them; none
// otherwise. Regula falsi with the Illinois correction: it keeps the root bracketed like
// bisection but needs a dozen evaluations rather than fifty.
template <class F>
std::optional<double> find_root(F f, double lo, double hi) {
    constexpr double tolerance = 1e-12;
    double f_lo = f(lo);
    double f_hi = f(hi);
    if (!std::isfinite(f_lo) || !std::isfinite(f_hi)) return std::nullopt;
    if (f_lo == 0) return lo;
    if (f_hi == 0) return hi;
    if (std::signbit(f_lo) == std::signbit(f_hi)) return std::nullopt;
    int kept = 0;  // which end stayed in the last step: -1 lo, +1 hi
    double x = lo;
    for (int i = 0; i < 100 && std::fabs(hi - lo) > tolerance; ++i) {
        x = (lo * f_hi - hi * f_lo) / (f_hi - f_lo);
        if (!(x > std::min(lo, hi) && x < std::max(lo, hi))) x = lo + (hi - lo) / 2;
        const double f_x = f(x);
        if (!std::isfinite(f_x)) return std::nullopt;
        if (f_x == 0) break;
        if (std::signbit(f_x) == std::signbit(f_hi)) {
            hi = x;
            f_hi = f_x;
            if (kept == -1) f_lo /= 2;
            kept = -1;
        } else {
            lo = x;
            f_lo = f_x;
            if (kept == 1) f_hi /= 2;
            kept = 1;
        }
    }
    return x;
}

// The incidence angle between lo and hi at which the outgoing ray leaves at `deviation`.
std::optional<double> incidence_of_deviation(double R, double n, double deviation, double lo,
                                             double hi) {
    return find_root([&](double a) { return wave_ray(R, n, a).deviation - deviation; }, lo, hi);
}

// The rainbow ray's incidence where it lies strictly inside the fan 0 to 90 degrees.
std::optional<double> rainbow_ray_incidence(double n) {
    const std::optional<double> incidence = rainbow_incidence(n, 1);
    if (!incidence || !(*incidence > 0) || !(*incidence < pi_value() / 2)) return std::nullopt;
    return incidence;
}

}  // namespace

WaveRay wave_ray(double R, double n, double incidence) {
    // The beam runs along +x; the ray is traced from a point one radius left of its entry.
    const Point entry{-R * std::cos(incidence), R * std::sin(incidence)};
    const RayPath path = trace_ray({entry.x - R, entry.y}, entry, {{0, 0}, R, n}, 1);
    WaveRay ray;
    ray.incidence = path.incidence;
    ray.refraction = path.refraction;
    ray.entry = path.points[0];
    ray.reflection = path.points[1];
    ray.exit = path.points[2];
    ray.direction = path.exit_direction;
    ray.deviation = 4 * ray.refraction - 2 * ray.incidence;
    // In the air from the plane x = -R to the entry, then the two equal chords 2R cos r.
    ray.exit_path = R * (1 - std::cos(ray.incidence)) + 4 * n * R * std::cos(ray.refraction);
    return ray;
}

std::optional<Point> front_point(const WaveRay& ray, double path) {
    const double outside = path - ray.exit_path;
    if (!(outside >= 0)) return std::nullopt;
    return Point{ray.exit.x + outside * ray.direction.x, ray.exit.y + outside * ray.direction.y};
}

double path_to_normal_plane(const WaveRay& ray) {
    return ray.exit_path - (ray.exit.x * ray.direction.x + ray.exit.y * ray.direction.y);
}

std::vector<std::optional<Point>> wave_front(const std::vector<WaveRay>& fan, double path) {
    std::vector<std::optional<Point>> front;
    front.reserve(fan.size());
    for (const WaveRay& ray : fan) front.push_back(front_point(ray, path));
    return front;
}

std::optional<RayPair> rays_of_deviation(double R, double n, double deviation) {
    const std::optional<double> rainbow = rainbow_ray_incidence(n);
    if (!rainbow) return std::nullopt;
    // The deviation grows from the axis up to the rainbow ray and falls beyond it.
    const std::optional<double> lower = incidence_of_deviation(R, n, deviation, 0, *rainbow);
    const std::optional<double> upper =
        incidence_of_deviation(R, n, deviation, *rainbow, pi_value() / 2);
    if (!lower || !upper) return std::nullopt;
    RayPair pair{wave_ray(R, n, *lower), wave_ray(R, n, *upper), 0};
    pair.path_difference =
        std::fabs(path_to_normal_plane(pair.lower) - path_to_normal_plane(pair.upper));
    return pair;
}

std::optional<RayPair> pair_with_path_difference(double R, double n, double difference) {
    const std::optional<double> rainbow = rainbow_ray_incidence(n);
    if (!rainbow || !(R > 0) || !std::isfinite(R) || !(difference >= 0)) return std::nullopt;
    const double rainbow_deviation = wave_ray(R, n, *rainbow).deviation;
    // Below this direction one half of the fan has run out of rays.
    const double lowest =
        std::max(wave_ray(R, n, 0).deviation, wave_ray(R, n, pi_value() / 2).deviation);
    const auto excess = [&](double deviation) {
        const std::optional<RayPair> pair = rays_of_deviation(R, n, deviation);
        return pair ? pair->path_difference - difference : std::nan("");
    };
    const std::optional<double> deviation = find_root(excess, lowest, rainbow_deviation);
    if (!deviation) return std::nullopt;
    return rays_of_deviation(R, n, *deviation);
}

double front_spacing(double wavelength, double least_gap) {
    if (!(wavelength > 0) || !std::isfinite(wavelength)) return 0;
    return std::max(1.0, std::ceil(least_gap / wavelength)) * wavelength;
}

}  // namespace rainbow
