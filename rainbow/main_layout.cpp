#include "rainbow/main_layout.h"

#include "forms/clearance.h"
#include "forms/format.h"
#include "forms/screen.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

double right_of(const Control& c) { return c.left() + c.width(); }
double bottom_of(const Control& c) { return c.top() + c.height(); }

}  // namespace

void lay_out_main_window(MainWindow& w, const Screen& screen) {
    Form& form = w.form();
    form.set_geometry({0, 0, screen.width_twips, screen.height_twips});
    w.Picture1.set_width(0.75 * form.geometry().height);
    w.Picture1.set_height(w.Picture1.width());
    form.show();

    w.Label1.set_left(right_of(w.Picture1));
    w.Label1.set_top(100);
    w.goniatheta.set_top(bottom_of(w.Label1));
    w.goniatheta.set_left(right_of(w.Picture1));
    w.arithaktinon.set_left(right_of(w.goniatheta));
    w.arithaktinon.set_top(bottom_of(w.Label1));
    w.Label4.set_left(right_of(w.arithaktinon));
    w.Label4.set_top(bottom_of(w.arithaktinon) - w.Label4.height());
    w.pointsource.set_top(bottom_of(w.arithaktinon));
    w.pointsource.set_left(w.goniatheta.left());
    w.parallel.set_top(bottom_of(w.pointsource));
    w.parallel.set_left(w.pointsource.left());
    w.arithanak.set_left(w.parallel.left());
    w.arithanak.set_top(bottom_of(w.parallel));
    w.Label2.set_top(w.arithanak.top());
    w.Label2.set_left(right_of(w.arithanak));
    w.Command1.set_left(w.arithanak.left());
    w.Command1.set_top(bottom_of(w.Label2));
    w.Command2.set_left(w.Command1.left());
    w.Command2.set_top(bottom_of(w.Command1));
    w.Command3.set_left(w.Command2.left());
    w.Command3.set_top(bottom_of(w.Command2));
    w.HScroll1.set_left(right_of(w.Command3));
    w.HScroll1.set_top(w.Command1.top());
    w.Label3.set_left(right_of(w.HScroll1));
    w.Label3.set_top(w.HScroll1.top());
    w.Frame1.set_top(bottom_of(w.Command3));
    w.Frame1.set_left(w.Command3.left());
    w.Command4.set_left(w.Frame1.left());
    w.Command4.set_top(bottom_of(w.Frame1));
    w.Command4.set_height(w.Command3.height());
    w.Command4.set_width(w.Command3.width());
    w.Ycthesi.set_top(w.goniatheta.top());
    w.Ycthesi.set_left(right_of(w.Label4));
    w.Label5.set_left(right_of(w.Ycthesi));
    w.Label5.caption = "Yc =" + format_number(w.Ycthesi.value(), "0");
    w.psipigi.set_top(w.Command1.top());
    w.psipigi.set_left(1.05 * w.Command1.width() + w.Command1.left());
    w.Label6.set_top(w.psipigi.top());
    w.Label6.set_left(right_of(w.psipigi));
    w.Label6.caption = "Ysource = " + format_number(w.psipigi.value(), "0");
    w.Command5.set_left(w.Command4.left());
    w.Command5.set_top(bottom_of(w.Command4));
    w.Command5.set_height(w.Command3.height());
    w.Command6.set_top(bottom_of(w.Command5));
    w.Command6.set_height(w.Command3.height());
    w.Command6.set_left(w.Command4.left());
    w.Command7.set_top(bottom_of(w.Command6));
    w.Command7.set_height(w.Command3.height());
    w.Command7.set_left(w.Command4.left());

    // The ray selector that "Belqor" shows, with its label, would lie over the source-height
    // bar and its label "Ysource = ...": the two go clear of every other control, together.
    move_clear_of_other_controls(form, {&w.HScroll1, &w.Label3});
}

}  // namespace rainbow
