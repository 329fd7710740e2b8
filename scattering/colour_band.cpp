#include "scattering/colour_band.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scattering/colour.h"
#include "scattering/mie.h"
#include "scattering/rounded.h"

namespace rainbow::scattering {
namespace {

constexpr double degree = std::numbers::pi / 180.0;

}  // namespace

// One wavelength of a band: the exact intensity at angles finely spaced across the band and
// the sun's disc beyond its ends, then averaged over the sun's disc.
struct ColourBandWork::Wavelength {
    double nm;
    double first = 0, step = 0;
    std::vector<double> samples;  // angles from the antisolar point, in degrees
    PartialWaves waves;
    std::vector<double> intensity;  // |S|^2 / k^2 up to a constant, at each sample
    std::size_t done = 0;           // samples whose intensity is summed

    Wavelength(const ColourBand& band, double wavelength_nm, const BandSettings& settings)
        : nm(wavelength_nm) {
        const double r = settings.sun_radius_deg;
        const double ripple_deg = nm / 1000.0 / (2.0 * band.radius_um) / degree;
        step =
            std::min(settings.sample_deg, ripple_deg / std::max(1.0, settings.samples_per_ripple));
        first = band.angles_deg.front() - r - step;
        const auto count =
            std::size_t(std::ceil((band.angles_deg.back() + r + step - first) / step)) + 1;
        samples.resize(count);
        for (std::size_t j = 0; j < count; ++j) samples[j] = first + double(j) * step;
        const double wavelength_um = nm / 1000.0;
        waves = mie_partial_waves(water_index_in_air(nm),
                                  2.0 * std::numbers::pi * band.radius_um / wavelength_um);
        intensity.resize(count);
    }

    std::size_t terms() const { return std::min(waves.a.size(), waves.b.size()); }

    // The intensity at the samples [from, to), at scattering angles 180 deg - each sample.
    void sum(std::size_t from, std::size_t to) {
        const double wavelength_um = nm / 1000.0;
        std::vector<double> angles(to - from);
        for (std::size_t j = from; j < to; ++j) angles[j - from] = (180.0 - samples[j]) * degree;
        const auto s = amplitudes(waves, angles);
        for (std::size_t j = from; j < to; ++j)
            intensity[j] = s11(s[j - from]) * wavelength_um * wavelength_um;
        done = std::max(done, to);
    }

    // The colours of each column: the intensity averaged over the sun's disc seen edge-on (each
    // sample weighed by the chord through the disc at its offset from the column), times the
    // sunlight and the colour matching functions.
    std::vector<std::array<double, 3>> colours(const ColourBand& band,
                                               const BandSettings& settings) const {
        const double r = settings.sun_radius_deg;
        const double light = blackbody(nm, settings.sun_temperature_k) * settings.step_nm;
        const auto matching = colour_matching(nm);
        std::vector<std::array<double, 3>> out(band.angles_deg.size());
        for (std::size_t c = 0; c < out.size(); ++c) {
            const double centre = band.angles_deg[c];
            const auto low = std::size_t(std::max(0.0, std::floor((centre - r - first) / step)));
            double sum = 0, weights = 0;
            for (std::size_t j = low; j < samples.size() && samples[j] <= centre + r; ++j) {
                const double offset = samples[j] - centre;
                const double w = std::sqrt(std::max(0.0, r * r - offset * offset));
                sum += w * intensity[j];
                weights += w;
            }
            const double smoothed = weights > 0 ? sum / weights : 0.0;
            for (int i = 0; i < 3; ++i)
                out[c][std::size_t(i)] = smoothed * light * matching[std::size_t(i)];
        }
        return out;
    }
};

ColourBandWork::ColourBandWork(double radius_um, const BandSettings& settings)
    : settings_(settings) {
    band_.radius_um = radius_um;
    const int columns = std::max(2, settings.columns);
    for (int c = 0; c < columns; ++c)
        band_.angles_deg.push_back(settings.from_deg +
                                   (settings.to_deg - settings.from_deg) * c / (columns - 1));
    const int wavelengths =
        int(std::floor((settings.last_nm - settings.first_nm) / settings.step_nm + 1e-9)) + 1;
    per_wavelength_.resize(std::size_t(wavelengths));
}

ColourBandWork::~ColourBandWork() = default;
ColourBandWork::ColourBandWork(ColourBandWork&&) noexcept = default;
ColourBandWork& ColourBandWork::operator=(ColourBandWork&&) noexcept = default;

bool ColourBandWork::run(const Pace& pace) {
    if (done_) return true;
    const std::size_t count = per_wavelength_.size();
    const auto wavelength_nm = [this](std::size_t w) {
        return settings_.first_nm + double(w) * settings_.step_nm;
    };
    if (!pace.in_pieces()) {
        // The longest sums first, so that the threads end together; the one begun in pieces
        // goes on where it stopped.
        const std::size_t from = next_wavelength_;
        pace.parallel(count - from, [&](std::size_t i) {
            const std::size_t w = from + i;
            Wavelength own = w == from && under_way_
                                 ? std::move(*under_way_)
                                 : Wavelength(band_, wavelength_nm(w), settings_);
            own.sum(own.done, own.samples.size());
            per_wavelength_[w] = own.colours(band_, settings_);
        });
        under_way_.reset();
        next_wavelength_ = count;
    }
    while (next_wavelength_ < count) {
        if (!under_way_)
            under_way_ =
                std::make_unique<Wavelength>(band_, wavelength_nm(next_wavelength_), settings_);
        Wavelength& w = *under_way_;
        if (!run_spans(w.samples.size(), 1, pace.angles_per_piece(w.terms()), w.done, pace,
                       [&w](std::size_t from, std::size_t to) { w.sum(from, to); }))
            return false;
        per_wavelength_[next_wavelength_++] = w.colours(band_, settings_);
        under_way_.reset();
        if (next_wavelength_ < count && pace.stop_here()) return false;
    }
    finish();
    return true;
}

void ColourBandWork::finish() {
    band_.xyz.assign(band_.angles_deg.size(), {0.0, 0.0, 0.0});
    for (const auto& out : per_wavelength_)  // summed in a fixed order: the same band every run
        for (std::size_t c = 0; c < out.size(); ++c)
            for (int i = 0; i < 3; ++i) band_.xyz[c][std::size_t(i)] += out[c][std::size_t(i)];
    per_wavelength_.clear();
    expose(band_);
    done_ = true;
}

ColourBand colour_band(double radius_um, const BandSettings& settings,
                       const ParallelFor& parallel) {
    ColourBandWork work(radius_um, settings);
    work.run(Pace::at_once(parallel));
    return std::move(work.band());
}

void expose(ColourBand& band) {
    // One exposure for the whole band: the brightest channel of any column, after the
    // gamut mix, just reaches the top of the display.
    double brightest = 0;
    for (const auto& xyz : band.xyz) {
        const auto linear = xyz_to_linear_srgb(xyz);
        brightest = std::max({brightest, linear[0], linear[1], linear[2]});
    }
    const double exposure = brightest > 0 ? 1.0 / brightest : 0.0;
    band.rgb.clear();
    for (const auto& xyz : band.xyz)
        band.rgb.push_back(xyz_to_srgb({xyz[0] * exposure, xyz[1] * exposure, xyz[2] * exposure}));
}

std::vector<double> lee_radii(const LeeSettings& settings) {
    std::vector<double> radii;
    const int rows = std::max(1, settings.rows);
    const double low = rounded::log(settings.smallest_um), high = rounded::log(settings.largest_um);
    for (int r = 0; r < rows; ++r)
        radii.push_back(rounded::exp(rows == 1 ? low : low + (high - low) * r / (rows - 1)));
    return radii;
}

// One row of a Lee diagram. A small drop's light changes fast with its size (the narrow
// resonances of a sphere a few hundred wavelengths round), so a row of small drops is the
// mean of the drops across the row's own span of radius, evenly in log(radius): up to 8 for
// 10 um drops, one from 200 um up, where the colours change slowly with the radius and each
// band is dear.
LeeRowWork::LeeRowWork(const LeeSettings& settings, std::size_t row)
    : settings_(settings), index_(row) {
    const std::vector<double> radii = lee_radii(settings);
    radius_ = radii.at(row);
    const int count = std::clamp(int(std::ceil(200.0 / radius_)), 1, 8);
    if (count == 1 || radii.size() < 2) {
        part_radii_ = {radius_};
        return;
    }
    const double span = rounded::log(radii[1] / radii[0]);  // one row, in log(radius)
    for (int i = 0; i < count; ++i)
        part_radii_.push_back(radius_ * rounded::exp(((i + 0.5) / count - 0.5) * span));
}

bool LeeRowWork::run(const Pace& pace) {
    while (next_part_ < part_radii_.size()) {
        if (!part_) part_.emplace(part_radii_[next_part_], settings_.band);
        if (!part_->run(pace)) return false;
        ColourBand& part = part_->band();
        if (next_part_ == 0) {
            row_ = std::move(part);
        } else {
            for (std::size_t c = 0; c < row_.xyz.size(); ++c)
                for (std::size_t k = 0; k < 3; ++k) row_.xyz[c][k] += part.xyz[c][k];
        }
        part_.reset();
        if (++next_part_ == part_radii_.size()) {
            if (part_radii_.size() > 1) {
                row_.radius_um = radius_;
                expose(row_);
            }
            return true;
        }
        if (pace.stop_here()) return false;
    }
    return true;
}

std::vector<std::size_t> lee_order(std::size_t rows) {
    std::vector<std::size_t> order;
    std::vector<bool> taken(rows, false);
    const auto take = [&](std::size_t r) {
        if (r < rows && !taken[r]) {
            taken[r] = true;
            order.push_back(r);
        }
    };
    for (std::size_t stride = 8; stride >= 1; stride /= 2) {
        for (std::size_t r = 0; r < rows; r += stride) take(r);
        if (stride == 8 && rows > 0) take(rows - 1);
    }
    return order;
}

std::size_t lee_diagram(const LeeSettings& settings, const LeeProgress& progress,
                        const ParallelFor& parallel, const std::vector<bool>& done_rows) {
    std::unique_ptr<LeeRowWork> never_paused;
    return lee_diagram(settings, progress, Pace::at_once(parallel), done_rows, never_paused);
}

std::size_t lee_diagram(const LeeSettings& settings, const LeeProgress& progress, const Pace& pace,
                        const std::vector<bool>& done_rows,
                        std::unique_ptr<LeeRowWork>& paused_row) {
    const std::size_t rows = lee_radii(settings).size();
    std::size_t done = 0, computed = 0;
    for (std::size_t r = 0; r < rows; ++r) done += r < done_rows.size() && done_rows[r];
    for (const std::size_t r : lee_order(rows)) {
        if (r < done_rows.size() && done_rows[r]) continue;
        std::unique_ptr<LeeRowWork> row = std::move(paused_row);
        if (!row || row->row() != r || !(row->settings() == settings))
            row = std::make_unique<LeeRowWork>(settings, r);
        if (!row->run(pace)) {
            paused_row = std::move(row);
            return computed;
        }
        ++done;
        ++computed;
        if (progress && !progress(r, row->band(), done, rows)) break;
    }
    return computed;
}

}  // namespace rainbow::scattering
