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

// The exact intensity per unit solid angle, |S|^2 / k^2 up to a constant, at scattering
// angles 180 deg - each sample angle.
std::vector<double> drop_intensity(double radius_um, double wavelength_nm,
                                   const std::vector<double>& samples_deg) {
    const double wavelength_um = wavelength_nm / 1000.0;
    const double x = 2.0 * std::numbers::pi * radius_um / wavelength_um;
    std::vector<double> angles(samples_deg.size());
    for (std::size_t j = 0; j < angles.size(); ++j) angles[j] = (180.0 - samples_deg[j]) * degree;
    const auto s = amplitudes(mie_partial_waves(water_index_in_air(wavelength_nm), x), angles);
    std::vector<double> intensity(s.size());
    for (std::size_t j = 0; j < s.size(); ++j)
        intensity[j] = s11(s[j]) * wavelength_um * wavelength_um;
    return intensity;
}

// The band's intensity at one wavelength, averaged over the sun's disc seen edge-on: each
// sample weighed by the chord through the disc at its offset from the column.
std::vector<double> sun_smoothed(const ColourBand& band, double wavelength_nm,
                                 const BandSettings& settings) {
    const double r = settings.sun_radius_deg;
    const double ripple_deg = wavelength_nm / 1000.0 / (2.0 * band.radius_um) / degree;
    const double step =
        std::min(settings.sample_deg, ripple_deg / std::max(1.0, settings.samples_per_ripple));
    const double first = band.angles_deg.front() - r - step;
    const auto count =
        std::size_t(std::ceil((band.angles_deg.back() + r + step - first) / step)) + 1;
    std::vector<double> samples(count);
    for (std::size_t j = 0; j < count; ++j) samples[j] = first + double(j) * step;
    const std::vector<double> intensity = drop_intensity(band.radius_um, wavelength_nm, samples);

    std::vector<double> smoothed(band.angles_deg.size());
    for (std::size_t c = 0; c < smoothed.size(); ++c) {
        const double centre = band.angles_deg[c];
        const auto low = std::size_t(std::max(0.0, std::floor((centre - r - first) / step)));
        double sum = 0, weights = 0;
        for (std::size_t j = low; j < count && samples[j] <= centre + r; ++j) {
            const double offset = samples[j] - centre;
            const double w = std::sqrt(std::max(0.0, r * r - offset * offset));
            sum += w * intensity[j];
            weights += w;
        }
        smoothed[c] = weights > 0 ? sum / weights : 0.0;
    }
    return smoothed;
}

}  // namespace

ColourBand colour_band(double radius_um, const BandSettings& settings,
                       const ParallelFor& parallel) {
    ColourBand band;
    band.radius_um = radius_um;
    const int columns = std::max(2, settings.columns);
    for (int c = 0; c < columns; ++c)
        band.angles_deg.push_back(settings.from_deg +
                                  (settings.to_deg - settings.from_deg) * c / (columns - 1));

    const int wavelengths =
        int(std::floor((settings.last_nm - settings.first_nm) / settings.step_nm + 1e-9)) + 1;
    std::vector<std::vector<std::array<double, 3>>> per_wavelength(
        static_cast<std::size_t>(wavelengths));
    // The longest sums first, so that the two threads end together.
    parallel(std::size_t(wavelengths), [&](std::size_t w) {
        const double wavelength = settings.first_nm + double(w) * settings.step_nm;
        const std::vector<double> smoothed = sun_smoothed(band, wavelength, settings);
        const double light = blackbody(wavelength, settings.sun_temperature_k) * settings.step_nm;
        const auto matching = colour_matching(wavelength);
        auto& out = per_wavelength[w];
        out.resize(band.angles_deg.size());
        for (std::size_t c = 0; c < band.angles_deg.size(); ++c)
            for (int i = 0; i < 3; ++i)
                out[c][std::size_t(i)] = smoothed[c] * light * matching[std::size_t(i)];
    });

    band.xyz.assign(band.angles_deg.size(), {0.0, 0.0, 0.0});
    for (const auto& out : per_wavelength)  // summed in a fixed order: the same band every run
        for (std::size_t c = 0; c < out.size(); ++c)
            for (int i = 0; i < 3; ++i) band.xyz[c][std::size_t(i)] += out[c][std::size_t(i)];
    expose(band);
    return band;
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

namespace {

// One row of a Lee diagram. A small drop's light changes fast with its size (the narrow
// resonances of a sphere a few hundred wavelengths round), so a row of small drops is the
// mean of the drops across the row's own span of radius, evenly in log(radius): up to 8 for
// 10 um drops, one from 200 um up, where the colours change slowly with the radius and each
// band is dear.
ColourBand lee_row(const std::vector<double>& radii, std::size_t r, const LeeSettings& settings,
                   const ParallelFor& parallel) {
    const double radius = radii[r];
    const int count = std::clamp(int(std::ceil(200.0 / radius)), 1, 8);
    if (count == 1 || radii.size() < 2) return colour_band(radius, settings.band, parallel);
    const double span = rounded::log(radii[1] / radii[0]);  // one row, in log(radius)
    ColourBand row;
    for (int i = 0; i < count; ++i) {
        const double offset = ((i + 0.5) / count - 0.5) * span;
        ColourBand part = colour_band(radius * rounded::exp(offset), settings.band, parallel);
        if (i == 0) {
            row = std::move(part);
            continue;
        }
        for (std::size_t c = 0; c < row.xyz.size(); ++c)
            for (std::size_t k = 0; k < 3; ++k) row.xyz[c][k] += part.xyz[c][k];
    }
    row.radius_um = radius;
    expose(row);
    return row;
}

}  // namespace

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
    const std::vector<double> radii = lee_radii(settings);
    std::size_t done = 0, computed = 0;
    for (std::size_t r = 0; r < radii.size(); ++r) done += r < done_rows.size() && done_rows[r];
    for (const std::size_t r : lee_order(radii.size())) {
        if (r < done_rows.size() && done_rows[r]) continue;
        const ColourBand row = lee_row(radii, r, settings, parallel);
        ++done;
        ++computed;
        if (progress && !progress(r, row, done, radii.size())) break;
    }
    return computed;
}

}  // namespace rainbow::scattering
