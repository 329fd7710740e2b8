// The set-up of the ray-crossing window: it fills the screen, its client area gets user
// coordinates centred on the sphere with equal units on both axes, and its controls are laid
// out in those units.
#include <cmath>
#include <cstdlib>

#include "crossing/cut_rays_window.h"
#include "forms/clearance.h"
#include "forms/format.h"
#include "geometry/angles.h"

namespace rainbow {
namespace {

// Half the span of the client area's width plus height, in user units.
constexpr double half_span = 150;

// Once the client area has its user scale, the controls' places are in its units: every
// control keeps its place on the screen.
void convert_controls_to_user_units(Form& form) {
    for (const auto& control : form.controls()) {
        if (control->kind() == ControlKind::menu || control->kind() == ControlKind::menuitem) {
            continue;
        }
        control->set_geometry(form.from_twips(control->geometry()));
    }
}

}  // namespace

void CutRaysWindow::build_cut_rays_window() {
    const Screen& screen = host_.screen();
    form_.set_geometry({0, 0, screen.width_twips, screen.height_twips});

    CutRaysValues& v = values_;
    v.client_width = float(form_.client_width_twips());
    v.client_height = float(form_.client_height_twips());
    const double sum = double(v.client_width) + double(v.client_height);
    v.x_share = sum > 0 ? v.client_width / sum : 0.5;
    v.y_share = sum > 0 ? v.client_height / sum : 0.5;

    // The origin at the centre, y upward, one unit (width + height) / 300 twips on both axes.
    v.x_left = -half_span * v.x_share;
    v.x_right = half_span * v.x_share;
    v.y_top = half_span * v.y_share;
    v.y_bottom = -half_span * v.y_share;
    Surface& surface = client();
    surface.scale(v.x_left, v.y_top, v.x_right, v.y_bottom);
    convert_controls_to_user_units(form_);

    v.lens_radius = v.y_top / 2.5;
    surface.fill_color = white;
    surface.fill_style = 0;
    form_.show();

    lay_out_controls();
    // Each value fires its Change handler, which draws with what is set so far. A short
    // client area gives the bars a range too small for these heights: they stop at its end.
    position_of_ray.set_value_clamped(60);
    defteri_aktina.set_value_clamped(40);
    v.start_x = 3 * v.x_left / 4;

    surface.draw_width = 1;
    surface.cls();
    draw_ray_crossing();
}

// The scroll bars' top end gives the largest height: value / 10 is the height, in user units,
// at the level of the thumb.
void CutRaysWindow::lay_out_controls() {
    const CutRaysValues& v = values_;
    const int reach = int(std::floor(v.y_top * 10 / 2));
    auto place_height_bar = [&](ScrollBar& bar, double left) {
        bar.set_geometry({left, v.y_top / 2, bar.width(), std::fabs(v.y_top)});
        bar.set_max(-reach);
        bar.set_min(reach);
        bar.large_change = 20;
    };
    place_height_bar(position_of_ray, v.x_left);
    place_height_bar(defteri_aktina, v.x_left + position_of_ray.width());

    const double label_width = 3 * position_of_ray.width();
    const double label_top = position_of_ray.top() - position_of_ray.height();
    Label1.set_geometry({v.x_left, label_top, label_width, v.y_top / 4});
    Label2.set_geometry({v.x_left + label_width, label_top, label_width, v.y_top / 4});

    allagideikth.set_geometry({v.x_left + position_of_ray.width() + defteri_aktina.width(),
                               position_of_ray.top(), v.y_top / 3, allagideikth.height()});
    Label3.set_top(allagideikth.top());
    Label3.set_left(allagideikth.left() + allagideikth.width());
    Label3.caption = "index = " + format_number(allagideikth.value() / 100.0, "0.00");

    SPECIAL_RAY.set_left(0);
    SPECIAL_RAY.set_top(v.y_top);
    NON_SPECIAL.set_geometry({SPECIAL_RAY.left() + SPECIAL_RAY.width(), v.y_top,
                              NON_SPECIAL.width(), SPECIAL_RAY.height()});
    keep_angle_text_clear();
}

// The rainbow angle is printed near the top of the client area, where "SHOW WAVES" lies over
// it on usual screens: the text moves clear of every control by the smallest amount.
void CutRaysWindow::keep_angle_text_clear() {
    CutRaysValues& v = values_;
    const double x = v.x_left + v.y_top;
    const double y = v.y_top - v.y_top / 8;
    const Geometry at = form_.to_twips({x, y, 0, 0});
    const Geometry text =
        printed_text_box(at.left, at.top, std::string(rainbow_angle_caption) + "00.00");
    const Shift shift = clearing_shift(std::span(&text, 1), control_boxes(form_, {}));
    const Geometry clear = form_.from_twips({at.left + shift.right, at.top + shift.down, 0, 0});
    v.angle_text_right = clear.left - x;
    v.angle_text_down = y - clear.top;
}

}  // namespace rainbow
