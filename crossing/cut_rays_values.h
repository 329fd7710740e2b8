#pragma once

namespace rainbow {

// The text printed before the rainbow angle of the chosen index.
inline constexpr const char* rainbow_angle_caption = "Belqor angle = ";

// The values the ray-crossing window shares between its set-up, its picture and the refracted
// rays: the user window of its client area, the sphere, where the rays start, and what the last
// refracted ray left behind. One per window; it starts all zero except the kind of rays.
struct CutRaysValues {
    // The client area in twips, as it was before the user scale was set, and the shares of
    // width and height in their sum.
    float client_width = 0;
    float client_height = 0;
    double x_share = 0;
    double y_share = 0;

    // User coordinates of the client area's edges; y grows upward, the origin is the centre.
    double x_left = 0;
    double x_right = 0;
    double y_top = 0;
    double y_bottom = 0;

    // The sphere is centred at the origin; every ray starts at x = start_x, left of it.
    double lens_radius = 0;
    double start_x = 0;

    // True: parallel rays, each starting at its own height. False: both rays start on the axis.
    bool parallel_rays = true;

    // How far the text of the rainbow angle is moved from its place near the top of the
    // client area, in user units, to keep clear of the window's controls.
    double angle_text_right = 0;
    double angle_text_down = 0;
};

}  // namespace rainbow
