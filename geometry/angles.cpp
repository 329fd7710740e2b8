#include "geometry/angles.h"

#include <cmath>

namespace rainbow {

double pi_value() { return 4 * std::atan(1.0); }

std::optional<double> safe_arcsine(double x) {
    if (x > 1) return std::nullopt;
    if (x == 1) return pi_value() / 2;
    if (x == -1) return -pi_value() / 2;
    if (std::fabs(x) < 1) return std::atan(x / std::sqrt(1 - x * x));
    return std::nullopt;  // x < -1, or not a number
}

double arcsine_by_arctangent(double x) { return std::atan(x / std::sqrt(1 + x * (-x))); }

double point_distance(double x1, double y1, double x2, double y2) {
    return std::sqrt(std::pow(x2 - x1, 2) + std::pow(y2 - y1, 2));
}

std::optional<double> rainbow_incidence(double n, int k) {
    const double m = k > 0 ? k + 1 : 2;
    return safe_arcsine(std::sqrt((m * m - n * n) / (m * m - 1)));
}

}  // namespace rainbow
