#include "rainbow/main_window.h"

#include "forms/format.h"
#include "geometry/angles.h"
#include "rainbow/main_window_texts.h"

namespace rainbow {
namespace {

const char* const label1_start = "γωνία που κάνει η ακτίνα με οριζόντιο=";
const char* const label1_parallel = "INCIDENCE ANGLE γωνία ΠΡΟΣΠΤΩΣΗΣ=";
const char* const label1_point = "ANGLE OR RAY γωνία που κάνει η ακτίνα με οριζόντιο=";
const char* const label2_text = "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= ";
const char* const label4_text = "No of rays = ";

std::string whole(double v) { return format_number(v, "0"); }

template <class C>
C& styled(C& control, const char* font, double size) {
    control.font = font;
    control.font_size = size;
    return control;
}

}  // namespace

MainWindow::MainWindow(WindowHost& host)
    : host_(host),
      form_("arxiki", "OYΡANIO TAVREL            ", Geometry{0, 0, 9000, 8400}),
      Picture1(form_.add<PictureBox>("Picture1", Geometry{240, 360, 3255, 2535})),
      goniatheta(
          form_.add<ScrollBar>("goniatheta", Geometry{3720, 1680, 255, 1215}, true, -90, 90, 15)),
      arithaktinon(
          form_.add<ScrollBar>("arithaktinon", Geometry{6000, 1440, 255, 1455}, true, 80, 1, 1)),
      Ycthesi(form_.add<ScrollBar>("Ycthesi", Geometry{6480, 1440, 255, 1455}, true, -80, 80, 0)),
      psipigi(form_.add<ScrollBar>("psipigi", Geometry{7800, 600, 255, 1335}, true, -50, 50, 0)),
      arithanak(form_.add<ScrollBar>("arithanak", Geometry{3600, 3960, 1455, 375}, false, 0, 2, 1)),
      HScroll1(form_.add<ScrollBar>("HScroll1", Geometry{5520, 4560, 855, 375}, false, 1, 3, 1)),
      pointsource(styled(
          form_.add_option("pointsource", Geometry{3600, 3000, 2295, 375}, "Σημειακή πηγή", true),
          "Times New Roman", 12)),
      parallel(
          styled(form_.add_option("parallel", Geometry{3600, 3600, 2415, 255}, "Παράλληλη δέσμη"),
                 "Times New Roman", 12)),
      Frame1(form_.add<Frame>("Frame1", Geometry{5520, 5160, 2055, 1455}, "")),
      Option1(form_.add_option("Option1", Geometry{120, 240, 1575, 495}, "Water", true)),
      Option2(form_.add_option("Option2", Geometry{120, 840, 975, 495}, "glass")),
      Command1(form_.add<CommandButton>("Command1", Geometry{3720, 4320, 1695, 735}, "Belqor")),
      Command2(
          form_.add<CommandButton>("Command2", Geometry{3720, 5040, 1695, 735}, "Belqor Central")),
      Command3(
          form_.add<CommandButton>("Command3", Geometry{3720, 5760, 1695, 735}, "Belqor External")),
      Command4(form_.add<CommandButton>("Command4", Geometry{1560, 4440, 1575, 255},
                                        "Composite Rainbow")),
      Command5(form_.add<CommandButton>("Command5", Geometry{3720, 6480, 1695, 735},
                                        "Where the ray cuts a chosen ray (Belqor's ideas)")),
      Command6(form_.add<CommandButton>("Command6", Geometry{3720, 7320, 1695, 375}, "waves")),
      Command7(
          form_.add<CommandButton>("Command7", Geometry{3720, 7695, 1695, 375}, "Theory · Θεωρία")),
      Label1(form_.add<Label>("Label1", Geometry{3600, 1320, 3615, 375}, "")),
      Label2(form_.add<Label>("Label2", Geometry{5160, 3960, 2775, 495}, "")),
      Label3(form_.add<Label>("Label3", Geometry{6360, 4560, 1455, 495}, "")),
      Label4(form_.add<Label>("Label4", Geometry{4080, 2040, 1575, 615}, "")),
      Label5(form_.add<Label>("Label5", Geometry{6120, 720, 1215, 735}, "Label5")),
      Label6(form_.add<Label>("Label6", Geometry{8160, 720, 1215, 975}, "Label6")) {
    goniatheta.large_change = 5;
    arithaktinon.large_change = 10;
    Ycthesi.large_change = 10;
    psipigi.large_change = 10;
    HScroll1.visible = false;
    Label3.visible = false;
    Label4.back_color = rgb(255, 192, 192);
    Option1.container = "Frame1";
    Option2.container = "Frame1";
    describe_controls(form_, main_window_texts());

    arithaktinon.on_change = [this] { arithaktinon_Change(); };
    arithanak.on_change = [this] { arithanak_Change(); };
    goniatheta.on_change = [this] { goniatheta_Change(); };
    Ycthesi.on_change = [this] { Ycthesi_Change(); };
    psipigi.on_change = [this] { psipigi_Change(); };
    HScroll1.on_change = [this] { HScroll1_Change(); };
    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    parallel.on_click = [this] { parallel_Click(); };
    pointsource.on_click = [this] { pointsource_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Command5.on_click = [this] { Command5_Click(); };
    Command6.on_click = [this] { Command6_Click(); };
    Command7.on_click = [this] { Command7_Click(); };
}

void MainWindow::open() {
    Form_Load();
    Main(*this);
}

SceneChoice MainWindow::choice() const {
    return {.point_source = pointsource.value(),
            .parallel = parallel.value(),
            .water = Option1.value(),
            .glass = Option2.value(),
            .angle = double(goniatheta.value()),
            .rays = arithaktinon.value(),
            .reflections = arithanak.value(),
            .drop_y = double(Ycthesi.value()),
            .source_y = double(psipigi.value()),
            .ray_selector = HScroll1.value()};
}

void MainWindow::Form_Load() {
    Label1.caption = label1_start + whole(goniatheta.value());
    Label2.caption = label2_text + whole(arithanak.value());
    Label3.caption = "every 4th ray in central cone";
    Label4.caption = label4_text + whole(arithaktinon.value());
}

SharedScene MainWindow::shared_scene() const {
    SharedScene shared = scene_;
    shared.angle_deg = goniatheta.value();
    return shared;
}

void MainWindow::draw_scene() {
    const SceneChoice c = choice();
    const SceneResult result = draw_main_scene(c, Picture1.surface());
    scene_.drop = main_scene_drop(c, main_scene_index(c).value_or(scene_.drop.index));
    scene_.source_y = c.source_y;
    scene_.central_incidence_deg.reset();
    if (result.central_incidence) {
        scene_.central_incidence_deg = *result.central_incidence * 180 / pi_value();
    }
    // The theory window marks the central ray's incidence on its Descartes curve.
    host_.main_scene_changed();
}

void MainWindow::redraw() {
    Picture1.surface().cls();
    Main(*this);
}

void MainWindow::hide_ray_selector() {
    HScroll1.visible = false;
    Label3.visible = false;
}

void MainWindow::arithaktinon_Change() {
    Label4.caption = label4_text + whole(arithaktinon.value());
    redraw();
}

void MainWindow::arithanak_Change() {
    hide_ray_selector();
    Label2.caption = label2_text + whole(arithanak.value());
    redraw();
}

void MainWindow::goniatheta_Change() {
    hide_ray_selector();
    Label1.caption =
        (parallel.value() ? label1_parallel : label1_point) + whole(goniatheta.value());
    redraw();
}

void MainWindow::Ycthesi_Change() {
    // kept: "Yc=" here, "Yc =" from the layout that the redraw runs next (test_main_scene,
    // Handlers.LabelsAndRedraws).
    Label5.caption = "Yc=" + whole(Ycthesi.value());
    redraw();
}

void MainWindow::psipigi_Change() { Label6.caption = "Ysource = " + whole(psipigi.value()); }

void MainWindow::Option1_Click() { redraw(); }

void MainWindow::Option2_Click() { redraw(); }

// The label shows the angle the scene is drawn with: the scroll bar's.
void MainWindow::parallel_Click() {
    Picture1.surface().cls();
    Label1.caption = label1_parallel + whole(goniatheta.value());
    Main(*this);
}

void MainWindow::pointsource_Click() {
    Picture1.surface().cls();
    Label1.caption = label1_point + whole(goniatheta.value());
    Main(*this);
}

}  // namespace rainbow
