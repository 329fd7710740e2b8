#include "geometry/ray_path.h"

#include <cmath>

#include "geometry/angles.h"

namespace rainbow {

RayPath trace_ray(Point source, Point entry, const Drop& drop, int k) {
    const double px = entry.x, py = entry.y;
    const double xc = drop.centre.x, yc = drop.centre.y, r = drop.radius;
    RayPath path;
    const double ux = source.x - px;
    const double uy = source.y - py;
    const double wx = xc - px;
    const double wy = yc - py;
    const double length = std::sqrt(ux * ux + uy * uy);
    // Signed sine of the angle between the incoming ray and the radius at the entry point.
    const double sin_incidence = (wy * ux - wx * uy) / (length * r);
    path.incidence = safe_arcsine(sin_incidence).value_or(0);
    path.refraction = safe_arcsine(std::sin(path.incidence) / drop.index).value_or(0);

    const double alpha = pi_value() - 2 * path.refraction;
    const double ca = std::cos(alpha);
    const double sa = std::sin(alpha);
    const int chords = k + 1;
    path.points.reserve(std::size_t(chords) + 1);
    path.points.push_back({px, py});
    double dx = px - xc;
    double dy = py - yc;
    for (int i = 1; i <= chords; ++i) {
        const double turned_x = ca * dx + sa * dy;
        const double turned_y = ca * dy - sa * dx;
        dx = turned_x;
        dy = turned_y;
        path.points.push_back({xc + dx, yc + dy});
    }
    // The outgoing ray: the outward normal at the exit turned by the angle of incidence.
    const double mx = (path.exit().x - xc) / r;
    const double my = (path.exit().y - yc) / r;
    const double ci = std::cos(path.incidence);
    const double si = std::sin(path.incidence);
    path.exit_direction = {ci * mx + si * my, ci * my - si * mx};
    return path;
}

std::vector<Point> ray_course(Point source, Point entry, const Drop& drop, int k) {
    RayPath path = trace_ray(source, entry, drop, k);
    const Point exit = path.exit();
    std::vector<Point> course;
    course.reserve(path.points.size() + 2);
    course.push_back(source);
    course.insert(course.end(), path.points.begin(), path.points.end());
    course.push_back({exit.x + exit_length * path.exit_direction.x,
                      exit.y + exit_length * path.exit_direction.y});
    return course;
}

namespace {

// The signed angle of incidence of the least-deviation ray of order k; negative when
// side < 0, so that the ray passes the centre on that side.
double signed_rainbow_incidence(double side, double n, int k) {
    const double theta = rainbow_incidence(n, k).value_or(0);
    return side < 0 ? -theta : theta;
}

// Where a horizontal ray coming from the left meets the drop at the angle of incidence theta,
// with the whole picture turned by `turn` counter-clockwise about the centre.
Point turned_entry(double theta, double turn, const Drop& drop) {
    const double r = drop.radius;
    const double vx = -r * std::cos(theta);
    const double vy = r * std::sin(theta);
    return {drop.centre.x + std::cos(turn) * vx - std::sin(turn) * vy,
            drop.centre.y + std::cos(turn) * vy + std::sin(turn) * vx};
}

}  // namespace

Point rainbow_entry_point(double side, Point source, const Drop& drop, int k) {
    const double sx = source.x, sy = source.y, xc = drop.centre.x, yc = drop.centre.y;
    const double theta = signed_rainbow_incidence(side, drop.index, k);
    const double impact = drop.radius * std::sin(theta);
    const double beta = std::atan((sy - yc) / (sx - xc));
    const double length = std::sqrt((sx - xc) * (sx - xc) + (sy - yc) * (sy - yc));
    const double gamma = safe_arcsine(impact / length).value_or(0);
    return turned_entry(theta, gamma + beta, drop);
}

std::vector<Point> rainbow_ray_course(double side, Point source, const Drop& drop, int k) {
    return ray_course(source, rainbow_entry_point(side, source, drop, k), drop, k);
}

BeamRay beam_rainbow_ray(double side, double start_x, Vector direction, const Drop& drop, int k) {
    const double theta = signed_rainbow_incidence(side, drop.index, k);
    const Point entry = turned_entry(theta, std::atan2(direction.y, direction.x), drop);
    // Back along the beam's direction to its start line.
    return {{start_x, entry.y - (entry.x - start_x) * direction.y / direction.x}, entry};
}

std::vector<Point> beam_rainbow_ray_course(double side, double start_x, Vector direction,
                                           const Drop& drop, int k) {
    const BeamRay ray = beam_rainbow_ray(side, start_x, direction, drop, k);
    return ray_course(ray.start, ray.entry, drop, k);
}

}  // namespace rainbow
