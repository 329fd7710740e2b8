#include "app/step.h"

#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/utf8.h"

namespace rainbow {
namespace {

Form& shown_form(Program& program, const std::string& name) {
    Form* form = program.find_form(name);
    if (form == nullptr) {
        std::string known;
        for (Form* f : program.forms()) known += (known.empty() ? "" : ", ") + f->name();
        throw BadStep("unknown form " + in_quotes(name) + " (the windows open now: " + known + ")");
    }
    if (!form->shown) throw BadStep("the window " + in_quotes(name) + " is not open");
    return *form;
}

Control& visible_control(Form& form, const std::string& name) {
    Control* control = form.find(name);
    if (control == nullptr) throw BadStep("unknown control " + in_quotes(form.name() + "." + name));
    if (!control->visible) {
        throw BadStep(form.name() + "." + name + " is hidden: a user cannot reach it now");
    }
    return *control;
}

std::string what(const Control& c, const Form& form) {
    return form.name() + "." + c.name() + " (a " + kind_name(c.kind()) + ")";
}

// Checks the step against the control and returns the event that takes it.
Event action_of(Control& control, const Form& form, const Step& step) {
    const std::string name = form.name() + "." + control.name();
    const std::string value = std::to_string(step.value);
    if (step.action == Step::Action::click) {
        switch (control.kind()) {
            case ControlKind::button:
                return [&c = static_cast<CommandButton&>(control)] { c.click(); };
            case ControlKind::option:
                return [&c = static_cast<OptionButton&>(control)] { c.click(); };
            case ControlKind::menuitem:
                return [&c = static_cast<MenuItem&>(control)] { c.click(); };
            default:
                throw BadStep(what(control, form) +
                              " cannot be clicked: only buttons, options and menu items can");
        }
    }
    switch (control.kind()) {
        case ControlKind::scrollbar: {
            auto& bar = static_cast<ScrollBar&>(control);
            if (!bar.accepts(step.value)) {
                throw BadStep(name + ": " + value + " is outside its range " +
                              std::to_string(bar.min()) + " to " + std::to_string(bar.max()));
            }
            return [&bar, v = step.value] { bar.set_value(v); };
        }
        case ControlKind::option: {
            auto& option = static_cast<OptionButton&>(control);
            if (step.value == 1) return [&option] { option.click(); };
            if (step.value == 0) return [&option] { option.set_value(false); };
            throw BadStep(name + ": an option takes 1 (chosen) or 0, not " + value);
        }
        case ControlKind::menuitem:
            if (step.value == 1) return [&c = static_cast<MenuItem&>(control)] { c.click(); };
            throw BadStep(name + ": a menu item takes 1 (clicked), not " + value);
        default:
            throw BadStep(what(control, form) +
                          " cannot be set: only scroll bars, options and menu items can");
    }
}

}  // namespace

Event checked_step(Form& form, const Step& step) {
    if (step.action == Step::Action::close)
        throw BadStep(describe(step) + ": not a control's step");
    return action_of(visible_control(form, step.control), form, step);
}

std::string describe(const Step& step) {
    if (step.action == Step::Action::close) return "close " + escaped(step.form);
    const std::string target = escaped(step.form + "." + step.control);
    if (step.action == Step::Action::set) return "set " + target + "=" + std::to_string(step.value);
    return "click " + target + (step.rows ? "=" + std::to_string(*step.rows) : "");
}

void take_step(Program& program, const Step& step) {
    if (program.ended()) throw BadStep(describe(step) + ": the program has ended");
    Form& form = shown_form(program, step.form);
    if (step.action == Step::Action::close) {
        if (&form == program.forms().front()) {
            program.end();
        } else {
            form.shown = false;
        }
        program.record(step);
        return;
    }
    const Event action = checked_step(form, step);
    Window& window = program.window(step.form);
    if (step.rows) {
        if (step.action != Step::Action::click || !window.stopped_at(step.control)) {
            throw BadStep(describe(step) + ": the control stops no long work, so it takes no rows");
        }
        window.stop_replayed_at(step.control, *step.rows);
    }
    action();
    // Only a step whose handlers ran to the end is the user's step.
    Step taken = step;
    if (step.action == Step::Action::click) taken.rows = window.stopped_at(step.control);
    program.record(taken);
}

}  // namespace rainbow
