#include "forms/clearance.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/surface.h"

namespace rainbow {
namespace {

// Wider than any glyph of the pictures' 8.25 pt font on average, as a share of a line's height.
constexpr double character_width_per_line_height = 0.6;

// Menus sit in the menu bar and what a frame holds is placed within the frame.
bool on_client_area(const Control& c) {
    return c.kind() != ControlKind::menu && c.kind() != ControlKind::menuitem &&
           c.container.empty();
}

Geometry moved(const Geometry& g, const Shift& s) {
    return Geometry{g.left + s.right, g.top + s.down, g.width, g.height};
}

// How far the boxes must go along one direction. Each step moves them just past the far edge
// of every box they still overlap, so the steps only grow and each passes at least one box
// for good: the loop ends within one step per pair.
double shift_along(std::span<const Geometry> moving, std::span<const Geometry> fixed, bool down) {
    double distance = 0;
    for (std::size_t step = 0; step <= moving.size() * fixed.size(); ++step) {
        double needed = distance;
        for (const Geometry& m : moving) {
            const Geometry at = moved(m, down ? Shift{0, distance} : Shift{distance, 0});
            for (const Geometry& f : fixed) {
                if (!overlap(at, f)) continue;
                needed = std::max(
                    needed, down ? distance + f.bottom() - at.top : distance + f.right() - at.left);
            }
        }
        if (needed == distance) break;
        distance = needed;
    }
    return distance;
}

}  // namespace

bool overlap(const Geometry& a, const Geometry& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

Shift clearing_shift(std::span<const Geometry> moving, std::span<const Geometry> fixed) {
    const double right = shift_along(moving, fixed, false);
    const double down = shift_along(moving, fixed, true);
    if (right == 0 && down == 0) return {};
    return right < down ? Shift{right, 0} : Shift{0, down};
}

std::vector<Geometry> control_boxes(const Form& form,
                                    std::initializer_list<std::string_view> except) {
    std::vector<Geometry> boxes;
    for (const auto& control : form.controls()) {
        if (!on_client_area(*control)) continue;
        if (std::find(except.begin(), except.end(), control->name()) != except.end()) continue;
        boxes.push_back(form.to_twips(control->geometry()));
    }
    return boxes;
}

Shift move_clear_of_other_controls(Form& form, std::initializer_list<Control*> group) {
    std::vector<Geometry> moving;
    for (const Control* c : group) moving.push_back(form.to_twips(c->geometry()));
    std::vector<Geometry> fixed;
    for (const auto& control : form.controls()) {
        const bool in_group = std::find(group.begin(), group.end(), control.get()) != group.end();
        if (in_group || !on_client_area(*control)) continue;
        fixed.push_back(form.to_twips(control->geometry()));
    }
    const Shift shift = clearing_shift(moving, fixed);
    if (shift == Shift{}) return shift;
    for (Control* c : group) {
        c->set_geometry(form.from_twips(moved(form.to_twips(c->geometry()), shift)));
    }
    return shift;
}

Geometry printed_text_box(double left_twips, double top_twips, std::string_view text) {
    const double height = Surface::line_height_twips;
    return Geometry{left_twips, top_twips,
                    double(text.size()) * character_width_per_line_height * height, height};
}

}  // namespace rainbow
