#pragma once

#include "crossing/cut_rays_values.h"
#include "geometry/circle_cut.h"

namespace rainbow {

class Surface;

// A chord steeper than this (|dx| below it) has no slope worth taking.
inline constexpr double vertical_chord_dx = 1e-6;
// A chord flatter than this is the horizontal diameter of a ray along the axis, bent only by
// rounding: its slope counts as 0.
inline constexpr double flat_chord_slope = 1e-12;

// Draws one ray from (sx, sy) that enters the sphere (centre (cx, cy), radius R, index n) at
// (px, py), crosses it along one chord and leaves it: the normal at the entry (black,
// dash-dot), the incident segment, the chord, and, unless the chord is vertical, the chord's
// dash-dot extension and the outgoing ray, all in the surface's pen. Leaves the chord's slope
// and the exit point in `values` (0 when not taken) and reads values.x_right for the extension.
void draw_refracted_ray(Surface& surface, CutRaysValues& values, double sx, double sy, double px,
                        double py, double cx, double cy, double R, double n);

using entry_point = Point;

// Where a ray from a source at (px, 0) must enter the sphere of radius R centred at (cx, 0),
// cx > px, to meet it at the angle of incidence t (radians): the point on the upper half of
// the sphere nearer the source, or (0, 0) when no such ray exists (the source is not left of
// the centre, or lies inside the sphere and t is too large).
entry_point special_entry_point(double px, double cx, double t, double R);

}  // namespace rainbow
