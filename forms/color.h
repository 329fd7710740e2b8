#pragma once

#include <cstdint>
#include <ostream>

namespace rainbow {

// A 24-bit colour: red, green and blue, each 0 to 255.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
        return out << "rgb(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
    }
};

constexpr Rgb rgb(int r, int g, int b) {
    return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
               static_cast<std::uint8_t>(b)};
}

inline constexpr Rgb black = rgb(0, 0, 0);
inline constexpr Rgb white = rgb(255, 255, 255);

}  // namespace rainbow
