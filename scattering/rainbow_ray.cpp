#include "scattering/rainbow_ray.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scattering/rounded.h"

namespace rainbow::scattering {
namespace {

double refraction_angle(double incidence, double index) {
    return rounded::asin(std::clamp(rounded::sin(incidence) / index, -1.0, 1.0));
}

}  // namespace

double deviation(double incidence, double index, int reflections) {
    return deviation_from(incidence, refraction_angle(incidence, index), reflections);
}

double deviation_from(double incidence, double refraction, int reflections) {
    return reflections * std::numbers::pi + 2.0 * incidence - 2.0 * (reflections + 1) * refraction;
}

double deviation_slope(double incidence, double index, int reflections) {
    const double r = refraction_angle(incidence, index);
    const double cos_r = rounded::cos(r);
    if (cos_r <= 0) return 2.0;
    return 2.0 - 2.0 * (reflections + 1) * rounded::cos(incidence) / (index * cos_r);
}

double scattering_angle(double deviation) { return rounded::acos(rounded::cos(deviation)); }

RainbowRay rainbow_ray(double index, int reflections) {
    RainbowRay ray;
    const double k = reflections;
    const double cos2 = std::clamp((index * index - 1.0) / ((k + 1) * (k + 1) - 1.0), 0.0, 1.0);
    ray.incidence = rounded::acos(std::sqrt(cos2));
    ray.refraction = refraction_angle(ray.incidence, index);
    ray.deviation = deviation(ray.incidence, index, reflections);
    // d^2 r / d i^2 = -sin r (m^2 - 1) / (m^2 cos^3 r)
    const double cos_r = rounded::cos(ray.refraction);
    ray.curvature = 2.0 * (k + 1) * rounded::sin(ray.refraction) * (index * index - 1.0) /
                    (index * index * cos_r * cos_r * cos_r);
    ray.scattering_angle = scattering_angle(ray.deviation);
    // Deviations grow away from the minimum. Where the deviation, folded into 0 .. 2 pi,
    // is below pi the scattering angle grows with it; above pi it shrinks.
    const double folded = std::fmod(ray.deviation, 2.0 * std::numbers::pi);
    ray.lit_side = folded <= std::numbers::pi ? 1 : -1;
    return ray;
}

double rainbow_angle(double index, int reflections) {
    const double d = rainbow_ray(index, reflections).deviation;
    return reflections % 2 == 1 ? std::numbers::pi - d : d - std::numbers::pi;
}

double fresnel_reflectance(double incidence, double index, Polarisation polarisation) {
    const double cos_i = rounded::cos(incidence);
    const double cos_r = rounded::cos(refraction_angle(incidence, index));
    const double amplitude = polarisation == Polarisation::perpendicular
                                 ? (cos_i - index * cos_r) / (cos_i + index * cos_r)
                                 : (index * cos_i - cos_r) / (index * cos_i + cos_r);
    return amplitude * amplitude;
}

double ray_transmission(double incidence, double index, int reflections,
                        Polarisation polarisation) {
    const double reflected = fresnel_reflectance(incidence, index, polarisation);
    return (1.0 - reflected) * (1.0 - reflected) * rounded::pow(reflected, reflections);
}

}  // namespace rainbow::scattering
