#pragma once

namespace rainbow {

class Surface;
struct Drop;

// Pieces that every picture of the drop draws the same way, with the surface's current pen.

// The two axes through the origin of a picture spanning -half_width..half_width.
void draw_axes(Surface& surface, double half_width);

// The drop's two focal points, f = R n / (2 (n - 1)) either side of its centre: small circles
// of radius 2 drawn with a pen 2 pixels wide.
void draw_focal_points(Surface& surface, const Drop& drop);

}  // namespace rainbow
