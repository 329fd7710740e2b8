#pragma once
// The colours of the bow as display lists: the band for one radius, one coloured line per
// column, and the Lee diagram, one coloured line per cell.
#include <optional>
#include <vector>

#include "forms/surface.h"
#include "scattering/colour_band.h"
#include "theory/theory_texts.h"

namespace rainbow {

// The band across 35-57 deg from the antisolar point, with its angle axis.
void draw_colour_band(Surface& surface, const scattering::ColourBand& band,
                      const TheoryWords& words);

// The rows computed so far (radius up, log scale from smallest_um to largest_um), the angle
// across; the radius of the band shown, when given, is marked at the side.
void draw_lee_diagram(Surface& surface, const std::vector<scattering::ColourBand>& rows,
                      const scattering::LeeSettings& settings,
                      std::optional<double> marked_radius_um, const TheoryWords& words);

// Adds one row to a Lee diagram drawn by draw_lee_diagram, without drawing the rest again.
void draw_lee_row(Surface& surface, const scattering::ColourBand& row,
                  const scattering::LeeSettings& settings);

}  // namespace rainbow
