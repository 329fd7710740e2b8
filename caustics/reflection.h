#pragma once

#include <optional>

#include "geometry/circle_cut.h"

namespace rainbow {

class Surface;

// A horizontal beam meets a sphere of radius R about the origin; a ray of incidence angle a
// (a > 0 above the axis) is refracted in, reflected once inside and leaves back to the left.

// Where the outgoing rays of the beam touch their envelope, for the ray a: no value at the
// rainbow ray itself, where neighbouring outgoing rays are parallel (the point lies at
// infinity), nor where the point is not finite.
std::optional<Point> reflected_caustic_envelope(double a, double R, double n);

// Draws the ray a (blue entry dot, magenta reflection and exit dots, the outgoing line in the
// surface's colour out to x = -200) in the surface's pen and returns the caustic point of the
// ray.
std::optional<Point> reflected_caustic_point(Surface& eikona, double a, double R, double n);

// The reflected beam over the picture that is there: the rays whose incidence lies outside the
// rainbow cone, a = -pi/2 + k pi/150, each with its caustic point marked in green, the green
// rainbow ray once over them, and the points joined in yellow from the second point on.
// Returns how many caustic points it marked.
int draw_reflected_beam(Surface& eikona, double R, double n);

}  // namespace rainbow
