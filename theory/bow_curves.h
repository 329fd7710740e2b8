#pragma once
// The brightness of the bow against the scattering angle by three theories: geometric
// optics, Airy's integral and the exact series (Mie, and the Debye term of the bow's own
// number of internal reflections).
#include <vector>

#include "forms/surface.h"
#include "scattering/parallel.h"
#include "theory/theory_texts.h"

namespace rainbow {

enum class PolarisationChoice { perpendicular, parallel, unpolarised };

struct BowQuery {
    double radius_um = 500;
    double wavelength_nm = 650;
    PolarisationChoice polarisation = PolarisationChoice::perpendicular;
    int reflections = 1;  // 1: the primary bow, 130-145 deg; 2: the secondary, 125-135 deg
    int samples = 500;
    friend bool operator==(const BowQuery&, const BowQuery&) = default;
};

struct BowCurves {
    BowQuery query;
    double index = 0;                // water's index at the wavelength, relative to air
    std::vector<double> angles_deg;  // scattering angles
    std::vector<double> geometric, airy, exact, debye;  // |S|^2 of the polarisation chosen
};

// The scattering angles each bow is shown over.
double bow_first_angle(int reflections);
double bow_last_angle(int reflections);

BowCurves compute_bow_curves(const BowQuery& query, const scattering::ParallelFor& parallel);

// The angles of the local maxima of a curve: the main bow and its supernumeraries.
std::vector<double> curve_maxima(const std::vector<double>& angles_deg,
                                 const std::vector<double>& values);

// The main bow and the supernumeraries of the exact curve. Light reflected outside the drop
// interferes with the bow and rides on it as a fine ripple, so a ripple's crest counts only
// when it is the highest point within 0.4 of the local spacing of `guide_maxima` (Airy's) on
// either side, and lies on the lit side of the bow of rays at `rays_deg`.
std::vector<double> rippled_curve_maxima(const std::vector<double>& angles_deg,
                                         const std::vector<double>& values,
                                         const std::vector<double>& guide_maxima, double rays_deg,
                                         int reflections);

struct ShownTheories {
    bool geometric = true;
    bool airy = true;
    bool exact = true;
    bool debye = false;
};

// Colours of the theories, the same in every picture and in the help.
inline constexpr Rgb geometric_colour = rgb(0, 0, 0);
inline constexpr Rgb airy_colour = rgb(0, 0, 255);
inline constexpr Rgb exact_colour = rgb(255, 0, 0);
inline constexpr Rgb debye_colour = rgb(0, 150, 0);

// Plots the curves chosen, scaled to the brightest wave-optics curve, marks the maxima of
// Airy's, of the exact and of the Debye curve, and prints where the bow of rays and the main
// maxima of Airy's and of the exact curve stand.
void draw_bow_picture(Surface& surface, const BowCurves& curves, const ShownTheories& shown,
                      const TheoryWords& words);

}  // namespace rainbow
