#include "rainbow/constructions.h"

// Placeholder bodies until the construction views land.
namespace rainbow {
void draw_central_rays_point(Program&, double, double, double) {}
void draw_external_rays_point(Program&, double, double, double) {}
void draw_central_rays_parallel(Program&, double, double, double) {}
void draw_external_rays_parallel(Program&, double, double, double) {}
void draw_full_construction_point(Program&, double, double, double) {}
void draw_full_construction_parallel(Program&, double, double, double) {}
}  // namespace rainbow
