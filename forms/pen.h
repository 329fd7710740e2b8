#pragma once

#include "forms/color.h"

namespace rainbow {

// Pen styles of a surface.
enum class LineStyle : int { solid = 0, dashed = 1, dotted = 2, dash_dot = 3 };

// A surface's pen as one value: the colour, the width in pixels and the style.
struct Pen {
    Rgb color = black;
    int width = 1;
    LineStyle style = LineStyle::solid;

    friend bool operator==(const Pen&, const Pen&) = default;
};

}  // namespace rainbow
