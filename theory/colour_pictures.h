#pragma once
// The colours of the bow as display lists: the band for one radius, one coloured line per
// column, and the Lee diagram, one image.
#include <optional>
#include <vector>

#include "forms/surface.h"
#include "scattering/colour_band.h"
#include "theory/theory_texts.h"

namespace rainbow {

// The band across 35-57 deg from the antisolar point, with its angle axis.
void draw_colour_band(Surface& surface, const scattering::ColourBand& band,
                      const TheoryWords& words);

// The rows of a Lee diagram by index (smallest radius first); a row not computed yet is
// none and shows the nearest row computed, so that a diagram that grows coarse to fine is
// whole from its first rows.
using LeeRows = std::vector<std::optional<scattering::ColourBand>>;

// The settings of a Lee diagram computed for this picture at its size: a row per pixel row
// of the plot (at least 200), a column per pixel column.
scattering::LeeSettings lee_settings_for(const Surface& surface);

// The Lee diagram: the rows (radius up, log scale from smallest_um to largest_um, labelled
// 10 µm to 1 mm), the angle across, painted as one image; the radius of the band shown,
// when given, is marked at both sides over the rows.
void draw_lee_diagram(Surface& surface, const LeeRows& rows,
                      const scattering::LeeSettings& settings,
                      std::optional<double> marked_radius_um, const TheoryWords& words);

}  // namespace rainbow
