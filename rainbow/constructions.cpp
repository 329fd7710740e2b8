// The Belqor constructions: the rays that enter the drop at a smaller angle of incidence than
// the rainbow ray (central) and those at a larger one (external), from a point source or in a
// parallel beam, apart or together.
#include "rainbow/constructions.h"

#include "forms/surface.h"
#include "rainbow/construction_rays.h"
#include "rainbow/construction_steps.h"

namespace rainbow {
namespace {

constexpr double main_half_width = 135;
constexpr double external_point_half_width = 120;

// Angular steps per half-cone of the point source.
constexpr int central_cone_steps = 20;
constexpr int fine_cone_steps = 80;

constexpr Rgb central_point_color = rgb(255, 0, 255);
constexpr Rgb central_beam_color = rgb(255, 100, 255);
constexpr Rgb external_color = rgb(155, 0, 55);
constexpr Rgb thinned_point_color = rgb(255, 150, 255);
constexpr Rgb full_external_point_color = rgb(155, 0, 0);
constexpr Rgb full_external_beam_color = rgb(155, 0, 5);

// One side of the cone from the point source, and the two rainbow rays from the source.
double draw_point_side(const Construction& c, int steps, const RayPass& pass) {
    const double psi = cone_half_angle(c);
    const std::vector<ConstructionRay> rays = cone_rays(c, psi, steps);
    if (!rays.empty()) {
        draw_ray_pass(c, rays, pass);
        draw_rainbow_rays(c, psi, Rays::from_point);
    }
    close_construction(c);
    return psi;
}

// One side of the parallel beam, and its two rainbow rays.
double draw_beam_side(const Construction& c, const RayPass& pass) {
    const double psi = cone_half_angle(c);
    draw_ray_pass(c, beam_rays(c), pass);
    draw_rainbow_rays(c, psi, Rays::parallel_beam);
    close_construction(c);
    return psi;
}

}  // namespace

double draw_central_rays_point(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const ScopedPen kept(picture);
    return draw_point_side(open_construction(choice, drop, picture, main_half_width),
                           central_cone_steps, {RaySide::central, central_point_color});
}

double draw_external_rays_point(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const ScopedPen kept(picture);
    return draw_point_side(open_construction(choice, drop, picture, external_point_half_width),
                           fine_cone_steps, {RaySide::external, external_color});
}

double draw_central_rays_parallel(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const ScopedPen kept(picture);
    return draw_beam_side(open_construction(choice, drop, picture, main_half_width),
                          {RaySide::central, central_beam_color, 1, true});
}

double draw_external_rays_parallel(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const ScopedPen kept(picture);
    return draw_beam_side(open_construction(choice, drop, picture, main_half_width),
                          {RaySide::external, external_color});
}

double draw_full_construction_point(const SceneChoice& choice, const Drop& drop, Surface& picture) {
    const ScopedPen kept(picture);
    const Construction c = open_construction(choice, drop, picture, main_half_width);
    const double psi = cone_half_angle(c);
    const std::vector<ConstructionRay> rays = cone_rays(c, psi, fine_cone_steps);
    if (!rays.empty()) {
        draw_ray_pass(c, rays,
                      {RaySide::central, thinned_point_color, thinning_step(choice.ray_selector)});
        draw_ray_pass(c, rays, {RaySide::external, full_external_point_color});
        draw_rainbow_rays(c, psi, Rays::from_point, LineStyle::dotted);
    }
    close_construction(c);
    return psi;
}

double draw_full_construction_parallel(const SceneChoice& choice, const Drop& drop,
                                       Surface& picture) {
    const ScopedPen kept(picture);
    const Construction c = open_construction(choice, drop, picture, main_half_width);
    const double psi = cone_half_angle(c);
    const std::vector<ConstructionRay> rays = beam_rays(c);
    draw_ray_pass(c, rays,
                  {RaySide::central, central_beam_color, thinning_step(choice.ray_selector)});
    draw_ray_pass(c, rays, {RaySide::external, full_external_beam_color});
    draw_rainbow_rays(c, psi, Rays::parallel_beam);
    close_construction(c);
    return psi;
}

}  // namespace rainbow
