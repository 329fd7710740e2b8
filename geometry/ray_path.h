#pragma once

#include <vector>

#include "geometry/drop.h"
#include "geometry/point.h"
#include "geometry/vector.h"

namespace rainbow {

// Length of the outgoing segment of a drawn ray, in picture units.
inline constexpr double exit_length = 350;

// The path of one ray through a circular drop: the entry point, the k points of internal
// reflection and the exit point, with the signed angles of incidence and refraction and the
// unit direction of the outgoing ray.
struct RayPath {
    std::vector<Point> points;  // entry, reflections, exit: k + 2 points
    double incidence = 0;
    double refraction = 0;
    Vector exit_direction;

    const Point& entry() const { return points.front(); }
    const Point& exit() const { return points.back(); }
};

// Follows the ray from `source` that enters the drop at `entry`, through k internal
// reflections. Every chord subtends the central angle pi - 2 refraction, so each point is the
// previous radius vector turned by that angle.
RayPath trace_ray(Point source, Point entry, const Drop& drop, int k);

// The course of that ray as it is drawn: the source, the entry point, the points of
// reflection, the exit point and the end of an outgoing segment of exit_length.
std::vector<Point> ray_course(Point source, Point entry, const Drop& drop, int k);

// Where the ray from `source` must enter the drop to meet it at the least-deviation angle of
// order k; on the negative side of the centre when side < 0.
Point rainbow_entry_point(double side, Point source, const Drop& drop, int k);

// The course of the least-deviation (rainbow) ray of order k from `source`, as ray_course.
std::vector<Point> rainbow_ray_course(double side, Point source, const Drop& drop, int k);

// The least-deviation ray of order k of a parallel beam travelling in `direction`
// (direction.x > 0): the beam's own ray that meets the drop at the rainbow incidence, on the
// negative side of the centre when side < 0. It starts on the beam's start line x = start_x;
// a horizontal beam's starts at the height yc + r sin(incidence).
struct BeamRay {
    Point start;
    Point entry;
};
BeamRay beam_rainbow_ray(double side, double start_x, Vector direction, const Drop& drop, int k);

// The course of that ray, as ray_course.
std::vector<Point> beam_rainbow_ray_course(double side, double start_x, Vector direction,
                                           const Drop& drop, int k);

}  // namespace rainbow
