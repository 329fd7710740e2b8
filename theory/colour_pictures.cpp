#include "theory/colour_pictures.h"

#include <cmath>

#include "forms/format.h"
#include "forms/screen.h"
#include "theory/plot_axes.h"

namespace rainbow {
namespace {

Rgb display_colour(const scattering::Rgb& c) {
    const auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return rgb(channel(c[0]), channel(c[1]), channel(c[2]));
}

// A pen wide enough to cover one step of the user scale along x or y, at the picture's own
// size and therefore at any size it is painted at (pens grow with the picture).
int pen_for(const Surface& surface, double step, bool along_x) {
    const double extent = along_x ? surface.width_twips() : surface.height_twips();
    const double span = std::abs(along_x ? surface.scale_width() : surface.scale_height());
    const double growth = surface.own_growth();
    if (span <= 0 || extent <= 0 || growth <= 0) return 1;
    const double pixels = step / span * extent / twips_per_pixel;
    return std::max(1, int(std::ceil(pixels / growth)) + 1);
}

}  // namespace

void draw_colour_band(Surface& surface, const scattering::ColourBand& band,
                      const TheoryWords& words) {
    surface.cls();
    if (band.angles_deg.size() < 2) return;
    const PlotFrame frame{band.angles_deg.front(), band.angles_deg.back(), 0.0, 1.0};
    draw_plot_axes(surface, frame, 5.0, 0.0, words.from_antisolar_point,
                   "a = " + radius_text(band.radius_um));
    const double step = band.angles_deg[1] - band.angles_deg[0];
    surface.draw_width = pen_for(surface, step, true);
    for (std::size_t c = 0; c < band.rgb.size(); ++c) {
        const float x = float(band.angles_deg[c]);
        surface.line(x, 0.0f, x, 0.75f, display_colour(band.rgb[c]));
    }
    surface.draw_width = 1;
}

void draw_lee_diagram(Surface& surface, const std::vector<scattering::ColourBand>& rows,
                      const scattering::LeeSettings& settings,
                      std::optional<double> marked_radius_um, const TheoryWords& words) {
    surface.cls();
    const double bottom = std::log10(settings.smallest_um), top = std::log10(settings.largest_um);
    // A line of room above the rows, so that they do not cover the caption.
    const PlotFrame frame{settings.band.from_deg, settings.band.to_deg, bottom,
                          top + 0.1 * (top - bottom)};
    draw_plot_axes(surface, frame, 5.0, 1.0, words.from_antisolar_point, "log10(a / µm)");
    for (const auto& row : rows) draw_lee_row(surface, row, settings);
    if (marked_radius_um) {
        const float y = float(std::log10(*marked_radius_um));
        surface.fore_color = black;
        surface.line(float(frame.left), y, float(frame.left + 0.02 * (frame.right - frame.left)),
                     y);
        surface.line(float(frame.right), y, float(frame.right - 0.02 * (frame.right - frame.left)),
                     y);
    }
}

void draw_lee_row(Surface& surface, const scattering::ColourBand& row,
                  const scattering::LeeSettings& settings) {
    if (row.angles_deg.size() < 2) return;
    // Each cell a short upright line as wide as a column: the pen's round ends then stick
    // out by half a column at most.
    const double bottom = std::log10(settings.smallest_um), top = std::log10(settings.largest_um);
    const int count = std::max(2, settings.rows);
    const double half_row = 0.5 * (top - bottom) / (count - 1);
    const double step = row.angles_deg[1] - row.angles_deg[0];
    const double y = std::log10(row.radius_um);
    const float low = float(std::max(bottom, y - half_row)),
                high = float(std::min(top, y + half_row));
    surface.draw_width = pen_for(surface, step, true);
    for (std::size_t c = 0; c < row.rgb.size(); ++c) {
        const float x = float(row.angles_deg[c]);
        surface.line(x, low, x, high, display_colour(row.rgb[c]));
    }
    surface.draw_width = 1;
}

}  // namespace rainbow
