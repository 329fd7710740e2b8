#pragma once

#include <stdexcept>
#include <string>

#include "forms/controls.h"

namespace rainbow {

class Form;
class Program;

// One action of a user on a control of a window: a scroll bar moved to a value, an option
// or a menu item chosen (value 1; an option given 0 is cleared), a click on a button, an
// option or a menu item; or a window closed from its title bar (no control).
struct Step {
    enum class Action { set, click, close };
    Action action = Action::click;
    std::string form;
    std::string control;
    int value = 0;  // for `set` only

    friend bool operator==(const Step&, const Step&) = default;
};

// A step the program cannot take; the message names the step and what was wrong.
class BadStep : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "set arxiki.goniatheta=30", "click arxiki.Command1", "close cut_rays"; the names escaped
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
// away. Throws BadStep, before anything changes, when the step cannot be taken.
void take_step(Program& program, const Step& step);

}  // namespace rainbow
