#pragma once

#include "app/form.h"

namespace rainbow {

class Program;

// The caustics window "kafstikh" with its picture eikona.
class CausticsWindow {
public:
    explicit CausticsWindow(Program& program);
    Form& form() { return form_; }

    // Sizes the window to the screen, shows it, scales eikona to -40..40, draws the axis and
    // lays the controls out. Every call repeats all of it.
    void open_caustics_window();

private:
    Program& program_;
    Form form_;
};

}  // namespace rainbow
