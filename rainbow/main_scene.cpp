#include "forms/surface.h"
#include "forms/water_dispersion.h"
#include "forms/window.h"
#include "rainbow/main_layout.h"
#include "rainbow/main_window.h"
#include "rainbow/scene.h"

namespace rainbow {
namespace {

constexpr double scene_drop_radius = 30;
constexpr double scene_drop_x = 10;

}  // namespace

void Main(MainWindow& window) {
    lay_out_main_window(window, window.host().screen());
    window.draw_scene();
}

Drop main_scene_drop(const SceneChoice& choice, double n) {
    return {.centre = {scene_drop_x, choice.drop_y}, .radius = scene_drop_radius, .index = n};
}

std::optional<double> main_scene_index(const SceneChoice& choice) {
    if (choice.water) return std::end(water_spectrum)[-1].index;
    if (choice.glass) return glass_index;
    return std::nullopt;
}

SceneResult draw_main_scene(const SceneChoice& choice, Surface& picture) {
    // One pass per colour of the material, for the chosen beam; with no beam or no material
    // chosen there is nothing to draw.
    if (!choice.point_source && !choice.parallel) return {};
    // The angles each pass prints are lifted above the rays of the later passes, on white.
    const std::size_t first_item = picture.items().size();
    SceneResult result;
    const auto trace = [&](double n) {
        const Drop drop = main_scene_drop(choice, n);
        result = choice.point_source ? trace_point_source(choice, drop, picture)
                                     : trace_parallel_beam(choice, drop, picture);
    };
    if (choice.water) {
        for (const SpectralColour& pass : water_spectrum) {
            picture.fore_color = pass.color;
            trace(pass.index);
        }
    } else if (choice.glass) {
        // Glass is one pass, in red for either beam.
        picture.fore_color = rgb(255, 0, 0);
        trace(glass_index);
    }
    picture.raise_texts(first_item, white);
    return result;
}

}  // namespace rainbow
