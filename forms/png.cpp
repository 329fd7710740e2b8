#include "forms/png.h"

#ifndef RAINBOW_WITHOUT_PNG
#include <png.h>
#endif

#include <array>

namespace rainbow {

#ifdef RAINBOW_WITHOUT_PNG
std::vector<std::uint8_t> encode_png(int, int, std::span<const std::uint8_t>) { return {}; }
#else
namespace {

void append_bytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void no_flush(png_structp) {}

// Runs libpng over the rows into `out`; false when libpng reports an error, which it does by
// longjmp back here, so no C++ object lives in this frame.
bool write_rows(png_structp png, png_infop info, int width, int height, const png_bytep* rows,
                std::vector<std::uint8_t>* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, append_bytes, no_flush);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows));
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::vector<std::uint8_t> encode_png(int width, int height, std::span<const std::uint8_t> rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != std::size_t(width) * std::size_t(height) * 3)
        return {};
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (std::size_t y = 0; y < rows.size(); ++y)  // libpng only reads them
        rows[y] = const_cast<png_bytep>(rgb.data() + y * std::size_t(width) * 3);
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return {};
    png_infop info = png_create_info_struct(png);
    const bool written = info != nullptr && write_rows(png, info, width, height, rows.data(), &out);
    png_destroy_write_struct(&png, &info);
    if (!written) out.clear();
    return out;
}
#endif

std::string base64(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const std::uint32_t group = std::uint32_t(bytes[i]) << 16 |
                                    (left > 1 ? std::uint32_t(bytes[i + 1]) << 8 : 0u) |
                                    (left > 2 ? std::uint32_t(bytes[i + 2]) : 0u);
        text += digits[(group >> 18) & 63];
        text += digits[(group >> 12) & 63];
        text += left > 1 ? digits[(group >> 6) & 63] : '=';
        text += left > 2 ? digits[group & 63] : '=';
    }
    return text;
}

}  // namespace rainbow
