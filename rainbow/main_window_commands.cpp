// The command buttons of the main window and its ray selector: each clears the picture and
// runs one of the further views, or opens another window.
#include "rainbow/composite.h"
#include "rainbow/constructions.h"
#include "rainbow/main_window.h"

namespace rainbow {

void MainWindow::run_view(View point_view, View parallel_view) {
    Settings& s = host_.shared_settings();
    const View view = point_source_chosen() ? point_view : parallel_view;
    view(choice(), s, Picture1.surface(), s.refractive_index, s.drop_xc, s.drop_yc);
}

void MainWindow::Command1_Click() {
    Settings& s = host_.shared_settings();
    s.drop_radius = 30;
    HScroll1.visible = true;
    Label3.visible = true;
    Picture1.surface().cls();
    s.drop_xc = 10;
    s.drop_yc = Ycthesi.value();
    run_view(draw_full_construction_point, draw_full_construction_parallel);
}

void MainWindow::Command2_Click() {
    Settings& s = host_.shared_settings();
    s.drop_radius = 30;
    hide_ray_selector();
    Picture1.surface().cls();
    s.drop_xc = 10;
    s.drop_yc = Ycthesi.value();
    run_view(draw_central_rays_point, draw_central_rays_parallel);
}

void MainWindow::Command3_Click() {
    Settings& s = host_.shared_settings();
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
    Settings& s = host_.shared_settings();
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
    // Each run chooses the parallel beam first: the first choice may redraw the main scene,
    // whose coordinates the column is drawn in; the second run draws the column alone.
    Surface& picture = Picture1.surface();
    for (int run = 0; run < 2; ++run) {
        picture.cls();
        parallel.set_value(true);
        draw_composite_rainbow(arithanak.value(), host_.shared_settings(), picture);
    }
}

void MainWindow::Command5_Click() {
    Settings& s = host_.shared_settings();
    s.drop_xc = 10;
    s.drop_yc = Ycthesi.value();
    host_.open_window("cut_rays");
}

void MainWindow::Command6_Click() { host_.open_window("kafstikh"); }

void MainWindow::Command7_Click() { host_.open_window("theoria"); }

}  // namespace rainbow
