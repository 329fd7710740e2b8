#pragma once
// Descartes' curve: the deviation of a ray against its angle of incidence, for one and two
// reflections inside the drop, for water at the main window's three indices and for glass.
#include <optional>

#include "forms/surface.h"
#include "theory/theory_texts.h"

namespace rainbow {

// Draws the curves, marks each minimum and prints the rainbow angles: 180 - D_min for
// the primary bow, D_min - 180 for the secondary. central_incidence_deg is the incidence of
// the main window's central ray, marked across the curves; none (the ray misses the drop)
// prints a note in its place.
void draw_descartes_picture(Surface& surface, std::optional<double> central_incidence_deg,
                            const TheoryWords& words);

}  // namespace rainbow
