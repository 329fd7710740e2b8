#pragma once

#include <vector>

#include "geometry/circle_cut.h"

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
    Point exit_direction;

    const Point& entry() const { return points.front(); }
    const Point& exit() const { return points.back(); }
};

// Follows the ray from (sx, sy) that enters the drop (centre (xc, yc), radius r, index n) at
// (px, py), through k internal reflections. Every chord subtends the central angle
// pi - 2 refraction, so each point is the previous radius vector turned by that angle.
RayPath trace_ray(double sx, double sy, double px, double py, double xc, double yc, double r,
                  double n, int k);

// The course of that ray as it is drawn: the start, the entry point, the points of
// reflection, the exit point and the end of an outgoing segment of exit_length.
std::vector<Point> ray_course(double sx, double sy, double px, double py, double xc, double yc,
                              double r, double n, int k);

// Where the ray from (sx, sy) must enter the drop to meet it at the least-deviation angle of
// order k; on the negative side of the centre when angle_theta < 0.
Point rainbow_entry_point(double angle_theta, double sx, double sy, double xc, double yc, double r,
                          double n, int k);

// The course of the least-deviation (rainbow) ray of order k from (sx, sy), as ray_course.
std::vector<Point> rainbow_ray_course(double angle_theta, double sx, double sy, double xc,
                                      double yc, double r, double n, int k);

// The least-deviation ray of order k of a parallel beam travelling in the direction (ux, uy),
// ux > 0: the beam's own ray that meets the drop at the rainbow incidence, on the negative side
// of the centre when angle_theta < 0. It starts on the beam's start line x = sx; a horizontal
// beam's starts at the height yc + r sin(incidence).
struct BeamRay {
    Point start;
    Point entry;
};
BeamRay beam_rainbow_ray(double angle_theta, double sx, double ux, double uy, double xc, double yc,
                         double r, double n, int k);

// The course of that ray, as ray_course.
std::vector<Point> beam_rainbow_ray_course(double angle_theta, double sx, double ux, double uy,
                                           double xc, double yc, double r, double n, int k);

}  // namespace rainbow
