#include "scattering/colour.h"

#include <algorithm>
#include <cmath>

namespace rainbow::scattering {
namespace {

double planck(double wavelength_nm, double temperature_k) {
    constexpr double second_radiation_constant = 1.438776877e7;  // h c / k in nm K
    const double l = wavelength_nm;
    return 1.0 / (l * l * l * l * l * std::expm1(second_radiation_constant / (l * temperature_k)));
}

// One lobe of the fit: a Gaussian with a different width on either side of its peak.
double lobe(double wavelength_nm, double peak, double width_below, double width_above) {
    const double t = (wavelength_nm - peak) / (wavelength_nm < peak ? width_below : width_above);
    return std::exp(-0.5 * t * t);
}

double encode(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

}  // namespace

double blackbody(double wavelength_nm, double temperature_k) {
    return planck(wavelength_nm, temperature_k) / planck(560.0, temperature_k);
}

double water_index(double wavelength_nm, double temperature_c, double density) {
    // (n^2 - 1) / (n^2 + 2) / rho = a0 + a1 rho + a2 T + a3 L^2 T + a4 / L^2
    //                               + a5 / (L^2 - Luv^2) + a6 / (L^2 - Lir^2) + a7 rho^2
    // with rho in 1000 kg/m^3, T in 273.15 K and L in 0.589 micrometres.
    constexpr double a0 = 0.244257733, a1 = 9.74634476e-3, a2 = -3.73234996e-3, a3 = 2.68678472e-4,
                     a4 = 1.58920570e-3, a5 = 2.45934259e-3, a6 = 0.900704920, a7 = -1.66626219e-2;
    constexpr double ultraviolet = 0.2292020, infrared = 5.432937;
    const double rho = density / 1000.0;
    const double t = (temperature_c + 273.15) / 273.15;
    const double l2 = (wavelength_nm / 589.0) * (wavelength_nm / 589.0);
    const double refraction = rho * (a0 + a1 * rho + a2 * t + a3 * l2 * t + a4 / l2 +
                                     a5 / (l2 - ultraviolet * ultraviolet) +
                                     a6 / (l2 - infrared * infrared) + a7 * rho * rho);
    // Lorentz-Lorenz: n^2 = (1 + 2 R) / (1 - R)
    return std::sqrt((1.0 + 2.0 * refraction) / (1.0 - refraction));
}

double water_index_in_air(double wavelength_nm) { return water_index(wavelength_nm) / 1.000277; }

std::array<double, 3> colour_matching(double wavelength_nm) {
    const double l = wavelength_nm;
    return {1.056 * lobe(l, 599.8, 37.9, 31.0) + 0.362 * lobe(l, 442.0, 16.0, 26.7) -
                0.065 * lobe(l, 501.1, 20.4, 26.2),
            0.821 * lobe(l, 568.8, 46.9, 40.5) + 0.286 * lobe(l, 530.9, 16.3, 31.1),
            1.217 * lobe(l, 437.0, 11.8, 36.0) + 0.681 * lobe(l, 459.0, 26.0, 13.8)};
}

std::array<double, 3> xyz_to_linear_srgb(const std::array<double, 3>& xyz) {
    const auto [x, y, z] = xyz;
    std::array<double, 3> rgb = {3.2404542 * x - 1.5371385 * y - 0.4985314 * z,
                                 -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
                                 0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
    // A spectral colour lies outside the gamut: mix in grey of the same luminance until no
    // channel is negative, which keeps the hue and the brightness.
    const double lowest = std::min({rgb[0], rgb[1], rgb[2]});
    if (lowest < 0 && y > 0) {
        const double mix = -lowest / (y - lowest);
        for (double& c : rgb) c = std::max(0.0, c + mix * (y - c));
    }
    if (y <= 0)
        for (double& c : rgb) c = std::max(0.0, c);
    return rgb;
}

std::array<double, 3> xyz_to_srgb(const std::array<double, 3>& xyz) {
    const auto rgb = xyz_to_linear_srgb(xyz);
    return {encode(rgb[0]), encode(rgb[1]), encode(rgb[2])};
}

}  // namespace rainbow::scattering
