#pragma once

namespace rainbow {

// The settings that the windows share: the drop, the chosen angle, the source's height and
// pi. Every numeric setting reads as a double; a setting not yet stored reads as 0.
struct Settings {
    double drop_radius = 0;       // radius R of the drop
    double refractive_index = 0;  // index n of the drop
    double angle_theta = 0;       // degrees on the main window; views leave their own angles
    double drop_xc = 0;           // x of the drop's centre
    double drop_yc = 0;           // y of the drop's centre
    double source_y = 0;          // y of the point source
    double pi = 0;                // 4 arctan(1) once the first drawing has stored it
    bool cut_rays_built = false;  // the ray-crossing window has been built once
};

}  // namespace rainbow
