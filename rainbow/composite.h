#pragma once

namespace rainbow {

class Surface;

// A column of 25 small drops, each sending its red, green and blue rainbow rays of order k,
// drawn in the coordinates the picture has.
void draw_composite_rainbow(int k, Surface& picture);

}  // namespace rainbow
