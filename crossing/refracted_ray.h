#pragma once

#include "crossing/cut_rays_values.h"
#include "geometry/circle_cut.h"
#include "geometry/drop.h"

namespace rainbow {

class Surface;

// A chord steeper than this (|dx| below it) has no slope worth taking.
inline constexpr double vertical_chord_dx = 1e-6;
// A chord flatter than this is the horizontal diameter of a ray along the axis, bent only by
// rounding: its slope counts as 0.
inline constexpr double flat_chord_slope = 1e-12;

// What drawing a refracted ray found: the slope of its chord and its exit point. Both are 0
// when the chord is vertical; the slope alone is 0 when the chord is horizontal within
// rounding.
struct RefractedRay {
    double chord_slope = 0;
    Point exit;  // kept in single precision, as the picture takes it
};

// Draws one ray from `source` that enters the sphere at `entry`, crosses it along one chord
// and leaves it: the normal at the entry (black, dash-dot), the incident segment, the chord,
// and, unless the chord is vertical, the chord's dash-dot extension out to x_right beyond the
// exit and the outgoing ray, all in the surface's pen.
RefractedRay draw_refracted_ray(Surface& surface, double x_right, Point source, Point entry,
                                const Drop& sphere);

using entry_point = Point;

// Where a ray from a source at (px, 0) must enter the sphere of radius R centred at (cx, 0),
// cx > px, to meet it at the angle of incidence t (radians): the point on the upper half of
// the sphere nearer the source, or (0, 0) when no such ray exists (the source is not left of
// the centre, or lies inside the sphere and t is too large).
entry_point special_entry_point(double px, double cx, double t, double R);

}  // namespace rainbow
