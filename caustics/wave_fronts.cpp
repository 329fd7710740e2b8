#include "caustics/wave_fronts.h"

// Placeholder until the wave-fronts picture lands.
namespace rainbow {
void draw_wave_fronts(Surface&, Settings&, double, double) {}
}  // namespace rainbow
