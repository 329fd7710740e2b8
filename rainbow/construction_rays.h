#pragma once

#include <vector>

#include "forms/color.h"
#include "geometry/circle_cut.h"

namespace rainbow {

struct Construction;

// One ray of a construction's cone or beam, and where it meets the drop.
struct ConstructionRay {
    Point start;
    Point miss_end;  // the black segment drawn when the ray misses the drop ends here
    bool cuts = false;
    Point entry;           // the cut point nearer to the start, when the ray cuts
    double incidence = 0;  // signed angle of incidence at the entry point
    int number = 0;        // the count the central rays are thinned by
};

// The cone of rays from the point source towards the drop: 2 * steps rays of angular step
// psi / steps, the angle growing by repeated addition of the step while it stays within the
// cone (rounding may drop the last ray). A ray's number is its running count among the rays
// that cut the drop. Empty when there is no cone: a source inside or on the drop, or a step
// too small to move the angle.
std::vector<ConstructionRay> cone_rays(const Construction& c, double psi, int steps);

// The parallel beam of 121 rays, i = -60 to 60, starting at x = source.x and heights
// source.y + i R / 60, all parallel to the line from the source point to the drop's centre.
// A ray's number is its beam index i; a miss is drawn as a horizontal segment of 10 R.
std::vector<ConstructionRay> beam_rays(const Construction& c);

// Central rays enter the drop at a smaller angle of incidence than the rainbow ray, external
// rays at the same or a larger one.
enum class RaySide { central, external };

// One pass over the rays: those of one side in one colour, thinned to the rays whose number
// is a multiple of `thinning` (the remainder of a negative number being negative, beam index
// -4 passes at 4 and -3 does not). Misses are drawn in black on every pass, and with
// start_circles every start is marked by a small black circle.
struct RayPass {
    RaySide side;
    Rgb color;
    int thinning = 1;
    bool start_circles = false;
};
void draw_ray_pass(const Construction& c, const std::vector<ConstructionRay>& rays,
                   const RayPass& pass);

// The thinning of the central rays that the ray selector HScroll1 chooses: 1 every 4th ray,
// 2 every 2nd, any other value every ray.
int thinning_step(int selector);

}  // namespace rainbow
