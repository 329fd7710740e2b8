#pragma once
// The brightness of the bow against the scattering angle by three theories: geometric
// optics, Airy's integral and the exact series (Mie, and the Debye term of the bow's own
// number of internal reflections).
#include <functional>
#include <optional>
#include <vector>

#include "forms/surface.h"
#include "scattering/crest.h"
#include "scattering/debye.h"
#include "scattering/mie.h"
#include "scattering/parallel.h"
#include "theory/theory_texts.h"

namespace rainbow {

enum class PolarisationChoice { perpendicular, parallel, unpolarised };

struct BowQuery {
    double radius_um = 500;
    double wavelength_nm = 650;
    PolarisationChoice polarisation = PolarisationChoice::perpendicular;
    int reflections = 1;  // 1: the primary bow, 130-145 deg; 2: the secondary, 125-135 deg
    int samples = 500;    // of the smooth curves; the exact curve follows its ripple
    friend bool operator==(const BowQuery&, const BowQuery&) = default;
};

struct BowCurves {
    BowQuery query;
    double index = 0;                            // water's index at the wavelength, relative to air
    std::vector<double> angles_deg;              // scattering angles of the smooth curves
    std::vector<double> geometric, airy, debye;  // |S|^2 of the polarisation chosen
    // The exact curve, sampled at least ripple_samples times per period of the ripple that
    // the light reflected outside the drop lays over it.
    double ripple_deg = 0;  // that period, lambda / 2a radians, in degrees
    std::vector<double> exact_angles_deg;
    std::vector<double> exact;
    // Maxima located on the functions themselves to maximum_tolerance_deg: every crest of
    // Airy's and of the Debye curve, and for each Debye crest the exact crest that stands
    // for it (see exact_bow_crests).
    std::vector<double> airy_maxima, debye_maxima, exact_maxima;
    // The bow's own maxima, printed: Airy's nearest the rays on the lit side, and the exact
    // crest for the Debye term's; none when the Debye maximum is outside the plot.
    std::optional<double> airy_main, exact_main;
    bool bow_outside = false;  // the Debye term's maximum lies outside the plotted range
};

inline constexpr int ripple_samples = 8;
inline constexpr double maximum_tolerance_deg = 1e-4;

// The scattering angles each bow is shown over.
double bow_first_angle(int reflections);
double bow_last_angle(int reflections);

BowCurves compute_bow_curves(const BowQuery& query, const scattering::ParallelFor& parallel);

// The same curves computed at the pace given: in pieces they stop inside the angular sums, or
// between the stages of the computation, when the pace says so, and go on from there at the
// next run; the curves are the same bits either way.
class BowCurvesWork {
public:
    explicit BowCurvesWork(const BowQuery& query);
    // Runs on from where it stopped; true once the curves are done.
    bool run(const scattering::Pace& pace);
    bool done() const { return stage_ == Stage::done; }
    // The curves, once run has returned true.
    BowCurves& curves() { return c_; }
    const BowQuery& query() const { return c_.query; }

private:
    enum class Stage {
        waves,
        debye_waves,
        smooth,
        debye,
        exact_waves,
        exact,
        airy_crests,
        debye_crests,
        exact_crests,
        done
    };
    void make_waves();
    void make_exact_waves();
    double airy_intensity(double deg) const;  // Airy's curve at an angle, polarised as asked
    std::vector<double> lit(const std::vector<scattering::Crest>& crests) const;
    void find_maxima();

    BowCurves c_;
    Stage stage_ = Stage::waves;
    double size_parameter_ = 0;
    std::vector<double> radians_, exact_radians_;
    std::optional<scattering::DebyeWavesWork> debye_work_;
    scattering::PartialWaves debye_waves_, exact_waves_;
    std::vector<scattering::Amplitudes> debye_, exact_;
    std::vector<scattering::Crest> airy_crests_, debye_crests_;
    std::vector<std::optional<scattering::Crest>> exact_crests_;
    std::size_t done_ = 0;  // items of the stage under way done
};

// The exact crest that stands for each crest of the bow's Debye term (the bow without the
// light reflected outside the drop, which rides on the exact curve as a ripple): the highest
// crest of `exact_at` within `reach` degrees of the Debye crest, and no farther than halfway
// to the next one. The crests are bracketed from the samples (angles ascending) and located
// on the function to maximum_tolerance_deg; a Debye crest with no exact crest near it has none.
std::vector<std::optional<scattering::Crest>> exact_bow_crests(
    const std::vector<double>& angles_deg, const std::vector<double>& values,
    const std::function<double(double)>& exact_at, const std::vector<double>& debye_maxima,
    double reach);
// The same for the Debye crest `d` alone.
std::optional<scattering::Crest> exact_bow_crest(const std::vector<double>& angles_deg,
                                                 const std::vector<double>& values,
                                                 const std::function<double(double)>& exact_at,
                                                 const std::vector<double>& debye_maxima,
                                                 std::size_t d, double reach);

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
