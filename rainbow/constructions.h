#pragma once

namespace rainbow {

class Surface;
struct Drop;
struct SceneChoice;

// Views that split the rays entering the drop at the rainbow ray's angle of incidence. Each
// draws on the main window's picture with the drop it is given, takes the source's height,
// the reflections (and the ray selector for the full construction) from the choice, and
// returns the half-angle psi of the cone of rays from (-80, source_y) that meet the drop. The
// picture's pen is as it was before.
using ConstructionView = double (*)(const SceneChoice& choice, const Drop& drop, Surface& picture);
double draw_central_rays_point(const SceneChoice&, const Drop&, Surface&);
double draw_external_rays_point(const SceneChoice&, const Drop&, Surface&);
double draw_central_rays_parallel(const SceneChoice&, const Drop&, Surface&);
double draw_external_rays_parallel(const SceneChoice&, const Drop&, Surface&);
double draw_full_construction_point(const SceneChoice&, const Drop&, Surface&);
double draw_full_construction_parallel(const SceneChoice&, const Drop&, Surface&);

}  // namespace rainbow
