#pragma once

#include <ostream>

namespace rainbow {

// The user window of a surface: the user coordinates of its top-left corner (x1, y1) and of
// its bottom-right corner (x2, y2). y1 > y2 makes y grow upward. Mapping to a pixel viewport
// is linear on each axis.
struct Scale {
    double x1 = 0;
    double y1 = 0;
    double x2 = 1;
    double y2 = 1;

    double width() const { return x2 - x1; }
    double height() const { return y2 - y1; }

    // Position in a viewport of the given pixel size.
    double to_pixel_x(double x, double viewport_width) const {
        return (x - x1) / width() * viewport_width;
    }
    double to_pixel_y(double y, double viewport_height) const {
        return (y - y1) / height() * viewport_height;
    }
    // How many pixels one user unit of the x axis spans (radii are in x units).
    double pixels_per_x_unit(double viewport_width) const {
        return viewport_width / (width() < 0 ? -width() : width());
    }

    friend bool operator==(const Scale&, const Scale&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Scale& s) {
        return out << "(" << s.x1 << ", " << s.y1 << ")-(" << s.x2 << ", " << s.y2 << ")";
    }
};

}  // namespace rainbow
