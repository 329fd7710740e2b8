#pragma once
// A display list as flat arrays, the shape the browser's player reads: every item's numbers in
// one array of floats, each item starting with its op code, its texts and rasters apart.
#include <cstdint>
#include <string>
#include <vector>

namespace rainbow {

class Surface;

// The op codes and the numbers that follow each one:
//   scale  0  x1 y1 x2 y2
//   line   1  x1 y1 x2 y2  r g b  width style
//   circle 2  x y radius  r g b  width style  hasFill fr fg fb  hasStart start  hasEnd end
//   pset   3  x y  r g b  width
//   text   4  x y  r g b  textIndex  hasBacking br bg bb
//   image  5  x1 y1 x2 y2  width height imageIndex
// Colours 0-255, style a LineStyle, angles in radians counter-clockwise from +x, coordinates
// the picture's user coordinates under the scale in force: the same numbers as the state JSON.
enum class ArrayOp { scale = 0, line = 1, circle = 2, pset = 3, text = 4, image = 5 };

struct ArrayImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // row by row, the first row along y1
};

struct PictureArrays {
    std::vector<float> nums;
    std::vector<std::string> texts;
    std::vector<ArrayImage> images;
    double width_twips = 0, height_twips = 0;
    // How its pens and text grow with the size it is painted at (Growth).
    bool longer_side = false;
    double reference_pixels = 0;
};

// The surface's display list as arrays; a list cleared under a user scale starts with that
// scale, as in the state JSON, so that the items alone say their coordinate system.
PictureArrays picture_arrays(const Surface& surface);

// How many numbers an item of that op code takes, its op code included; 0 for an unknown code.
std::size_t item_length(float op);

}  // namespace rainbow
