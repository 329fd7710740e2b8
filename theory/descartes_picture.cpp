#include "theory/descartes_picture.h"

#include <cmath>
#include <numbers>
#include <string>

#include "forms/format.h"
#include "forms/water_dispersion.h"
#include "scattering/rainbow_ray.h"
#include "theory/plot_axes.h"

namespace rainbow {
namespace {

constexpr double degree = std::numbers::pi / 180.0;

struct Material {
    double index;
    Rgb color;
    bool dashed;
    std::string name;
};

void draw_curve(Surface& surface, const Material& material, int reflections) {
    std::vector<double> incidence, deviation;
    for (double i = 0.0; i <= 90.0 + 1e-9; i += 0.5) {
        incidence.push_back(i);
        deviation.push_back(scattering::deviation(i * degree, material.index, reflections) /
                            degree);
    }
    surface.fore_color = material.color;
    draw_polyline(surface, incidence, deviation, material.dashed);
    const auto ray = scattering::rainbow_ray(material.index, reflections);
    surface.circle(float(ray.incidence / degree), float(ray.deviation / degree), 0.7f,
                   material.color);
}

}  // namespace

void draw_descartes_picture(Surface& surface, std::optional<double> central_incidence_deg,
                            const TheoryWords& words) {
    surface.cls();
    const PlotFrame frame{0, 90, 120, 370};
    draw_plot_axes(surface, frame, {10, 30}, "i (°)", "D (°)");
    std::vector<Material> materials;
    for (const SpectralColour& c : water_spectrum)
        materials.push_back({c.index, c.color, false, words.water});
    // Glass is drawn in red on the main window; dashed here to tell it from water's red.
    materials.push_back({glass_index, rgb(255, 0, 0), true, words.glass});

    for (const Material& m : materials)
        for (const int k : {1, 2}) draw_curve(surface, m, k);

    // The rainbow angles, one line per material, in its colour: each print moves down a line.
    // They stand between the two families of curves, high enough that the last line stays
    // clear of glass's dashed curve of one reflection when the picture is shown small.
    surface.current_y = 248;
    for (const Material& m : materials) {
        surface.fore_color = m.color;
        surface.current_x = 17;
        const double primary = scattering::rainbow_angle(m.index, 1) / degree;
        const double secondary = scattering::rainbow_angle(m.index, 2) / degree;
        surface.print(m.name + " n = " + format_number(m.index, "0.000") + ":  " +
                      format_number(primary, "0.00") + "°,  " + format_number(secondary, "0.00") +
                      "°");
    }

    surface.fore_color = rgb(128, 0, 128);
    if (central_incidence_deg) {
        const double i = std::abs(*central_incidence_deg);
        {
            const ScopedPen dotted(surface, LineStyle::dotted);
            surface.line(float(i), float(frame.bottom), float(i), float(frame.top));
        }
        surface.current_x = i + 1;
        surface.current_y = frame.top - 6;
        surface.print("i = " + format_number(i, "0.0") + "°");
    } else {
        surface.current_x = 12;  // clear of the axis caption
        surface.current_y = frame.top - 6;
        surface.print(words.central_ray_misses);
    }
    surface.fore_color = black;
}

}  // namespace rainbow
