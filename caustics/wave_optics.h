#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "geometry/circle_cut.h"

namespace rainbow {

// A ray of a horizontal beam coming from the left that enters a sphere of radius R (centre at
// the origin) at the incidence angle a (radians, above the axis for a > 0), is reflected once
// inside and leaves towards the left.
struct WaveRay {
    double incidence = 0;
    double refraction = 0;
    Point entry;
    Point reflection;
    Point exit;
    Vector direction;      // unit vector of the outgoing ray
    double deviation = 0;  // angle of the outgoing ray below the horizontal: 4r - 2a
    double exit_path = 0;  // optical path from the plane front x = -R to the exit point

    friend std::ostream& operator<<(std::ostream& out, const WaveRay& ray) {
        return out << "{a=" << ray.incidence << ", N=" << ray.deviation
                   << ", path=" << ray.exit_path << "}";
    }
};

WaveRay wave_ray(double R, double n, double incidence);

// The point of the outgoing ray at the optical path `path`; none while the ray is still in the
// air before the sphere or inside it.
std::optional<Point> front_point(const WaveRay& ray, double path);

// The optical path to the plane through the centre perpendicular to the outgoing ray (negative
// distances where that plane lies behind the exit point). Two rays of the same direction differ
// by this amount on every plane perpendicular to it.
double path_to_normal_plane(const WaveRay& ray);

// One wave front: the point of optical path `path` on each ray of the fan, in the fan's order.
std::vector<std::optional<Point>> wave_front(const std::vector<WaveRay>& fan, double path);

// The two rays that leave in the same direction, one entering below the rainbow ray and one
// above it, with the optical path difference between them.
struct RayPair {
    WaveRay lower;
    WaveRay upper;
    double path_difference = 0;
};

// The pair that leaves at `deviation` below the horizontal; none where the fan of incidence
// angles 0 to 90 degrees does not reach that direction on both sides of the rainbow ray, or
// where n allows no rainbow ray.
std::optional<RayPair> rays_of_deviation(double R, double n, double deviation);

// The pair whose optical path difference is `difference`, between the rainbow ray (no
// difference) and the lowest direction that both halves of the fan reach; none where no pair
// reaches it.
std::optional<RayPair> pair_with_path_difference(double R, double n, double difference);

// Path differences, in wavelengths, of the first dark band and of the first supernumerary bow:
// half a wave and a whole wave, plus the quarter wave lost by the ray that touched the caustic.
inline constexpr double dark_band_difference = 0.75;
inline constexpr double supernumerary_difference = 1.25;

// The optical path between drawn wave fronts: the least whole number of wavelengths that keeps
// the fronts at least `least_gap` apart.
double front_spacing(double wavelength, double least_gap = 2);

}  // namespace rainbow
