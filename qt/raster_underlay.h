#pragma once

#include <QByteArray>
#include <QImage>
#include <functional>
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
    // The image as a JPEG file of the quality Qt's PDF writer gives the images it embeds
    // (`pdf_jpeg_quality`), kept alike.
    QByteArray pdf_jpeg() const;
    static constexpr int pdf_jpeg_quality = 94;

private:
    // An encoding of the image, and the image's cacheKey when it was made.
    struct Encoding {
        qint64 key = 0;
        QByteArray bytes;
    };
    QByteArray encoded(Encoding& kept, const char* format, int quality, bool base64) const;

    mutable std::mutex encoding_;
    mutable Encoding png_;
    mutable Encoding jpeg_;
};

// An image as the bytes of a file of `format` ("PNG", "JPEG") at Qt's `quality`; empty when it
// cannot be encoded.
QByteArray encoded_image(const QImage& image, const char* format, int quality = -1);

// A one-pixel image that a file writer draws where the underlay goes, so that it encodes one
// pixel instead of the whole underlay; its encoding is then replaced by the underlay's own.
const QImage& underlay_stand_in();

// A picture file written by `write`, which draws the image it is given where the underlay
// goes (with null, the surface's own underlay, if any). For a baked surface the file is
// written with the stand-in, and `splice` puts the underlay's kept encoding in its place;
// when splice returns nothing (the file is not laid out as it expects), the file is written
// again with the underlay itself.
QByteArray file_with_kept_underlay(
    const Surface& surface, const std::function<QByteArray(const QImage*)>& write,
    const std::function<QByteArray(const QByteArray&, const RasterUnderlay&)>& splice);

// The underlay of a surface, or null when nothing of it was baked.
const RasterUnderlay* raster_underlay(const Surface& surface);

// The image of a surface's underlay, or null when nothing of it was baked.
const QImage* underlay_image(const Surface& surface);

// Makes the Qt painter the baker of every surface (see Surface::bake_cap).
void install_raster_baker();

}  // namespace rainbow
