#pragma once

#include "forms/color.h"

namespace rainbow {

// The materials' refractive indices, defined here once for every window.

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

// The glass of the drops and curves drawn in glass.
inline constexpr double glass_index = 1.5;

}  // namespace rainbow
