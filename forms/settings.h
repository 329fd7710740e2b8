#pragma once

#include <optional>

#include "geometry/drop.h"

namespace rainbow {

// What the main window shares with the other windows, asked of it through WindowHost: the drop
// its pictures are drawn with (the index of its scene's last colour pass), the source's height
// its last picture was drawn with, its angle in degrees and the incidence of its scene's
// central ray.
struct SharedScene {
    Drop drop;
    double source_y = 0;
    double angle_deg = 0;
    std::optional<double> central_incidence_deg;  // none when the central ray misses the drop
};

// The state's `settings`: a snapshot the program takes of its windows when it writes the
// state, each field with one meaning. pi is not kept: the writer writes the constant.
struct Settings {
    double drop_radius = 0;       // radius R of the main window's drop
    double refractive_index = 0;  // index n of the main window's drop
    double angle_theta = 0;       // the main window's angle, degrees
    double drop_xc = 0;           // x of the main window's drop's centre
    double drop_yc = 0;           // y of the main window's drop's centre
    double source_y = 0;          // y of the point source the main window last drew with
    bool cut_rays_built = false;  // the ray-crossing window has been built once
};

}  // namespace rainbow
