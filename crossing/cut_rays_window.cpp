#include "crossing/cut_rays_window.h"

// Placeholder until the ray-crossing window lands.
namespace rainbow {
CutRaysWindow::CutRaysWindow(Program& program)
    : program_(program), form_("cut_rays", "Where a ray is cut by the other rays", Geometry{}) {}
void CutRaysWindow::build_cut_rays_window() { form_.show(); }
void CutRaysWindow::show_and_redraw() { form_.show(); }
}  // namespace rainbow
