// The views of the three windows, each with the event that draws it.
#include "bench.h"

namespace rainbow::bench {
namespace {

// The main window with the most rays and two reflections, water, the beam chosen.
void busiest_main_scene(Program& program, const char* beam) {
    set(program, "arxiki.arithaktinon", 80);
    set(program, "arxiki.arithanak", 2);
    click(program, "arxiki.Option1");
    click(program, beam);
}

void redraw_main_scene(Program& program) { toggle(program, "arxiki.goniatheta", 15, 16); }

void open_caustics(Program& program) { click(program, "arxiki.Command6"); }

const ViewRegistration views[] = {
    ViewRegistration({"main_point_source",
                      [](Program& p) { busiest_main_scene(p, "arxiki.pointsource"); },
                      redraw_main_scene, "arxiki.Picture1"}),
    ViewRegistration({"main_parallel_beam",
                      [](Program& p) { busiest_main_scene(p, "arxiki.parallel"); },
                      redraw_main_scene, "arxiki.Picture1"}),
    ViewRegistration({"belqor", [](Program& p) { busiest_main_scene(p, "arxiki.parallel"); },
                      [](Program& p) { click(p, "arxiki.Command1"); }, "arxiki.Picture1"}),
    ViewRegistration({"belqor_central",
                      [](Program& p) { busiest_main_scene(p, "arxiki.parallel"); },
                      [](Program& p) { click(p, "arxiki.Command2"); }, "arxiki.Picture1"}),
    ViewRegistration({"belqor_external",
                      [](Program& p) { busiest_main_scene(p, "arxiki.parallel"); },
                      [](Program& p) { click(p, "arxiki.Command3"); }, "arxiki.Picture1"}),
    ViewRegistration({"composite_rainbow", [](Program&) {},
                      [](Program& p) { click(p, "arxiki.Command4"); }, "arxiki.Picture1"}),
    ViewRegistration({"ray_crossing", [](Program& p) { click(p, "arxiki.Command5"); },
                      [](Program& p) { toggle(p, "cut_rays.position_of_ray", 10, 11); },
                      "cut_rays.client"}),
    ViewRegistration({"caustics_refraction", open_caustics,
                      [](Program& p) { click(p, "kafstikh.Command1"); }, "kafstikh.eikona"}),
    // The reflected rays drawn on a cleared picture, as after the window opens.
    ViewRegistration({"caustics_reflected", open_caustics,
                      [](Program& p) {
                          picture(p, "kafstikh.eikona").cls();
                          click(p, "kafstikh.Command2");
                      },
                      "kafstikh.eikona"}),
    ViewRegistration({"wave_fronts", open_caustics,
                      [](Program& p) { click(p, "kafstikh.Command4"); }, "kafstikh.eikona"}),
};

}  // namespace
}  // namespace rainbow::bench
