#pragma once
// Geometric optics: the rays reflected k times inside the drop that leave at a scattering
// angle, their ray density and Fresnel's factors, added without their phases.
#include <vector>

#include "scattering/rainbow_ray.h"

namespace rainbow::scattering {

// The incidences (radians, 0 .. pi/2) of the rays with k reflections that leave at this
// scattering angle: none on the dark side of the bow, two on the lit side.
std::vector<double> rays_leaving_at(double index, int reflections, double angle);

// |S|^2 for one polarisation in the units of Mie's |S1|^2 and |S2|^2:
// x^2 T sin i cos i / (sin theta |dD/di|), summed over the rays.
double geometric_intensity(double index, double size_parameter, int reflections, double angle,
                           Polarisation polarisation);

}  // namespace rainbow::scattering
