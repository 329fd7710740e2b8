#pragma once
// Crests of a function of one variable: bracketed from samples, then located on the function
// itself by golden-section search, so that a printed maximum is the function's and not the
// nearest sample's.
#include <functional>
#include <vector>

namespace rainbow::scattering {

struct Crest {
    double at = 0;     // where the function peaks
    double value = 0;  // its value there
    friend bool operator==(const Crest&, const Crest&) = default;
};

// The maximum of f on [low, high], where f has a single crest, found by golden-section search
// until the bracket is narrower than `tolerance`. A crest at an end of the interval is found
// at that end.
Crest golden_section_maximum(const std::function<double(double)>& f, double low, double high,
                             double tolerance);

// Every crest of f whose samples (x ascending, values = f(x)) show it inside the samples: each
// sample higher than the one before and at least as high as the one after brackets a crest
// between its two neighbours, which is then located on f to `tolerance`. Crests at the first
// or last sample are not crests of the range and are not reported.
std::vector<Crest> refined_crests(const std::vector<double>& x, const std::vector<double>& values,
                                  const std::function<double(double)>& f, double tolerance);

}  // namespace rainbow::scattering
