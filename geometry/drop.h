#pragma once

#include <cmath>
#include <ostream>

#include "geometry/point.h"

namespace rainbow {

// A spherical drop seen in section: a circle of the plane and the refractive index inside it.
struct Drop {
    Point centre;
    double radius = 0;
    double index = 1;

    friend bool operator==(const Drop&, const Drop&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Drop& d) {
        return out << "{centre " << d.centre << ", R " << d.radius << ", n " << d.index << "}";
    }
};

// Centres, radii and indices agree within `eps`.
inline bool are_near(const Drop& a, const Drop& b, double eps = 1e-12) {
    return are_near(a.centre, b.centre, eps) && std::fabs(a.radius - b.radius) <= eps &&
           std::fabs(a.index - b.index) <= eps;
}

}  // namespace rainbow
