#include "theory/bow_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>
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

void plot(Surface& surface, const std::vector<double>& angles, const std::vector<double>& values,
          double top, Rgb colour, bool dashed) {
    std::vector<double> clipped(values.size());
    std::transform(values.begin(), values.end(), clipped.begin(),
                   [top](double v) { return std::min(v, top); });
    surface.fore_color = colour;
    draw_polyline(surface, angles, clipped, dashed);
}

void mark_maxima(Surface& surface, const std::vector<double>& angles,
                 const std::vector<double>& values, double top, Rgb colour) {
    surface.fore_color = colour;
    for (const double a : curve_maxima(angles, values))
        surface.line(float(a), float(1.02 * top), float(a), float(0.97 * top));
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

void draw_bow_picture(Surface& surface, const BowCurves& c, const ShownTheories& shown) {
    surface.cls();
    double top = 0;
    for (const auto* curve : {&c.airy, &c.exact, &c.debye})
        for (const double v : *curve) top = std::max(top, v);
    top = top > 0 ? 1.15 * top : 1.0;
    const PlotFrame frame{c.angles_deg.front(), c.angles_deg.back(), 0.0, top};
    draw_plot_axes(surface, frame, c.query.reflections == 1 ? 5.0 : 2.0, 0.0, "θ (°)",
                   c.query.reflections == 1 ? "|S|², primary bow" : "|S|², secondary bow");

    const auto& a = c.angles_deg;
    if (shown.geometric) plot(surface, a, c.geometric, top, geometric_colour, true);
    if (shown.exact) plot(surface, a, c.exact, top, exact_colour, false);
    if (shown.debye) {
        plot(surface, a, c.debye, top, debye_colour, false);
        mark_maxima(surface, a, c.debye, top, debye_colour);
    }
    if (shown.airy) {
        plot(surface, a, c.airy, top, airy_colour, false);
        mark_maxima(surface, a, c.airy, top, airy_colour);
    }

    // Where the bow of rays stands, and the main maximum of Airy's curve.
    const double bow = sc::rainbow_ray(c.index, c.query.reflections).scattering_angle / degree;
    surface.fore_color = geometric_colour;
    surface.draw_style = LineStyle::dotted;
    surface.line(float(bow), 0.0f, float(bow), float(top));
    surface.draw_style = LineStyle::solid;
    const auto airy_maxima = curve_maxima(a, c.airy);
    surface.current_x = frame.left + 0.02 * (frame.right - frame.left);
    surface.current_y = 0.9 * top;
    surface.print("n = " + format_number(c.index, "0.0000") +
                  ",  rays: " + format_number(bow, "0.00") + "°");
    if (!airy_maxima.empty()) {
        // The main maximum lies nearest the bow of rays, on the side of the rays.
        const double main = c.query.reflections == 1 ? airy_maxima.front() : airy_maxima.back();
        surface.fore_color = airy_colour;
        surface.current_x = frame.left + 0.02 * (frame.right - frame.left);
        surface.print("Airy: " + format_number(main, "0.00") + "°");
    }
    surface.fore_color = black;
}

}  // namespace rainbow
