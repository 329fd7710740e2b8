#pragma once
// Airy's theory of the rainbow: near the bow the wave front leaving the drop is a cubic,
// and the light at angular distance eps from the geometric bow, on the side of the rays,
// goes as Ai^2(-z) with z = eps (2 x^2 cos^2 i / D'')^(1/3) (x the size parameter, i the
// incidence of the rainbow ray, D'' = d^2 D / d i^2 there).
#include "scattering/rainbow_ray.h"

namespace rainbow::scattering {

// The Airy function Ai: its power series near the origin, the asymptotic expansions beyond.
double airy_ai(double z);

// Airy's z for a scattering angle (radians).
double airy_argument(double index, double size_parameter, int reflections, double angle);

// |S|^2 for one polarisation in the units of Mie's |S1|^2 and |S2|^2: far from the bow it
// tends to the mean of the two rays of geometric optics.
double airy_intensity(double index, double size_parameter, int reflections, double angle,
                      Polarisation polarisation);

}  // namespace rainbow::scattering
