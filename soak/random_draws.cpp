#include "soak/random_draws.h"

#include <algorithm>

namespace rainbow {

std::uint32_t RandomDraws::below(std::uint32_t n) {
    std::uint64_t product = std::uint64_t(raw()) * n;
    auto low = std::uint32_t(product);
    if (low < n) {
        // 2^32 mod n: the low words below it belong to values drawn once too often.
        const std::uint32_t threshold = std::uint32_t(-n) % n;
        while (low < threshold) {
            product = std::uint64_t(raw()) * n;
            low = std::uint32_t(product);
        }
    }
    return std::uint32_t(product >> 32);
}

int RandomDraws::between(int a, int b) {
    const std::int64_t low = std::min(a, b), high = std::max(a, b);
    const auto span = std::uint64_t(high - low) + 1;
    // Only the whole range of int has 2^32 values; one raw draw covers it.
    const std::uint32_t offset = span > UINT32_MAX ? raw() : below(std::uint32_t(span));
    return int(low + std::int64_t(offset));
}

double RandomDraws::unit() {
    const std::uint32_t high = raw() >> 5, low = raw() >> 6;  // 27 and 26 bits
    return (double(high) * 67108864.0 + double(low)) / 9007199254740992.0;
}

}  // namespace rainbow
