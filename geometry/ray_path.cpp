#include "geometry/ray_path.h"

#include <cmath>

#include "geometry/angles.h"

namespace rainbow {

RayPath trace_ray(double sx, double sy, double px, double py, double xc, double yc, double r,
                  double n, int k) {
    RayPath path;
    const double ux = sx - px;
    const double uy = sy - py;
    const double wx = xc - px;
    const double wy = yc - py;
    const double length = std::sqrt(ux * ux + uy * uy);
    // Signed sine of the angle between the incoming ray and the radius at the entry point.
    const double sin_incidence = (wy * ux - wx * uy) / (length * r);
    path.incidence = safe_arcsine(sin_incidence).value_or(0);
    path.refraction = safe_arcsine(std::sin(path.incidence) / n).value_or(0);

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

std::vector<Point> ray_course(double sx, double sy, double px, double py, double xc, double yc,
                              double r, double n, int k) {
    RayPath path = trace_ray(sx, sy, px, py, xc, yc, r, n, k);
    const Point exit = path.exit();
    std::vector<Point> course;
    course.reserve(path.points.size() + 2);
    course.push_back({sx, sy});
    course.insert(course.end(), path.points.begin(), path.points.end());
    course.push_back({exit.x + exit_length * path.exit_direction.x,
                      exit.y + exit_length * path.exit_direction.y});
    return course;
}

namespace {

// The signed angle of incidence of the least-deviation ray of order k; negative when
// angle_theta < 0, so that the ray passes the centre on that side.
double signed_rainbow_incidence(double angle_theta, double n, int k) {
    const double theta = rainbow_incidence(n, k).value_or(0);
    return angle_theta < 0 ? -theta : theta;
}

// Where a horizontal ray coming from the left meets the drop at the angle of incidence theta,
// with the whole picture turned by `turn` counter-clockwise about the centre.
Point turned_entry(double theta, double turn, double xc, double yc, double r) {
    const double vx = -r * std::cos(theta);
    const double vy = r * std::sin(theta);
    return {xc + std::cos(turn) * vx - std::sin(turn) * vy,
            yc + std::cos(turn) * vy + std::sin(turn) * vx};
}

}  // namespace

Point rainbow_entry_point(double angle_theta, double sx, double sy, double xc, double yc, double r,
                          double n, int k) {
    const double theta = signed_rainbow_incidence(angle_theta, n, k);
    const double impact = r * std::sin(theta);
    const double beta = std::atan((sy - yc) / (sx - xc));
    const double length = std::sqrt((sx - xc) * (sx - xc) + (sy - yc) * (sy - yc));
    const double gamma = safe_arcsine(impact / length).value_or(0);
    return turned_entry(theta, gamma + beta, xc, yc, r);
}

std::vector<Point> rainbow_ray_course(double angle_theta, double sx, double sy, double xc,
                                      double yc, double r, double n, int k) {
    const Point entry = rainbow_entry_point(angle_theta, sx, sy, xc, yc, r, n, k);
    return ray_course(sx, sy, entry.x, entry.y, xc, yc, r, n, k);
}

BeamRay beam_rainbow_ray(double angle_theta, double sx, double ux, double uy, double xc, double yc,
                         double r, double n, int k) {
    const double theta = signed_rainbow_incidence(angle_theta, n, k);
    const Point entry = turned_entry(theta, std::atan2(uy, ux), xc, yc, r);
    // Back along the beam's direction to its start line.
    return {{sx, entry.y - (entry.x - sx) * uy / ux}, entry};
}

std::vector<Point> beam_rainbow_ray_course(double angle_theta, double sx, double ux, double uy,
                                           double xc, double yc, double r, double n, int k) {
    const BeamRay ray = beam_rainbow_ray(angle_theta, sx, ux, uy, xc, yc, r, n, k);
    return ray_course(ray.start.x, ray.start.y, ray.entry.x, ray.entry.y, xc, yc, r, n, k);
}

}  // namespace rainbow
