#include "caustics/caustics_window.h"

#include "caustics/caustics_texts.h"
#include "caustics/reflection.h"
#include "caustics/refraction.h"
#include "caustics/wave_fronts.h"
#include "forms/format.h"

namespace rainbow {
namespace {

// timhv holds the wavelength in hundredths of a picture unit.
double wavelength(const ScrollBar& timhv) { return timhv.value() / 100.0; }

}  // namespace

CausticsWindow::CausticsWindow(WindowHost& host)
    : host_(host),
      form_("kafstikh", "CAUSTIC", Geometry{0, 0, 10335, 3705}),
      eikona(form_.add<PictureBox>("eikona", Geometry{600, 360, 3375, 2535})),
      Command1(form_.add<CommandButton>("Command1", Geometry{4320, 600, 1575, 495},
                                        "REFRACTION ON SPHERE")),
      Command2(form_.add<CommandButton>("Command2", Geometry{6120, 600, 1935, 495},
                                        "REFLETED & CAUSTIC")),
      Command3(form_.add<CommandButton>("Command3", Geometry{8280, 720, 1815, 615}, "END")),
      Command4(
          form_.add<CommandButton>("Command4", Geometry{6120, 1080, 1935, 495}, "WAVE FRONTS")),
      Option1(form_.add_option("Option1", Geometry{4440, 1440, 2175, 375}, "n=1.33")),
      Option2(form_.add_option("Option2", Geometry{4440, 2040, 2055, 615}, "n=1.5", true)),
      Option3(form_.add_option("Option3", Geometry{7080, 1440, 1815, 495}, "n=1.7")),
      AKTIN(form_.add<ScrollBar>("AKTIN", Geometry{6960, 2040, 3015, 375}, false, 5, 30, 20)),
      timhv(form_.add<ScrollBar>("timhv", Geometry{6000, 2760, 3135, 375}, false, 30, 130, 50)),
      Label1(form_.add<Label>("Label1", Geometry{6960, 2400, 1815, 735}, "Label1")),
      Label2(form_.add<Label>("Label2", Geometry{9360, 2640, 735, 495}, "Label2")) {
    describe_controls(form_, caustics_texts());
    AKTIN.on_change = [this] { AKTIN_Change(); };
    timhv.on_change = [this] { timhv_Change(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    Option3.on_click = [this] { Option3_Click(); };
}

void CausticsWindow::open_caustics_window() {
    const Screen& screen = host_.screen();
    form_.set_geometry({0, 0, screen.width_twips, screen.height_twips});
    form_.show();

    // A square picture at the left, four fifths of the window's height.
    const double side = form_.geometry().height * 4 / 5;
    eikona.set_geometry({form_.client_width_twips() / 25, eikona.top(), side, side});
    Surface& picture = eikona.surface();
    picture.scale(-40, 40, 40, -40);
    picture.line(-120, 0, 120, 0);

    // The buttons and options to the right of the picture, each placed from those before it.
    Command1.set_left(eikona.geometry().right());
    Command1.set_top(eikona.top());
    Option1.set_left(Command1.left());
    Option1.set_top(Command1.geometry().bottom());
    Option2.set_left(Command1.left());
    Option2.set_top(Command1.geometry().bottom() + Option1.height());
    Option3.set_left(Command1.left());
    Option3.set_top(Command1.geometry().bottom() + 2 * Option1.height());
    Command2.set_top(Command1.top());
    Command2.set_left(Command1.geometry().right());
    Command3.set_geometry(
        {Command2.geometry().right(), Command1.top(), Command2.width(), Command2.height()});
    Command4.set_geometry(
        {Command2.left(), Command2.geometry().bottom(), Command2.width(), Command1.height()});

    AKTIN.set_left(eikona.geometry().right());
    AKTIN.set_top(Option3.geometry().bottom());
    timhv.set_geometry({AKTIN.left(), AKTIN.geometry().bottom(), AKTIN.width(), timhv.height()});

    Label1.set_left(AKTIN.geometry().right());
    Label1.set_top(AKTIN.top());
    Label1.caption = "R = " + format_number(AKTIN.value(), "0");
    Label2.set_left(AKTIN.geometry().right());
    Label2.set_top(AKTIN.geometry().bottom());
    Label2.caption = "v = " + format_number(timhv.value(), "0");
}

std::optional<double> CausticsWindow::chosen_index() const {
    if (Option1.value()) return 1.33;
    if (Option2.value()) return 1.5;
    if (Option3.value()) return 1.7;
    return std::nullopt;
}

double CausticsWindow::refractive_index() const {
    // kept: the options choose the index only once the refraction is drawn; the wave fronts
    // drawn first take the main window's (golden wave_fronts).
    return refraction_index_ ? *refraction_index_ : host_.main_scene().drop.index;
}

void CausticsWindow::draw_refraction_scene() {
    if (const std::optional<double> chosen = chosen_index()) refraction_index_ = chosen;
    rainbow::draw_refraction_scene(eikona.surface(), sphere_radius(), refractive_index());
}

void CausticsWindow::AKTIN_Change() {
    eikona.surface().cls();
    Label1.caption = "AKTINA = " + format_number(AKTIN.value(), "0");
    draw_refraction_scene();
}

void CausticsWindow::timhv_Change() {
    eikona.surface().cls();
    Label2.caption = "V =" + format_number(wavelength(timhv), "0.00");
    draw_refraction_scene();
}

void CausticsWindow::Command1_Click() { draw_refraction_scene(); }

// Drawn over the picture that is there.
void CausticsWindow::Command2_Click() {
    draw_reflected_beam(eikona.surface(), sphere_radius(), refractive_index());
}

void CausticsWindow::Command3_Click() { host_.end(); }

void CausticsWindow::Command4_Click() {
    eikona.surface().cls();
    draw_wave_fronts(eikona.surface(), sphere_radius(), refractive_index(), wavelength(timhv));
}

void CausticsWindow::Option1_Click() {
    eikona.surface().cls();
    draw_refraction_scene();
}

void CausticsWindow::Option2_Click() {
    eikona.surface().cls();
    draw_refraction_scene();
}

void CausticsWindow::Option3_Click() {
    eikona.surface().cls();
    Label2.caption = "V= " + format_number(wavelength(timhv), "0.00");
    draw_refraction_scene();
}

}  // namespace rainbow
