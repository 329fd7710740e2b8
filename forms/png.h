#pragma once
// Rasters as PNG bytes and bytes as base64 text, for the display list's image items in JSON.
// Plain C++ over libpng: the program's core writes its pictures without the toolkit.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rainbow {

// A PNG of 8-bit RGB pixels, row by row from the top; empty when the sizes do not match.
std::vector<std::uint8_t> encode_png(int width, int height, std::span<const std::uint8_t> rgb);

// The bytes in base64 (RFC 4648, with padding).
std::string base64(std::span<const std::uint8_t> bytes);

}  // namespace rainbow
