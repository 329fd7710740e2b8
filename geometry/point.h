#pragma once

#include <cmath>
#include <ostream>

#include "geometry/vector.h"

namespace rainbow {

// A point of the plane, in a picture's user coordinates.
struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Point& p) {
        return out << "(" << p.x << ", " << p.y << ")";
    }
};

inline Point operator+(Point p, Vector v) { return {p.x + v.x, p.y + v.y}; }
inline Point operator-(Point p, Vector v) { return {p.x - v.x, p.y - v.y}; }
inline Vector operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

// The points lie within `eps` of each other in each coordinate.
inline bool are_near(Point a, Point b, double eps = 1e-12) {
    return std::fabs(a.x - b.x) <= eps && std::fabs(a.y - b.y) <= eps;
}

}  // namespace rainbow
