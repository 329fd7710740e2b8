#include "scattering/colour_band.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scattering/colour.h"
#include "scattering/mie.h"

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

// The weights of the sun's disc seen edge-on: the chord through the disc at each offset.
std::vector<double> sun_weights(const BandSettings& settings, int half_width) {
    std::vector<double> weights(static_cast<std::size_t>(2 * half_width + 1));
    for (int k = -half_width; k <= half_width; ++k) {
        const double offset = k * settings.sample_deg;
        const double r = settings.sun_radius_deg;
        weights[std::size_t(k + half_width)] = std::sqrt(std::max(0.0, r * r - offset * offset));
    }
    return weights;
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

    const int half_width =
        std::max(1, int(std::ceil(settings.sun_radius_deg / settings.sample_deg)));
    const double first_sample = settings.from_deg - half_width * settings.sample_deg;
    const int sample_count =
        int(std::ceil((settings.to_deg - settings.from_deg) / settings.sample_deg)) +
        2 * half_width + 2;
    std::vector<double> samples(static_cast<std::size_t>(sample_count));
    for (int j = 0; j < sample_count; ++j)
        samples[std::size_t(j)] = first_sample + j * settings.sample_deg;
    const std::vector<double> weights = sun_weights(settings, half_width);
    double weight_sum = 0;
    for (const double w : weights) weight_sum += w;

    const int wavelengths =
        int(std::floor((settings.last_nm - settings.first_nm) / settings.step_nm + 1e-9)) + 1;
    std::vector<std::vector<std::array<double, 3>>> per_wavelength(
        static_cast<std::size_t>(wavelengths));
    parallel(std::size_t(wavelengths), [&](std::size_t w) {
        const double wavelength = settings.first_nm + double(w) * settings.step_nm;
        const std::vector<double> intensity = drop_intensity(radius_um, wavelength, samples);
        const double light = blackbody(wavelength, settings.sun_temperature_k) * settings.step_nm;
        const auto matching = colour_matching(wavelength);
        auto& out = per_wavelength[w];
        out.resize(band.angles_deg.size());
        for (std::size_t c = 0; c < band.angles_deg.size(); ++c) {
            // Smooth with the sun's disc, centred on the sample nearest the column.
            const double position = (band.angles_deg[c] - first_sample) / settings.sample_deg;
            const int centre = int(std::lround(position));
            double smoothed = 0;
            for (int k = -half_width; k <= half_width; ++k) {
                const int j = std::clamp(centre + k, 0, sample_count - 1);
                smoothed += weights[std::size_t(k + half_width)] * intensity[std::size_t(j)];
            }
            smoothed *= light / weight_sum;
            for (int i = 0; i < 3; ++i)
                out[c][std::size_t(i)] = smoothed * matching[std::size_t(i)];
        }
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
    const double low = std::log(settings.smallest_um), high = std::log(settings.largest_um);
    for (int r = 0; r < rows; ++r)
        radii.push_back(std::exp(rows == 1 ? low : low + (high - low) * r / (rows - 1)));
    return radii;
}

std::vector<ColourBand> lee_diagram(const LeeSettings& settings, const LeeProgress& progress,
                                    const ParallelFor& parallel, std::size_t first_row) {
    const std::vector<double> radii = lee_radii(settings);
    std::vector<ColourBand> rows;
    for (std::size_t r = first_row; r < radii.size(); ++r) {
        rows.push_back(colour_band(radii[r], settings.band, parallel));
        if (progress && !progress(rows.back(), r + 1, radii.size())) break;
    }
    return rows;
}

}  // namespace rainbow::scattering
