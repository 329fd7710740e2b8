#pragma once

namespace rainbow {

class Surface;
struct Settings;

// The wave-fronts picture: a sphere of radius R, a fan of once-reflected rays, the fronts of
// equal optical path (wavelength V in picture units) folding at the rainbow ray, and the
// directions of the first dark band and the first supernumerary bow. Reads n from
// refractive_index, leaves angle_theta at the incidence angle (degrees) of the last ray.
void draw_wave_fronts(Surface& eikona, Settings& settings, double R, double V);

}  // namespace rainbow
