// The command buttons of the main window and its ray selector: each clears the picture and
// runs one of the further views, or opens another window.
#include "app/format.h"
#include "app/main_window.h"
#include "app/program.h"
#include "theory/theory_window.h"
#include "caustics/caustics_window.h"
#include "crossing/cut_rays_window.h"
#include "rainbow/composite.h"
#include "rainbow/constructions.h"

namespace rainbow {

void MainWindow::run_view(View point_view, View parallel_view) {
    Settings& s = program_.settings;
    const View view = point_source_chosen() ? point_view : parallel_view;
    view(program_, s.refractive_index, s.drop_xc, s.drop_yc);
}

void MainWindow::Command1_Click() {
    Settings& s = program_.settings;
    s.drop_radius = 30;
    HScroll1.visible = true;
    Label3.visible = true;
    Picture1.surface().cls();
    s.drop_xc = 10;
    s.drop_yc = Ycthesi.value();
    run_view(draw_full_construction_point, draw_full_construction_parallel);
}

void MainWindow::Command2_Click() {
    Settings& s = program_.settings;
    s.drop_radius = 30;
    hide_ray_selector();
    Picture1.surface().cls();
    s.drop_xc = 10;
    s.drop_yc = Ycthesi.value();
    run_view(draw_central_rays_point, draw_central_rays_parallel);
}

void MainWindow::Command3_Click() {
    Settings& s = program_.settings;
    s.drop_radius = 30;
    hide_ray_selector();
    Picture1.surface().cls();
    // With a point source the drop stays where the previous drawing left it.
    if (!point_source_chosen()) {
        s.drop_xc = 10;
        s.drop_yc = Ycthesi.value();
    }
    run_view(draw_external_rays_point, draw_external_rays_parallel);
}

void MainWindow::HScroll1_Change() {
    Settings& s = program_.settings;
    switch (HScroll1.value()) {
        case 1: Label3.caption = "Every 4th ray in central cone"; break;
        case 2: Label3.caption = "Every 2th ray in central cone"; break;
        default: Label3.caption = "Every ray in central cone"; break;
    }
    Picture1.surface().cls();
    s.drop_xc = 30;
    s.drop_yc = Ycthesi.value();
    run_view(draw_full_construction_point, draw_full_construction_parallel);
}

void MainWindow::Command4_Click() {
    // The first run may select the parallel beam, whose Click redraws the main scene; the
    // second run draws the column of drops alone.
    Picture1.surface().cls();
    draw_composite_rainbow(program_);
    Picture1.surface().cls();
    draw_composite_rainbow(program_);
}

void MainWindow::Command5_Click() {
    Settings& s = program_.settings;
    s.drop_xc = 10;
    s.drop_yc = Ycthesi.value();
    if (!s.cut_rays_built) {
        program_.cut_rays().build_cut_rays_window();
        s.cut_rays_built = true;
    } else {
        program_.cut_rays().show_and_redraw();
    }
}

void MainWindow::Command6_Click() { program_.kafstikh().open_caustics_window(); }

void MainWindow::Command7_Click() { program_.theoria().open_theory_window(); }

}  // namespace rainbow
