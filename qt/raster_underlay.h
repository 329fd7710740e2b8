#pragma once

#include <QByteArray>
#include <QImage>
#include <mutex>

#include "forms/surface.h"

namespace rainbow {

// The pixels of a surface's baked items, painted over white at a fixed size: the picture's
// natural size (the size it has on a usual screen), its longer side at most `longest_side`.
class RasterUnderlay : public Underlay {
public:
    static constexpr int longest_side = 2048;
    QImage image;

    // The image as a PNG file in base64, as an SVG file embeds it. Encoded at the first call
    // and kept while the image stays as it is: a picture exported again and again after a
    // bake pays for the encoding once. Safe to call from several threads.
    QByteArray png_base64() const;

private:
    mutable std::mutex encoding_;
    mutable qint64 encoded_key_ = 0;  // the image's cacheKey when it was encoded
    mutable QByteArray png_base64_;
};

// The underlay of a surface, or null when nothing of it was baked.
const RasterUnderlay* raster_underlay(const Surface& surface);

// The image of a surface's underlay, or null when nothing of it was baked.
const QImage* underlay_image(const Surface& surface);

// Makes the Qt painter the baker of every surface (see Surface::bake_cap).
void install_raster_baker();

}  // namespace rainbow
