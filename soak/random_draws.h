#pragma once
// Random draws that every standard library gives alike. The raw output of std::mt19937 is
// fixed by the C++ standard, but std::uniform_int_distribution and its kin are not (libstdc++
// and libc++ draw differently), so a seed would give other events in the browser edition.
// These draws are functions of the engine's raw output alone.
#include <cstdint>
#include <random>

namespace rainbow {

class RandomDraws {
public:
    explicit RandomDraws(std::uint32_t seed) : engine_(seed) {}

    // The engine's next raw 32-bit output.
    std::uint32_t raw() { return std::uint32_t(engine_()); }

    // A whole number in [0, n), each equally likely (Lemire's multiply and shift, rejecting
    // the few products that would favour some values). n must be at least 1.
    std::uint32_t below(std::uint32_t n);

    // A whole number from the lower of a and b to the higher, both included.
    int between(int a, int b);

    // A number in [0, 1) from 53 random bits: every double of the form k / 2^53.
    double unit();

private:
    std::mt19937 engine_;
};

}  // namespace rainbow
