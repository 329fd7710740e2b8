#pragma once

namespace rainbow {

class Surface;
struct SceneChoice;
struct Settings;

// Views that split the rays entering the drop at the rainbow ray's angle of incidence. Each
// draws on the main window's picture with the drop of index n centred at (xc, yc), takes the
// source's height, the reflections (and the ray selector for the full construction) from the
// choice, and leaves angle_theta at -psi and source_y at the source's height.
using ConstructionView = void (*)(const SceneChoice& choice, Settings& settings, Surface& picture,
                                  double n, double xc, double yc);
void draw_central_rays_point(const SceneChoice&, Settings&, Surface&, double n, double xc,
                             double yc);
void draw_external_rays_point(const SceneChoice&, Settings&, Surface&, double n, double xc,
                              double yc);
void draw_central_rays_parallel(const SceneChoice&, Settings&, Surface&, double n, double xc,
                                double yc);
void draw_external_rays_parallel(const SceneChoice&, Settings&, Surface&, double n, double xc,
                                 double yc);
void draw_full_construction_point(const SceneChoice&, Settings&, Surface&, double n, double xc,
                                  double yc);
void draw_full_construction_parallel(const SceneChoice&, Settings&, Surface&, double n, double xc,
                                     double yc);

}  // namespace rainbow
