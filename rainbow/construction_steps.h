#pragma once

#include <optional>

#include "forms/surface.h"
#include "geometry/drop.h"
#include "rainbow/scene.h"

namespace rainbow {

// What the opening steps of a construction view leave for the rays it draws: the picture, the
// drop, the point the rays come from, the number of internal reflections and the angle of
// incidence of the rainbow (least-deviation) ray.
struct Construction {
    Surface& surface;
    Drop drop;
    Point source;  // the point source, or the point a parallel beam is aimed from
    int k;
    double rainbow_incidence;
};

// The opening steps every construction view shares: the source's height from the choice, the
// square scale from -half_width to half_width, the axes, the drop's outline, its focal
// points, k from the choice and the rainbow ray's angle of incidence.
Construction open_construction(const SceneChoice& choice, const Drop& drop, Surface& picture,
                               double half_width);

// Half-angle of the cone of rays from the source that meet the drop; 0 when the source lies
// inside the drop.
double cone_half_angle(const Construction& c);

// Where a construction's rays come from: all from the point source, or a parallel beam of
// rays in the direction from the source point to the drop's centre.
enum class Rays { from_point, parallel_beam };

// The two rainbow rays in green with a pen 2 wide, in `style` when one is given: first on the
// positive side of the centre, then on the other. From a point source both leave the source;
// in a parallel beam each is the beam's own ray that meets the drop at the rainbow incidence,
// starting on the beam's start line. The surface's pen is as before afterwards.
void draw_rainbow_rays(const Construction& c, double psi, Rays rays,
                       std::optional<LineStyle> style = std::nullopt);

// The closing step: the drop's outline drawn again on top of the rays.
void close_construction(const Construction& c);

}  // namespace rainbow
