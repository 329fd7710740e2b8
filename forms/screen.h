#pragma once

namespace rainbow {

// Twips per pixel at the usual 96 dots per inch.
inline constexpr double twips_per_pixel = 15;

// The longest side, in pixels, of a screen and of every picture file: a picture of 10000 x
// 10000 pixels takes 400 MB while it is painted.
inline constexpr int largest_picture_pixels = 10000;

// The screen's size in twips: an input of the program.
struct Screen {
    double width_twips = 1920 * twips_per_pixel;
    double height_twips = 1080 * twips_per_pixel;
};

}  // namespace rainbow
