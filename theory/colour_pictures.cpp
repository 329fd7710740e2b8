#include "theory/colour_pictures.h"

#include <cmath>
#include <cstdint>

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
    draw_plot_axes(surface, frame, {5.0, 0.0}, words.from_antisolar_point,
                   "a = " + radius_text(band.radius_um));
    const double step = band.angles_deg[1] - band.angles_deg[0];
    const ScopedPen band_pen(surface, pen_for(surface, step, true));
    for (std::size_t c = 0; c < band.rgb.size(); ++c) {
        const float x = float(band.angles_deg[c]);
        surface.line(x, 0.0f, x, 0.75f, display_colour(band.rgb[c]));
    }
}

namespace {

std::uint8_t byte_of(double channel) {
    return std::uint8_t(std::lround(std::clamp(channel, 0.0, 1.0) * 255));
}

// The plotted ranges: the band's angles across, log10 of the radius up, with a line of room
// above the rows so that they do not cover the caption.
PlotFrame lee_frame(const scattering::LeeSettings& settings) {
    const double bottom = std::log10(settings.smallest_um), top = std::log10(settings.largest_um);
    return {settings.band.from_deg, settings.band.to_deg, bottom, top + 0.1 * (top - bottom)};
}

void draw_lee_axes(Surface& surface, const scattering::LeeSettings& settings,
                   const TheoryWords& words) {
    const PlotFrame frame = lee_frame(settings);
    draw_plot_axes(surface, frame, {5.0, 0.0}, words.from_antisolar_point, "a");
    // The radius axis in micrometres and millimetres, at 1, 2 and 5 of each decade.
    const struct {
        double um;
        const char* text;
    } ticks[] = {{10, "10 µm"}, {20, "20"},      {50, "50"},    {100, "100"},
                 {200, "200"},  {500, "500 µm"}, {1000, "1 mm"}};
    const double width = frame.right - frame.left;
    const double line = std::abs(surface.scale_height()) * surface.line_twips() /
                        std::max(1.0, surface.height_twips());
    surface.fore_color = black;
    for (const auto& tick : ticks) {
        const double y = std::log10(tick.um);
        if (tick.um < settings.smallest_um * 0.999 || tick.um > settings.largest_um * 1.001)
            continue;
        // Outward, so that the image of the rows does not cover it.
        surface.line(float(frame.left - 0.008 * width), float(y), float(frame.left), float(y));
        // From the picture's left edge, as the plots' own numbers stand.
        surface.current_x = surface.scale_left() + 0.1 * (frame.left - surface.scale_left());
        surface.current_y = y + 0.5 * line;
        surface.print(tick.text);
    }
}

}  // namespace

scattering::LeeSettings lee_settings_for(const Surface& surface) {
    scattering::LeeSettings settings;
    Surface probe(surface.width_twips(), surface.height_twips());
    probe.set_growth(surface.growth());
    draw_lee_axes(probe, settings, theory_words());
    const PlotFrame frame = lee_frame(settings);
    const PlotPixels pixels = plot_pixels(probe, frame);
    const double rows_share = (std::log10(settings.largest_um) - std::log10(settings.smallest_um)) /
                              (frame.top - frame.bottom);
    settings.rows = std::max(200, int(std::ceil(pixels.rows * rows_share)));
    settings.band.columns = std::max(2, int(std::ceil(pixels.columns)));
    return settings;
}

void draw_lee_diagram(Surface& surface, const LeeRows& rows,
                      const scattering::LeeSettings& settings,
                      std::optional<double> marked_radius_um, const TheoryWords& words) {
    surface.cls();
    draw_lee_axes(surface, settings, words);
    const PlotFrame frame = lee_frame(settings);
    const double bottom = std::log10(settings.smallest_um), top = std::log10(settings.largest_um);

    // One image row per row of the diagram, the largest radius on top; a row not computed
    // yet shows the nearest one computed.
    std::vector<std::size_t> shown(rows.size());
    std::optional<std::size_t> last;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r]) last = r;
        shown[r] = last.value_or(rows.size());
    }
    std::optional<std::size_t> next;
    for (std::size_t r = rows.size(); r-- > 0;) {
        if (rows[r]) next = r;
        if (next && (shown[r] == rows.size() || *next - r < r - shown[r])) shown[r] = *next;
    }
    const int columns = std::max(2, settings.band.columns);
    if (!rows.empty() && shown.front() < rows.size()) {
        const int height = int(rows.size());
        std::vector<std::uint8_t> rgb;
        rgb.reserve(std::size_t(columns) * rows.size() * 3);
        for (std::size_t i = rows.size(); i-- > 0;) {
            const auto& colours = rows[shown[i]]->rgb;
            for (int c = 0; c < columns; ++c) {
                const auto& colour = colours[std::min(std::size_t(c), colours.size() - 1)];
                for (const double channel : colour) rgb.push_back(byte_of(channel));
            }
        }
        surface.image(float(frame.left), float(top), float(frame.right), float(bottom), columns,
                      height, std::move(rgb));
    }
    if (marked_radius_um) {
        const float y = float(std::log10(*marked_radius_um));
        const double tick = 0.02 * (frame.right - frame.left);
        surface.fore_color = black;
        const ScopedPen wide(surface, 2);
        surface.line(float(frame.left), y, float(frame.left + tick), y);
        surface.line(float(frame.right), y, float(frame.right - tick), y);
    }
}

}  // namespace rainbow
