#pragma once

#include <memory>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/surface.h"

namespace rainbow {

class Form;
class Program;

// What the user sees of every window at one moment: each form's caption, place and shown
// state, each control's caption, visibility, place and value (a scroll bar's range too), and
// every picture. Taken before a step, it puts the windows back as they were when the step's
// handler fails halfway; no handler runs while it does. A window that the step created is put
// away again. What a window keeps inside itself beyond its controls is not part of it.
class WindowsSnapshot {
public:
    explicit WindowsSnapshot(Program& program);
    ~WindowsSnapshot();
    WindowsSnapshot(const WindowsSnapshot&) = delete;
    WindowsSnapshot& operator=(const WindowsSnapshot&) = delete;

    void restore(Program& program) const;

private:
    struct ControlState;
    struct FormState;
    std::vector<FormState> forms_;
};

}  // namespace rainbow
