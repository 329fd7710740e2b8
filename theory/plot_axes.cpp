#include "theory/plot_axes.h"

#include <algorithm>
#include <cmath>

#include "forms/format.h"
#include "forms/screen.h"

namespace rainbow {

void draw_plot_axes(Surface& surface, const PlotFrame& f, PlotTicks ticks,
                    const std::string& x_caption, const std::string& y_caption) {
    const double x_step = ticks.x_step, y_step = ticks.y_step;
    const double width = f.right - f.left, height = f.top - f.bottom;
    // Room for a column of numbers at the left and two lines of text below, as wide and as
    // tall as the picture's text.
    const double text = surface.line_twips();
    const double below =
        surface.height_twips() > 0 ? std::min(0.4, 2.3 * text / surface.height_twips()) : 0.16;
    const double beside =
        surface.width_twips() > 0 ? std::min(0.3, 3.3 * text / surface.width_twips()) : 0.1;
    const double total_height = height / (1.0 - below - 0.03);
    const double total_width = width / (1.0 - beside - 0.02);
    surface.scale(f.left - beside * total_width, f.top + 0.03 * total_height,
                  f.right + 0.02 * total_width, f.bottom - below * total_height);
    surface.fore_color = black;
    surface.draw_width = 1;
    surface.draw_style = LineStyle::solid;
    surface.line(float(f.left), float(f.bottom), float(f.right), float(f.bottom));
    surface.line(float(f.right), float(f.bottom), float(f.right), float(f.top));
    surface.line(float(f.right), float(f.top), float(f.left), float(f.top));
    surface.line(float(f.left), float(f.top), float(f.left), float(f.bottom));
    const double tick_x = 0.012 * height, tick_y = 0.008 * width;
    const double line = below * total_height / 2.3;  // one line of text in user units
    if (x_step > 0) {
        for (double x = std::ceil(f.left / x_step) * x_step; x <= f.right + 1e-9; x += x_step) {
            surface.line(float(x), float(f.bottom), float(x), float(f.bottom + tick_x));
            surface.current_x = x - 0.015 * width;
            surface.current_y = f.bottom - 0.1 * line;
            surface.print(format_number(x, "0"));
        }
    }
    if (y_step > 0) {
        for (double y = std::ceil(f.bottom / y_step) * y_step; y <= f.top + 1e-9; y += y_step) {
            surface.line(float(f.left), float(y), float(f.left + tick_y), float(y));
            surface.current_x = f.left - 0.9 * beside * total_width;
            surface.current_y = y + 0.5 * line;
            surface.print(format_number(y, "0"));
        }
    }
    surface.current_x = f.left + 0.35 * width;
    surface.current_y = f.bottom - 1.1 * line;
    surface.print(x_caption);
    surface.current_x = f.left + 0.01 * width;
    surface.current_y = f.top - 0.01 * height;
    surface.print(y_caption);
}

PlotPixels plot_pixels(const Surface& surface, const PlotFrame& frame) {
    const double across = std::abs(surface.scale_width()), up = std::abs(surface.scale_height());
    if (across <= 0 || up <= 0) return {};
    return {(frame.right - frame.left) / across * surface.width_twips() / twips_per_pixel,
            (frame.top - frame.bottom) / up * surface.height_twips() / twips_per_pixel};
}

void draw_polyline(Surface& surface, const std::vector<double>& x, const std::vector<double>& y,
                   bool dashed, std::size_t dash) {
    const std::size_t count = std::min(x.size(), y.size());
    for (std::size_t j = 1; j < count; ++j) {
        if (dashed && ((j - 1) / std::max<std::size_t>(1, dash)) % 2 == 1) continue;
        surface.line(float(x[j - 1]), float(y[j - 1]), float(x[j]), float(y[j]));
    }
}

}  // namespace rainbow
