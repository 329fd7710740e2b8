#pragma once

namespace rainbow {

class Surface;
struct Settings;

// A column of 25 small drops, each sending its red, green and blue rainbow rays of order k,
// drawn in the coordinates the picture has. Leaves the last drop in the settings.
void draw_composite_rainbow(int k, Settings& settings, Surface& picture);

}  // namespace rainbow
