#include "crossing/cut_rays_window.h"

#include "crossing/cut_rays_mod.h"
#include "crossing/cut_rays_texts.h"

namespace rainbow {

// Design places in twips; the set-up moves and resizes all but the buttons once the client
// area has its user scale.
CutRaysWindow::CutRaysWindow(WindowHost& host)
    : host_(host),
      form_("cut_rays", "Where a ray is cut by the other rays", Geometry{0, 0, 12000, 9000}),
      position_of_ray(form_.add<ScrollBar>("position_of_ray", Geometry{120, 1200, 255, 2415}, true,
                                           0, 32767, 0)),
      defteri_aktina(form_.add<ScrollBar>("defteri_aktina", Geometry{375, 1200, 255, 2415}, true, 0,
                                          32767, 0)),
      allagideikth(form_.add<ScrollBar>("allagideikth", Geometry{840, 1200, 1935, 255}, false, 50,
                                        200, 133)),
      SPECIAL_RAY(form_.add_option("SPECIAL_RAY", Geometry{3480, 120, 1455, 375}, "SPECIAL RAY")),
      NON_SPECIAL(form_.add_option("NON_SPECIAL", Geometry{4935, 120, 1575, 375}, "NON SPECIAL")),
      Label1(form_.add<Label>("Label1", Geometry{120, 3720, 2775, 735}, "")),
      Label2(form_.add<Label>("Label2", Geometry{3000, 3720, 2775, 735}, "")),
      Label3(form_.add<Label>("Label3", Geometry{2880, 1200, 1455, 375}, "")),
      Command1(form_.add<CommandButton>("Command1", Geometry{120, 120, 1455, 735}, "END")),
      Command2(form_.add<CommandButton>("Command2", Geometry{1560, 120, 1695, 735}, "BACK")),
      Command3(form_.add<CommandButton>("Command3", Geometry{6360, 120, 2295, 975}, "SHOW WAVES")),
      EIDOSAKTINON(form_.add<Menu>("EIDOSAKTINON", "RAYS")),
      PARALLHLES(form_.add<MenuItem>("PARALLHLES", "EIDOSAKTINON", "PARALLEL RAYS", true)),
      SOURCEONAXIS(form_.add<MenuItem>("SOURCEONAXIS", "EIDOSAKTINON", "SOURCE ON AXIS")) {
    form_.make_client_surface();
    describe_controls(form_, cut_rays_texts());
    allagideikth.large_change = 10;
    allagideikth.small_change = 1;
    Label1.fore_color = rgb(255, 128, 128);
    Label2.fore_color = rgb(0, 0, 255);

    position_of_ray.on_change = [this] { position_of_ray_Change(); };
    defteri_aktina.on_change = [this] { defteri_aktina_Change(); };
    allagideikth.on_change = [this] { allagideikth_Change(); };
    PARALLHLES.on_click = [this] { PARALLHLES_Click(); };
    SOURCEONAXIS.on_click = [this] { SOURCEONAXIS_Click(); };
    SPECIAL_RAY.on_click = [this] { SPECIAL_RAY_Click(); };
    NON_SPECIAL.on_click = [this] { NON_SPECIAL_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };

    Form_Load();
}

void CutRaysWindow::Form_Load() { values_.parallel_rays = true; }

void CutRaysWindow::open() {
    if (!built_) {
        build_cut_rays_window();
        built_ = true;
    } else {
        show_and_redraw();
    }
}

void CutRaysWindow::show_and_redraw() {
    form_.show();
    draw_ray_crossing();
}

void CutRaysWindow::draw_ray_crossing() {
    const RayChoice choice{allagideikth.value(), position_of_ray.value(), defteri_aktina.value(),
                           SPECIAL_RAY.value()};
    CrossingCaptions captions = rainbow::draw_ray_crossing(client(), values_, choice);
    Label1.caption = std::move(captions.label1);
    Label2.caption = std::move(captions.label2);
    Label3.caption = std::move(captions.label3);
}

void CutRaysWindow::clear_and_redraw() {
    client().cls();
    draw_ray_crossing();
}

void CutRaysWindow::position_of_ray_Change() { clear_and_redraw(); }

void CutRaysWindow::defteri_aktina_Change() { clear_and_redraw(); }

void CutRaysWindow::allagideikth_Change() { clear_and_redraw(); }

void CutRaysWindow::PARALLHLES_Click() {
    PARALLHLES.checked = true;
    SOURCEONAXIS.checked = false;
    client().cls();
    values_.parallel_rays = true;
    draw_ray_crossing();
}

void CutRaysWindow::SOURCEONAXIS_Click() {
    PARALLHLES.checked = false;
    SOURCEONAXIS.checked = true;
    client().cls();
    values_.parallel_rays = false;
    draw_ray_crossing();
}

void CutRaysWindow::SPECIAL_RAY_Click() {
    if (!SPECIAL_RAY.value()) return;
    position_of_ray.visible = false;
    NON_SPECIAL.set_value(false);
    clear_and_redraw();
}

// The first ray's scroll bar comes back; the picture follows at the next redraw.
void CutRaysWindow::NON_SPECIAL_Click() { position_of_ray.visible = true; }

void CutRaysWindow::Command1_Click() { host_.end(); }

void CutRaysWindow::Command2_Click() { host_.give_focus("arxiki"); }

void CutRaysWindow::Command3_Click() { host_.open_window("kafstikh"); }

}  // namespace rainbow
