#pragma once

#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "forms/controls.h"

namespace rainbow {

class Form;

// A move of a box in twips: to the right and downward.
struct Shift {
    double right = 0;
    double down = 0;
    friend bool operator==(const Shift&, const Shift&) = default;
};

// Whether two boxes (twips, y downward) share some area; boxes that only touch do not.
bool overlap(const Geometry& a, const Geometry& b);

// The smallest move, straight to the right or straight down, that takes every box of `moving`
// (moved together) clear of every box of `fixed`; no move when they are clear already. Of two
// equal moves the downward one is taken.
Shift clearing_shift(std::span<const Geometry> moving, std::span<const Geometry> fixed);

// The boxes, in twips, of the form's controls that lie on its client area (not menus, not
// what a frame holds), leaving out the controls named in `except`.
std::vector<Geometry> control_boxes(const Form& form,
                                    std::initializer_list<std::string_view> except);

// Moves the controls of `group` together by the clearing shift that takes them clear of every
// other control of the form's client area. Returns the shift, in twips.
Shift move_clear_of_other_controls(Form& form, std::initializer_list<Control*> group);

// A box of text as printed on a picture at its 8.25 pt font: its width estimated generously
// from the text's bytes (a Greek letter counts twice), so that a box clear of it leaves the
// text readable.
Geometry printed_text_box(double left_twips, double top_twips, std::string_view text);

}  // namespace rainbow
