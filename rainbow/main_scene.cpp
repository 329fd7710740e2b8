#include "forms/surface.h"
#include "forms/water_dispersion.h"
#include "forms/window.h"
#include "rainbow/main_layout.h"
#include "rainbow/main_window.h"
#include "rainbow/scene.h"

namespace rainbow {
namespace {

constexpr double glass_index = 1.5;
constexpr double beam_start_x = -90;

}  // namespace

void Main(MainWindow& window) {
    window.host().shared_settings().drop_radius = 30;
    lay_out_main_window(window, window.host().screen());
    draw_main_scene(window.choice(), window.host().shared_settings(), window.Picture1.surface());
    // Other windows follow the main window's settings (the theory window marks the central
    // ray's incidence on its Descartes curve).
    window.host().shared_settings_changed();
}

void draw_main_scene(const SceneChoice& choice, Settings& s, Surface& picture) {
    s.drop_radius = 30;
    if (choice.water) {
        s.refractive_index = water_spectrum[0].index;
    } else if (choice.glass) {
        s.refractive_index = glass_index;
    }
    s.drop_xc = 10;
    s.drop_yc = choice.drop_y;
    s.source_y = choice.source_y;
    // Other views leave angle_theta at angles of their own: the scene is always drawn with
    // the angle its scroll bar shows.
    s.angle_theta = choice.angle;

    // One pass per colour of the material, for the chosen beam; with no beam or no material
    // chosen there is nothing to draw.
    if (!choice.point_source && !choice.parallel) return;
    // The angles each pass prints are lifted above the rays of the later passes, on white.
    const std::size_t first_item = picture.items().size();
    double beam_y = 0;
    const auto trace = [&](double n) {
        if (choice.point_source) {
            trace_point_source(choice, s, picture, n);
        } else {
            trace_parallel_beam(choice, s, picture, beam_start_x, beam_y, s.drop_xc, s.drop_yc, n);
        }
        s.refractive_index = n;
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
}

}  // namespace rainbow
