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

// |S|^2 for one polarisation in the units of Mie's |S1|^2 and |S2|^2. Far from the bow, on
// the lit side, its mean over the supernumerary fringes tends to the sum of the two rays of
// geometric optics (the fringes are their interference). It carries the factor 1 / sin theta
// of a ray's spread over the cone of scattering angle theta, which moves its crests a little
// away from those of Ai^2 alone (by 0.23 deg for the primary bow of 10 um drops), and it
// keeps Fresnel's factors of the rainbow ray at every angle: good for perpendicular light,
// poor for parallel light, whose internal reflection near the rainbow ray is close to
// Brewster's angle and changes fast along the bow.
double airy_intensity(double index, double size_parameter, int reflections, double angle,
                      Polarisation polarisation);

}  // namespace rainbow::scattering
