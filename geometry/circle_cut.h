#pragma once

#include <ostream>

#include "geometry/point.h"
#include "geometry/ray.h"

namespace rainbow {

// Where a line cuts a circle: two points and whether the cut holds.
struct circle_cut {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    bool cuts = false;

    friend std::ostream& operator<<(std::ostream& out, const circle_cut& c) {
        return out << "{(" << c.x1 << ", " << c.y1 << "), (" << c.x2 << ", " << c.y2
                   << "), cuts=" << c.cuts << "}";
    }
};

// The cut of the line through line.start with direction line.direction and the circle of
// centre `centre` and radius r. For a sloping line the first point has the larger x; for a
// vertical line the first point is the upper one. A tangent line does not cut.
circle_cut line_circle_cut(Point centre, double r, const Ray& line);

// Of the two points of a cut, the one nearer to `from`; on a tie the second.
Point nearer_cut_point(const circle_cut& cut, Point from);

}  // namespace rainbow
