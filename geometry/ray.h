#pragma once

#include <ostream>

#include "geometry/point.h"
#include "geometry/vector.h"

namespace rainbow {

// A ray of light: where it starts and the direction it travels in (not necessarily of unit
// length).
struct Ray {
    Point start;
    Vector direction;

    friend bool operator==(const Ray&, const Ray&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Ray& r) {
        return out << "{from " << r.start << " towards " << r.direction << "}";
    }
};

// Starts and directions agree within `eps`.
inline bool are_near(const Ray& a, const Ray& b, double eps = 1e-12) {
    return are_near(a.start, b.start, eps) && are_near(a.direction, b.direction, eps);
}

}  // namespace rainbow
