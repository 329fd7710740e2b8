#include "caustics/caustics_window.h"

// Placeholder until the caustics window lands.
namespace rainbow {
CausticsWindow::CausticsWindow(Program& program)
    : program_(program), form_("kafstikh", "CAUSTIC", Geometry{}) {}
void CausticsWindow::open_caustics_window() { form_.show(); }
}  // namespace rainbow
