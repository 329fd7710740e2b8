// The command buttons of the main window and its ray selector: each clears the picture and
// runs one of the further views, or opens another window.
#include "rainbow/composite.h"
#include "rainbow/constructions.h"
#include "rainbow/main_window.h"

namespace rainbow {

void MainWindow::run_view(View point_view, View parallel_view, Point centre) {
    const View view = point_source_chosen() ? point_view : parallel_view;
    const SceneChoice c = choice();
    scene_.drop.centre = centre;
    scene_.source_y = c.source_y;
    view(c, scene_.drop, Picture1.surface());
    // kept: the next view draws its axes in the pen the picture has, black after a
    // construction (test_constructions, DrawWithTheWindowsDropAndReturnTheConesHalfAngle).
    Picture1.surface().set_pen({});
}

void MainWindow::Command1_Click() {
    HScroll1.visible = true;
    Label3.visible = true;
    Picture1.surface().cls();
    run_view(draw_full_construction_point, draw_full_construction_parallel,
             {10, double(Ycthesi.value())});
}

void MainWindow::Command2_Click() {
    hide_ray_selector();
    Picture1.surface().cls();
    run_view(draw_central_rays_point, draw_central_rays_parallel, {10, double(Ycthesi.value())});
}

void MainWindow::Command3_Click() {
    hide_ray_selector();
    Picture1.surface().cls();
    // kept: with a point source the drop stays where the previous drawing left it
    // (test_constructions: PointSourceKeepsTheDropWhereTheLastDrawingLeftIt).
    const Point centre =
        point_source_chosen() ? scene_.drop.centre : Point{10, double(Ycthesi.value())};
    run_view(draw_external_rays_point, draw_external_rays_parallel, centre);
}

void MainWindow::HScroll1_Change() {
    switch (HScroll1.value()) {
        case 1: Label3.caption = "Every 4th ray in central cone"; break;
        case 2: Label3.caption = "Every 2th ray in central cone"; break;
        default: Label3.caption = "Every ray in central cone"; break;
    }
    Picture1.surface().cls();
    run_view(draw_full_construction_point, draw_full_construction_parallel,
             {30, double(Ycthesi.value())});
}

void MainWindow::Command4_Click() {
    // Each run chooses the parallel beam first: the first choice may redraw the main scene,
    // whose coordinates the column is drawn in; the second run draws the column alone.
    Surface& picture = Picture1.surface();
    for (int run = 0; run < 2; ++run) {
        picture.cls();
        parallel.set_value(true);
        draw_composite_rainbow(arithanak.value(), picture);
    }
}

void MainWindow::Command5_Click() {
    scene_.drop.centre = {10, double(Ycthesi.value())};
    host_.open_window("cut_rays");
}

void MainWindow::Command6_Click() { host_.open_window("kafstikh"); }

void MainWindow::Command7_Click() { host_.open_window("theoria"); }

}  // namespace rainbow
