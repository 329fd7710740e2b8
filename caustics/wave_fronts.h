#pragma once

#include <optional>

#include "caustics/wave_optics.h"

namespace rainbow {

class Surface;

// The pairs of rays whose directions the wave-fronts picture prints: the first dark band's and
// the first supernumerary bow's; none where the sphere has no such pair.
struct WaveFrontPairs {
    std::optional<RayPair> dark_band;
    std::optional<RayPair> supernumerary;
};

// The wave-fronts picture: a sphere of radius R and index n, a fan of once-reflected rays, the
// fronts of equal optical path (wavelength V in picture units) folding at the rainbow ray,
// and the directions of the first dark band and the first supernumerary bow, which it returns.
// The surface's pen is as before afterwards.
WaveFrontPairs draw_wave_fronts(Surface& eikona, double R, double n, double V);

}  // namespace rainbow
