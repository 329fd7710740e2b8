#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "forms/controls.h"

namespace rainbow {

class Form;
class Program;

// One action of a user on a control of a window: a scroll bar moved to a value, an option
// or a menu item chosen (value 1; an option given 0 is cleared), a click on a button, an
// option or a menu item; or a window closed from its title bar (no control).
struct Step {
    enum class Action { set, click, close };
    Step() = default;
    Step(Action action_, std::string form_, std::string control_, int value_ = 0,
         std::optional<int> rows_ = std::nullopt)
        : action(action_),
          form(std::move(form_)),
          control(std::move(control_)),
          value(value_),
          rows(rows_) {}

    Action action = Action::click;
    std::string form;
    std::string control;
    int value = 0;  // for `set` only
    // For a click that stops a window's long work (the theory window's Cancel): how far the
    // work had got, the rows of the Lee diagram it ends with. Recorded when the step is taken;
    // a replay stops the work at the same point, however fast it runs there.
    std::optional<int> rows;

    friend bool operator==(const Step&, const Step&) = default;
};

// A step the program cannot take; the message names the step and what was wrong.
class BadStep : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "set arxiki.goniatheta=30", "click arxiki.Command1", "click theoria.lee_cancel=17" (with its
// rows), "close cut_rays"; the names escaped
// (forms/utf8.h) so that the text stays on one line.
std::string describe(const Step& step);

// Checks a step on the control of `form` it names: the control is visible and of a kind
// that takes the action, a scroll bar's value inside its range. Returns the event that takes
// the step; throws BadStep.
Event checked_step(Form& form, const Step& step);

// Takes the step as the user's action does: the window must be open and shown, the control
// visible and of a kind that takes the action, and a scroll bar's value inside its range.
// The control's event fires, then the step is recorded in the program's steps: a step whose
// handler throws is not recorded, and the exception passes on (see WindowsSnapshot for putting
// the windows back). Closing the main window ends the program; closing another only puts it
// away. A click of a control that stops long work is recorded with the rows the work ends
// with, and one given rows stops the work there (rows on any other step are refused). Throws
// BadStep, before anything changes, when the step cannot be taken.
void take_step(Program& program, const Step& step);

}  // namespace rainbow
