#pragma once
// Rays through a sphere of relative index m > 1 that are reflected k times inside it.
// Angles in radians. Incidence i and refraction r are measured from the normal.
namespace rainbow::scattering {

enum class Polarisation { perpendicular, parallel };

// Deviation D(i) = k pi + 2 i - 2 (k + 1) r, and its first derivative in i.
double deviation(double incidence, double index, int reflections);
// The same from the refraction angle: k pi + 2 i - 2 (k + 1) r.
double deviation_from(double incidence, double refraction, int reflections);
double deviation_slope(double incidence, double index, int reflections);

// The scattering angle (0 .. pi) of a ray turned by a deviation.
double scattering_angle(double deviation);

// The ray of least deviation: cos^2 i = (m^2 - 1) / ((k + 1)^2 - 1).
struct RainbowRay {
    double incidence = 0;
    double refraction = 0;
    double deviation = 0;         // D_min
    double curvature = 0;         // d^2 D / d i^2 at the minimum
    double scattering_angle = 0;  // where the bow stands, 0 .. pi
    int lit_side = 1;             // +1: rays leave at angles above the bow; -1: below
};
RainbowRay rainbow_ray(double index, int reflections);

// The rainbow angle as the program prints it: 180 deg - D_min for the primary bow,
// D_min - 180 deg for the secondary (radians here).
double rainbow_angle(double index, int reflections);

// Fresnel's power reflectance at a surface between air and the drop, for the angle of
// incidence in air (the same reflectance holds inside at the refraction angle).
double fresnel_reflectance(double incidence, double index, Polarisation polarisation);

// The share of the power that leaves after entering, k reflections and leaving.
double ray_transmission(double incidence, double index, int reflections, Polarisation polarisation);

}  // namespace rainbow::scattering
