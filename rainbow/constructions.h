#pragma once

namespace rainbow {

class Program;

// Views that split the rays entering the drop at the rainbow ray's angle of incidence. Each
// draws on the main window's Picture1 with the drop of index n centred at (xc, yc), reads
// psipigi, arithanak (and HScroll1 for the full construction), and leaves angle_theta at
// -psi and source_y at the source's height.
void draw_central_rays_point(Program& program, double n, double xc, double yc);
void draw_external_rays_point(Program& program, double n, double xc, double yc);
void draw_central_rays_parallel(Program& program, double n, double xc, double yc);
void draw_external_rays_parallel(Program& program, double n, double xc, double yc);
void draw_full_construction_point(Program& program, double n, double xc, double yc);
void draw_full_construction_parallel(Program& program, double n, double xc, double yc);

}  // namespace rainbow
