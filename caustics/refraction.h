#pragma once

#include <optional>

#include "geometry/circle_cut.h"

namespace rainbow {

class Surface;

// Refraction of a horizontal beam by a sphere of radius R about the origin of the picture, and
// the two caustics of the refracted rays. A ray of incidence angle a (radians, a > 0 above the
// axis) enters at (-R cos a, R sin a) with the refraction angle r = arcsin(sin a / n).

// dr/da = (cos a / n) / sqrt(1 - (sin a / n)^2): how fast the refraction angle turns.
double refraction_rate(double a, double n);

// d/da of tan(a - r), the slope of the ray inside the sphere (with its sign changed).
double inner_slope_rate(double a, double n);

// d/da of tan(2a - 2r), the slope of the ray after leaving the sphere (sign changed).
double outer_slope_rate(double a, double n);

// The inner caustic point of the ray a: the envelope of the chords through the entry points.
// No value when the ray is not refracted (|sin a / n| >= 1). Near a fold the point may lie at
// infinity: callers check drawable before drawing it.
std::optional<Point> inner_caustic_point(double a, double R, double n);

// The outer caustic point of the ray a: the envelope of the rays after they leave the sphere.
std::optional<Point> outer_caustic_point(double a, double R, double n);

// Both coordinates are finite once converted to single precision, as the surface takes them.
bool drawable(const Point& p);

// The whole refraction picture for a sphere of index n: clears the surface, draws the circle
// and 50 rays of the beam with their chords, outgoing parts and continuations, then both
// caustics.
void draw_refraction_scene(Surface& eikona, double R, double n);

// The circle again and the inner caustic: 450 points of the dense family, each marked and
// joined to the one before, in the surface's pen.
void draw_inner_caustic(Surface& eikona, double R, double n);

// The circle again and the outer caustic: 450 points joined in blue while the incidence lies
// inside the rainbow cone and in dark grey, two pixels wide, outside it.
void draw_outer_caustic(Surface& eikona, double R, double n);

}  // namespace rainbow
