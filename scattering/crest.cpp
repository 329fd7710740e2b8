#include "scattering/crest.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rainbow::scattering {

Crest golden_section_maximum(const std::function<double(double)>& f, double low, double high,
                             double tolerance) {
    if (high < low) std::swap(low, high);
    const double shrink = (std::sqrt(5.0) - 1.0) / 2.0;  // 0.618...
    double a = low, b = high;
    double x1 = b - shrink * (b - a), x2 = a + shrink * (b - a);
    double f1 = f(x1), f2 = f(x2);
    // Each step keeps the part of the bracket that holds the higher inner point.
    while (b - a > tolerance && x1 < x2) {
        if (f1 >= f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - shrink * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + shrink * (b - a);
            f2 = f(x2);
        }
    }
    Crest best = f1 >= f2 ? Crest{x1, f1} : Crest{x2, f2};
    // The bracket may have closed on an end: the ends themselves are candidates too.
    for (const double end : {low, high}) {
        if (std::abs(end - best.at) <= tolerance) {
            const double v = f(end);
            if (v > best.value) best = {end, v};
        }
    }
    return best;
}

std::vector<Crest> refined_crests(const std::vector<double>& x, const std::vector<double>& values,
                                  const std::function<double(double)>& f, double tolerance) {
    std::vector<Crest> found;
    const std::size_t count = std::min(x.size(), values.size());
    for (std::size_t j = 1; j + 1 < count; ++j)
        if (values[j] > values[j - 1] && values[j] >= values[j + 1])
            found.push_back(golden_section_maximum(f, x[j - 1], x[j + 1], tolerance));
    return found;
}

}  // namespace rainbow::scattering
