#pragma once

#include "app/form.h"

namespace rainbow {

class Program;

// The ray-crossing window "cut_rays": its own client area is the drawing surface.
class CutRaysWindow {
public:
    explicit CutRaysWindow(Program& program);
    Form& form() { return form_; }

    // First use: sizes the window to the screen, scales its client area, lays the controls
    // out and draws the picture.
    void build_cut_rays_window();
    // Later uses: shows the window again and redraws over the present picture.
    void show_and_redraw();

private:
    Program& program_;
    Form form_;
};

}  // namespace rainbow
