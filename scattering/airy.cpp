#include "scattering/airy.h"

#include <cmath>
#include <numbers>

#include "scattering/rounded.h"

namespace rainbow::scattering {
namespace {

constexpr double ai_at_zero = 0.355028053887817239;           // Ai(0)
constexpr double minus_slope_at_zero = 0.258819403792806798;  // -Ai'(0)

double power_series(double z) {
    const double cube = z * z * z;
    double f_term = 1.0, f = 1.0;
    double g_term = z, g = z;
    for (int k = 1; k < 200; ++k) {
        f_term *= cube / ((3.0 * k - 1.0) * (3.0 * k));
        g_term *= cube / ((3.0 * k) * (3.0 * k + 1.0));
        f += f_term;
        g += g_term;
        if (std::abs(f_term) < 1e-18 * std::abs(f) &&
            std::abs(g_term) < 1e-18 * std::abs(g) + 1e-300)
            break;
    }
    return ai_at_zero * f - minus_slope_at_zero * g;
}

// u_k of the asymptotic expansions: u_k = (6k-5)(6k-3)(6k-1) / (216 k (2k-1)) u_{k-1}.
double next_u(double u, int k) {
    return u * (6.0 * k - 5.0) * (6.0 * k - 3.0) * (6.0 * k - 1.0) / (216.0 * k * (2.0 * k - 1.0));
}

double decaying_side(double z) {
    const double zeta = 2.0 / 3.0 * z * std::sqrt(z);
    double u = 1.0, term = 1.0, sum = 1.0, power = 1.0;  // power: zeta^k
    for (int k = 1; k < 40; ++k) {
        u = next_u(u, k);
        power *= zeta;
        const double next = u / power * (k % 2 ? -1.0 : 1.0);
        if (std::abs(next) >= std::abs(term)) break;  // the series has started to diverge
        term = next;
        sum += term;
        if (std::abs(term) < 1e-17) break;
    }
    return rounded::exp(-zeta) / (2.0 * std::sqrt(std::numbers::pi) * std::sqrt(std::sqrt(z))) *
           sum;
}

double oscillating_side(double z) {  // Ai(-z), z > 0
    const double zeta = 2.0 / 3.0 * z * std::sqrt(z);
    double even = 1.0, odd = 0.0, u = 1.0, last = 1.0, power = 1.0;  // power: zeta^k
    for (int k = 1; k < 60; ++k) {
        u = next_u(u, k);
        power *= zeta;
        const double term = u / power;
        if (term >= last) break;
        last = term;
        // k odd feeds the cosine sum, k even the sine sum, each with alternating signs.
        if (k % 2)
            odd += ((k / 2) % 2 ? -1.0 : 1.0) * term;
        else
            even += ((k / 2) % 2 ? -1.0 : 1.0) * term;
        if (term < 1e-17) break;
    }
    const double phase = zeta + std::numbers::pi / 4;
    return (rounded::sin(phase) * even - rounded::cos(phase) * odd) /
           (std::sqrt(std::numbers::pi) * std::sqrt(std::sqrt(z)));
}

}  // namespace

double airy_ai(double z) {
    if (z > 5.0) return decaying_side(z);
    if (z < -8.0) return oscillating_side(-z);
    return power_series(z);
}

double airy_argument(double index, double size_parameter, int reflections, double angle) {
    const RainbowRay ray = rainbow_ray(index, reflections);
    const double cos_i = rounded::cos(ray.incidence);
    const double scale =
        rounded::cbrt(2.0 * size_parameter * size_parameter * cos_i * cos_i / ray.curvature);
    return ray.lit_side * (angle - ray.scattering_angle) * scale;
}

double airy_intensity(double index, double size_parameter, int reflections, double angle,
                      Polarisation polarisation) {
    const double sin_angle = rounded::sin(angle);
    if (sin_angle <= 0) return 0;
    const RainbowRay ray = rainbow_ray(index, reflections);
    const double cos_i = rounded::cos(ray.incidence);
    const double width = rounded::cbrt(2.0 * cos_i * cos_i / ray.curvature);
    const double ai = airy_ai(-airy_argument(index, size_parameter, reflections, angle));
    return 2.0 * std::numbers::pi * rounded::pow(size_parameter, 7.0 / 3.0) *
           rounded::sin(ray.incidence) * width * width *
           ray_transmission(ray.incidence, index, reflections, polarisation) * ai * ai / sin_angle;
}

}  // namespace rainbow::scattering
