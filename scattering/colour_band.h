#pragma once
// The colours of the bow: sunlight scattered by drops of one radius, seen at angles from
// the antisolar point, and the same for many radii (a Lee diagram).
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "scattering/parallel.h"

namespace rainbow::scattering {

using Rgb = std::array<double, 3>;  // sRGB, 0 .. 1, ready to show

struct BandSettings {
    double from_deg = 35.0;  // angle from the antisolar point
    double to_deg = 57.0;
    int columns = 220;        // colours across the band
    double first_nm = 380.0;  // the spectrum sampled from first_nm to last_nm
    double last_nm = 780.0;
    double step_nm = 5.0;
    // The angular step of the exact intensity: at most sample_deg, and fine enough for
    // samples_per_ripple samples per period of the ripple (lambda / 2a radians) that the
    // light reflected off the drop lays over the bow, so that the sun's disc averages it
    // out instead of folding it into a mottle.
    double sample_deg = 0.05;
    double samples_per_ripple = 2.0;
    double sun_radius_deg = 0.265;  // the sun's disc smooths the bow
    double sun_temperature_k = 5800.0;

    friend bool operator==(const BandSettings&, const BandSettings&) = default;
};

struct ColourBand {
    double radius_um = 0;
    std::vector<double> angles_deg;          // one per column, from the antisolar point
    std::vector<std::array<double, 3>> xyz;  // relative, before the exposure
    std::vector<Rgb> rgb;                    // with one exposure for the whole band
};

// The wavelengths are shared out over the parallel-for.
ColourBand colour_band(double radius_um, const BandSettings& settings, const ParallelFor& parallel);

// The same band computed at the pace given: in pieces it stops inside a wavelength's sum when
// the pace says so, and goes on from there at the next run.
class ColourBandWork {
public:
    ColourBandWork(double radius_um, const BandSettings& settings);
    ~ColourBandWork();
    ColourBandWork(ColourBandWork&&) noexcept;
    ColourBandWork& operator=(ColourBandWork&&) noexcept;

    // Runs on from where it stopped; true once the band is done.
    bool run(const Pace& pace);
    // The band, once run has returned true.
    ColourBand& band() { return band_; }

private:
    struct Wavelength;
    std::vector<std::array<double, 3>> colours_of(std::size_t w, const Pace& pace);
    void finish();

    BandSettings settings_;
    ColourBand band_;
    std::vector<std::vector<std::array<double, 3>>> per_wavelength_;
    std::size_t next_wavelength_ = 0;
    std::unique_ptr<Wavelength> under_way_;  // in pieces: the wavelength begun
    bool done_ = false;
};

// Gives the band one exposure: the brightest colour just reaches the top of the display.
void expose(ColourBand& band);

struct LeeSettings {
    double smallest_um = 10.0;
    double largest_um = 1000.0;
    int rows = 200;
    BandSettings band;

    friend bool operator==(const LeeSettings&, const LeeSettings&) = default;
};

// The radii of the rows, smallest first, evenly spaced in log(radius).
std::vector<double> lee_radii(const LeeSettings& settings);

// The order the rows are computed in, coarse to fine: every 8th row from the smallest radius
// (and the largest), then the rows halfway between them, then halfway again, then the rest,
// so that the whole diagram shows early and sharpens.
std::vector<std::size_t> lee_order(std::size_t rows);

// One row of a Lee diagram computed at the pace given (see ColourBandWork).
class LeeRowWork {
public:
    LeeRowWork(const LeeSettings& settings, std::size_t row);
    bool run(const Pace& pace);
    ColourBand& band() { return row_; }
    std::size_t row() const { return index_; }
    const LeeSettings& settings() const { return settings_; }

private:
    LeeSettings settings_;
    std::size_t index_;
    double radius_ = 0;
    std::vector<double> part_radii_;  // the drops the row is the mean of
    std::size_t next_part_ = 0;
    std::optional<ColourBandWork> part_;
    ColourBand row_;
};

// Called after each row with its index, the row, the rows done and the total; returning
// false cancels.
using LeeProgress = std::function<bool(std::size_t index, const ColourBand& row, std::size_t done,
                                       std::size_t total)>;

// The rows in lee_order, each exposed on its own (a row of drops under 200 um the mean over
// the row's span of radius), skipping those whose flag in `done_rows`
// is set (a diagram resumed after a cancellation). Returns how many rows it computed.
std::size_t lee_diagram(const LeeSettings& settings, const LeeProgress& progress,
                        const ParallelFor& parallel, const std::vector<bool>& done_rows = {});
// The same at the pace given. In pieces a row may stop inside when the pace says so: the row's
// work is then left in `paused_row`, and a later call handed it goes on with that row where it
// stopped (when it is the next row to compute for the same settings; else it starts afresh).
std::size_t lee_diagram(const LeeSettings& settings, const LeeProgress& progress, const Pace& pace,
                        const std::vector<bool>& done_rows,
                        std::unique_ptr<LeeRowWork>& paused_row);

}  // namespace rainbow::scattering
