#include "app/main_window.h"
#include "app/program.h"
#include "rainbow/main_layout.h"
#include "rainbow/scene.h"
#include "rainbow/water_dispersion.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

constexpr double glass_index = 1.5;
constexpr double beam_start_x = -90;

}  // namespace

void Main(Program& program) {
    Settings& s = program.settings;
    MainWindow& w = program.arxiki();
    Surface& picture = w.Picture1.surface();

    s.drop_radius = 30;
    lay_out_main_window(w, program.screen());

    if (w.Option1.value()) {
        s.refractive_index = water_spectrum[0].index;
    } else if (w.Option2.value()) {
        s.refractive_index = glass_index;
    }
    s.drop_xc = 10;
    s.drop_yc = w.Ycthesi.value();
    s.source_y = w.psipigi.value();
    // Other views leave angle_theta at angles of their own: the scene is always drawn with
    // the angle its scroll bar shows.
    s.angle_theta = w.goniatheta.value();
    // The theory window marks the central ray's incidence on its Descartes curve.
    if (program.has_theoria()) program.theoria().follow_main_window();

    // One pass per colour of the material, for the chosen beam; with no beam or no material
    // chosen there is nothing to draw.
    const bool point = w.pointsource.value();
    if (!point && !w.parallel.value()) return;
    double beam_y = 0;
    const auto trace = [&](double n) {
        if (point) {
            trace_point_source(program, n);
        } else {
            trace_parallel_beam(program, beam_start_x, beam_y, s.drop_xc, s.drop_yc, n);
        }
        s.refractive_index = n;
    };
    if (w.Option1.value()) {
        for (const SpectralColour& pass : water_spectrum) {
            picture.fore_color = pass.color;
            trace(pass.index);
        }
    } else if (w.Option2.value()) {
        // Glass is one pass, in red for either beam.
        picture.fore_color = rgb(255, 0, 0);
        trace(glass_index);
    }
}

}  // namespace rainbow
