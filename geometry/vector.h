#pragma once

#include <cmath>
#include <ostream>

namespace rainbow {

// A displacement or a direction in the plane.
struct Vector {
    double x = 0;
    double y = 0;

    friend bool operator==(const Vector&, const Vector&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Vector& v) {
        return out << "<" << v.x << ", " << v.y << ">";
    }
};

inline Vector operator*(double s, Vector v) { return {s * v.x, s * v.y}; }
inline Vector operator+(Vector a, Vector b) { return {a.x + b.x, a.y + b.y}; }
inline double length(Vector v) { return std::hypot(v.x, v.y); }

// The vectors differ by at most `eps` in each component.
inline bool are_near(Vector a, Vector b, double eps = 1e-12) {
    return std::fabs(a.x - b.x) <= eps && std::fabs(a.y - b.y) <= eps;
}

}  // namespace rainbow
