#pragma once
// The Debye series: each Mie partial wave split into the wave reflected at the surface
// (p = 0, with diffraction) and the waves that cross the drop after p - 1 internal
// reflections (p >= 1). Summed over every p, the terms give back the Mie coefficients.
#include "scattering/mie.h"

namespace rainbow::scattering {

// The partial waves of the p-th Debye term (p = 2: one internal reflection, the primary
// bow; p = 3: the secondary). Meant for a drop that absorbs little, such as water.
PartialWaves debye_partial_waves(complex index, double size_parameter, int p);

}  // namespace rainbow::scattering
