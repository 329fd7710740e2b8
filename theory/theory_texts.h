#pragma once

#include <span>
#include <string>

#include "forms/control_texts.h"

namespace rainbow {

// What each control of the theory window does, in English.
std::span<const ControlText> theory_texts();

// The window's own words in the user's language: the captions of its controls and the words
// printed in its pictures.
struct TheoryWords {
    std::string perpendicular, parallel, unpolarised;     // the polarisation
    std::string theories, geometric, airy, exact, debye;  // the menu of theories
    std::string lee_start, lee_cancel;
    std::string water, glass;                // Descartes' curve
    std::string central_ray_misses;          // in place of the central ray's marker
    std::string primary_bow, secondary_bow;  // the brightness curves' captions
    std::string rays;                        // where the bow of rays stands
    std::string bow_outside;                 // when the bow's maximum is off the plot
    std::string from_antisolar_point;        // the angle axis of the colours
};

// A drop's radius as the window prints it, to three significant figures: "5.00 µm", "10.0 µm",
// "500 µm", "1.00 mm".
std::string radius_text(double radius_um);

// The words through `translate`; an empty one gives them in English.
TheoryWords theory_words(const Translate& translate = {});

}  // namespace rainbow
