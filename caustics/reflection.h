#pragma once

#include <optional>

#include "geometry/circle_cut.h"

namespace rainbow {

class Surface;

// A ray of a horizontal beam, of incidence angle a, reflected once inside a sphere of radius
// R about the origin: where it enters, reflects and leaves, and the angle N = 4r - 2a of the
// outgoing ray, which runs back to the left through the exit point with slope tan N.
struct ReflectedRay {
    Point entry;
    Point reflection;
    Point exit;
    double outgoing_angle = 0;
    double refraction = 0;  // r = arcsin(sin a / n), read as 0 where it does not exist
};

ReflectedRay reflected_ray(double a, double R, double n);

// Where the outgoing rays of the beam touch their envelope, for the ray a: no value at the
// rainbow ray itself, where neighbouring outgoing rays are parallel (the point lies at
// infinity), nor where the point is not finite.
std::optional<Point> reflected_caustic_envelope(double a, double R, double n);

// Draws the ray a (blue entry dot, magenta reflection and exit dots, the outgoing line in the
// surface's colour out to x = -200) and the green rainbow ray with its magenta exit dot, and
// returns the caustic point of the ray. Leaves the pen three pixels wide.
std::optional<Point> reflected_caustic_point(Surface& eikona, double a, double R, double n);

// The reflected beam over the picture that is there: the rays whose incidence lies outside the
// rainbow cone, a = -pi/2 + k pi/150, each with its caustic point marked in green, and the
// points joined in yellow from the second point on. Returns how many caustic points it marked.
int draw_reflected_beam(Surface& eikona, double R, double n);

}  // namespace rainbow
