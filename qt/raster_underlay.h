#pragma once

#include <QImage>

#include "forms/surface.h"

namespace rainbow {

// The pixels of a surface's baked items, painted over white at a fixed size: the picture's
// natural size (the size it has on a usual screen), its longer side at most `longest_side`.
class RasterUnderlay : public Underlay {
public:
    static constexpr int longest_side = 2048;
    QImage image;
};

// The image of a surface's underlay, or null when nothing of it was baked.
const QImage* underlay_image(const Surface& surface);

// Makes the Qt painter the baker of every surface (see Surface::bake_cap).
void install_raster_baker();

}  // namespace rainbow
