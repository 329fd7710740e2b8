#pragma once
// Light and colour: sunlight, water's dispersion, the eye's colour-matching functions and
// the sRGB display. Wavelengths in nanometres.
#include <array>

namespace rainbow::scattering {

// Planck's law for a blackbody at this temperature, in units where the value at 560 nm is 1.
double blackbody(double wavelength_nm, double temperature_k = 5800.0);

// Water's refractive index by the IAPWS formulation of 1997 (Harvey, Gallagher and Levelt
// Sengers, J. Phys. Chem. Ref. Data 27, 761, 1998), at 20 deg C and 998.2 kg/m^3 unless told.
double water_index(double wavelength_nm, double temperature_c = 20.0, double density = 998.2);

// A drop in air bends light by the ratio of the two indices; handbooks quote this ratio
// (1.3330 at 589 nm). Air's index taken as 1.000277 across the visible.
double water_index_in_air(double wavelength_nm);

// The CIE 1931 2 degree colour-matching functions x, y, z by the multi-lobe fit of Wyman,
// Sloan and Shirley (J. Computer Graphics Techniques 2(2), 1, 2013).
std::array<double, 3> colour_matching(double wavelength_nm);

// Linear XYZ (white D65 at Y = 1) to the sRGB display: the standard matrix, colours outside
// the gamut pulled toward the grey of equal luminance, the sRGB transfer curve, 0 .. 1.
std::array<double, 3> xyz_to_srgb(const std::array<double, 3>& xyz);

// The same before the transfer curve and without clipping: linear sRGB, never negative.
std::array<double, 3> xyz_to_linear_srgb(const std::array<double, 3>& xyz);

}  // namespace rainbow::scattering
