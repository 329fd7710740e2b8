#include "theory/bow_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "forms/format.h"
#include "scattering/airy.h"
#include "scattering/colour.h"
#include "scattering/debye.h"
#include "scattering/geometric.h"
#include "scattering/mie.h"
#include "theory/plot_axes.h"

namespace rainbow {
namespace {

namespace sc = scattering;
constexpr double degree = std::numbers::pi / 180.0;

double chosen(PolarisationChoice choice, double perpendicular, double parallel) {
    switch (choice) {
        case PolarisationChoice::perpendicular: return perpendicular;
        case PolarisationChoice::parallel: return parallel;
        case PolarisationChoice::unpolarised: break;
    }
    return 0.5 * (perpendicular + parallel);
}

// The exact amplitudes for the angles, the angles shared out in blocks over the threads.
std::vector<sc::Amplitudes> amplitudes_in_parallel(const sc::PartialWaves& waves,
                                                   const std::vector<double>& radians,
                                                   const sc::ParallelFor& parallel) {
    constexpr std::size_t blocks = 4;
    std::vector<sc::Amplitudes> result(radians.size());
    const std::size_t size = (radians.size() + blocks - 1) / blocks;
    parallel(blocks, [&](std::size_t b) {
        const std::size_t first = std::min(radians.size(), b * size);
        const std::size_t last = std::min(radians.size(), first + size);
        const auto part = sc::amplitudes(waves, std::span(radians).subspan(first, last - first));
        std::copy(part.begin(), part.end(), result.begin() + std::ptrdiff_t(first));
    });
    return result;
}

// How a curve is drawn: its colour, and dashed or not.
struct CurveLook {
    Rgb colour;
    bool dashed = false;
};

void plot(Surface& surface, const std::vector<double>& angles, const std::vector<double>& values,
          double top, CurveLook look) {
    const Rgb colour = look.colour;
    const bool dashed = look.dashed;
    std::vector<double> clipped(values.size());
    std::transform(values.begin(), values.end(), clipped.begin(),
                   [top](double v) { return std::min(v, top); });
    surface.fore_color = colour;
    draw_polyline(surface, angles, clipped, dashed);
}

// Where the ticks of a curve's maxima run, as fractions of the top of the plot.
struct TickSpan {
    double from = 1.02;
    double to = 0.97;
};

// Short upright ticks at the angles, over the span.
void mark_maxima(Surface& surface, const std::vector<double>& maxima, double top, Rgb colour,
                 TickSpan span = {}) {
    surface.fore_color = colour;
    for (const double a : maxima)
        surface.line(float(a), float(span.from * top), float(a), float(span.to * top));
}

// The main maximum of a bow: of those on the lit side, the one nearest the bow of rays.
std::optional<double> main_maximum(const std::vector<double>& maxima, int reflections) {
    if (maxima.empty()) return std::nullopt;
    return reflections == 1 ? maxima.front() : maxima.back();
}

// The lit side of a bow: larger scattering angles for the primary, smaller for the secondary.
bool on_lit_side(double angle, double rays_deg, int reflections) {
    return reflections == 1 ? angle >= rays_deg : angle <= rays_deg;
}

}  // namespace

double bow_first_angle(int reflections) { return reflections == 1 ? 130.0 : 125.0; }
double bow_last_angle(int reflections) { return reflections == 1 ? 145.0 : 135.0; }

BowCurves compute_bow_curves(const BowQuery& query, const sc::ParallelFor& parallel) {
    BowCurves c;
    c.query = query;
    c.index = sc::water_index_in_air(query.wavelength_nm);
    const double x = 2.0 * std::numbers::pi * query.radius_um * 1000.0 / query.wavelength_nm;
    const double from = bow_first_angle(query.reflections), to = bow_last_angle(query.reflections);
    const int samples = std::max(2, query.samples);
    std::vector<double> radians;
    for (int j = 0; j < samples; ++j) {
        c.angles_deg.push_back(from + (to - from) * j / (samples - 1));
        radians.push_back(c.angles_deg.back() * degree);
    }
    const auto exact =
        amplitudes_in_parallel(sc::mie_partial_waves({c.index, 0.0}, x), radians, parallel);
    const auto debye = amplitudes_in_parallel(
        sc::debye_partial_waves({c.index, 0.0}, x, query.reflections + 1), radians, parallel);
    for (std::size_t j = 0; j < radians.size(); ++j) {
        const double a = radians[j];
        const int k = query.reflections;
        c.geometric.push_back(
            chosen(query.polarisation,
                   sc::geometric_intensity(c.index, x, k, a, sc::Polarisation::perpendicular),
                   sc::geometric_intensity(c.index, x, k, a, sc::Polarisation::parallel)));
        c.airy.push_back(
            chosen(query.polarisation,
                   sc::airy_intensity(c.index, x, k, a, sc::Polarisation::perpendicular),
                   sc::airy_intensity(c.index, x, k, a, sc::Polarisation::parallel)));
        c.exact.push_back(
            chosen(query.polarisation, std::norm(exact[j].s1), std::norm(exact[j].s2)));
        c.debye.push_back(
            chosen(query.polarisation, std::norm(debye[j].s1), std::norm(debye[j].s2)));
    }
    return c;
}

std::vector<double> curve_maxima(const std::vector<double>& angles,
                                 const std::vector<double>& values) {
    std::vector<double> found;
    for (std::size_t j = 1; j + 1 < values.size(); ++j)
        if (values[j] > values[j - 1] && values[j] >= values[j + 1]) found.push_back(angles[j]);
    return found;
}

std::vector<double> rippled_curve_maxima(const std::vector<double>& angles,
                                         const std::vector<double>& values,
                                         const std::vector<double>& guide_maxima, double rays_deg,
                                         int reflections) {
    const std::size_t count = std::min(angles.size(), values.size());
    if (count < 3) return {};
    // The spacing of the guide's maxima around an angle; the whole range without two of them.
    const auto spacing_at = [&](double angle) {
        if (guide_maxima.size() < 2) return angles[count - 1] - angles[0];
        const auto next = std::upper_bound(guide_maxima.begin(), guide_maxima.end(), angle);
        const auto right = std::clamp(next, guide_maxima.begin() + 1, guide_maxima.end() - 1);
        return *right - *(right - 1);
    };
    std::vector<double> found;
    for (std::size_t j = 1; j + 1 < count; ++j) {
        if (!on_lit_side(angles[j], rays_deg, reflections)) continue;
        const double reach = 0.4 * spacing_at(angles[j]);
        bool highest = true;
        for (std::size_t i = j; highest && i-- > 0 && angles[j] - angles[i] <= reach;)
            highest = values[i] < values[j];
        for (std::size_t i = j + 1; highest && i < count && angles[i] - angles[j] <= reach; ++i)
            highest = values[i] <= values[j];
        if (highest) found.push_back(angles[j]);
    }
    return found;
}

void draw_bow_picture(Surface& surface, const BowCurves& c, const ShownTheories& shown,
                      const TheoryWords& words) {
    surface.cls();
    double top = 0;
    for (const auto* curve : {&c.airy, &c.exact, &c.debye})
        for (const double v : *curve) top = std::max(top, v);
    top = top > 0 ? 1.15 * top : 1.0;
    const PlotFrame frame{c.angles_deg.front(), c.angles_deg.back(), 0.0, top};
    const int k = c.query.reflections;
    draw_plot_axes(surface, frame, {k == 1 ? 5.0 : 2.0, 0.0}, "θ (°)",
                   k == 1 ? words.primary_bow : words.secondary_bow);

    // Where the bow of rays stands, and the maxima of the wave theories.
    const double bow = sc::rainbow_ray(c.index, k).scattering_angle / degree;
    const auto& a = c.angles_deg;
    const auto airy_maxima = curve_maxima(a, c.airy);
    const auto exact_maxima = rippled_curve_maxima(a, c.exact, airy_maxima, bow, k);
    if (shown.geometric) plot(surface, a, c.geometric, top, {geometric_colour, true});
    if (shown.exact) {
        plot(surface, a, c.exact, top, {exact_colour});
        mark_maxima(surface, exact_maxima, top, exact_colour, {0.95, 0.90});
    }
    if (shown.debye) {
        plot(surface, a, c.debye, top, {debye_colour});
        mark_maxima(surface, curve_maxima(a, c.debye), top, debye_colour);
    }
    if (shown.airy) {
        plot(surface, a, c.airy, top, {airy_colour});
        mark_maxima(surface, airy_maxima, top, airy_colour);
    }

    surface.fore_color = geometric_colour;
    surface.draw_style = LineStyle::dotted;
    surface.line(float(bow), 0.0f, float(bow), float(top));
    surface.draw_style = LineStyle::solid;
    // One line each, down from the top: each print moves to the next line.
    const double left = frame.left + 0.02 * (frame.right - frame.left);
    surface.current_x = left;
    surface.current_y = 0.9 * top;
    surface.print("n = " + format_number(c.index, "0.0000") + ",  " + words.rays + ": " +
                  format_number(bow, "0.00") + "°");
    const struct {
        bool shown;
        std::optional<double> main;
        Rgb colour;
        std::string name;
    } mains[] = {{shown.airy, main_maximum(airy_maxima, k), airy_colour, words.airy},
                 {shown.exact, main_maximum(exact_maxima, k), exact_colour, "Mie"}};
    for (const auto& m : mains) {
        if (!m.shown || !m.main) continue;
        surface.fore_color = m.colour;
        surface.current_x = left;
        surface.print(m.name + ": " + format_number(*m.main, "0.00") + "°");
    }
    surface.fore_color = black;
}

}  // namespace rainbow
