#pragma once

#include "forms/color.h"

namespace rainbow {

// Red, green and blue light see slightly different refractive indices in water: the
// dispersion that spreads the rainbow's colours.
struct SpectralColour {
    Rgb color;
    double index;
};
inline constexpr SpectralColour water_spectrum[] = {
    {rgb(255, 0, 0), 1.33},
    {rgb(0, 255, 0), 1.333},
    {rgb(0, 0, 255), 1.343},
};

}  // namespace rainbow
