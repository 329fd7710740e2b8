#pragma once

#include <string>

#include "crossing/cut_rays_values.h"

namespace rainbow {

class Surface;

// What the ray-crossing picture reads from its window's controls.
struct RayChoice {
    int index_value = 133;     // allagideikth: refractive index x 100
    int first_height = 60;     // position_of_ray: height x 10 of the first ray
    int second_height = 40;    // defteri_aktina: height x 10 of the second ray
    bool special_ray = false;  // SPECIAL_RAY chosen: the first ray meets the sphere at the
                               // rainbow angle of the index
};

// The captions the picture writes on its window's labels.
struct CrossingCaptions {
    std::string label1;  // angle of incidence of the first ray
    std::string label2;  // angle of incidence of the second ray
    std::string label3;  // the index
};

// The ray-crossing picture on the window's client area (user coordinates already set): the
// sphere at the origin with its axes and red outline, the rainbow ("Belqor") angle of the
// index, the two rays refracted through the sphere (first red, second blue), and where their
// chords, taken as full lines, cut each other. The surface's pen is as before afterwards.
CrossingCaptions draw_ray_crossing(Surface& client, const CutRaysValues& values,
                                   const RayChoice& choice);

}  // namespace rainbow
