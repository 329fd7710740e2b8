#pragma once

#include <optional>

#include "geometry/drop.h"

namespace rainbow {

class MainWindow;
class Surface;

// What the main window's controls choose for its pictures. A handler reads it from the
// controls and hands it to the drawing procedures, which never read a control themselves.
struct SceneChoice {
    bool point_source = true;  // pointsource; otherwise the parallel beam when `parallel`
    bool parallel = false;
    bool water = true;  // Option1; otherwise glass when `glass` (Option2)
    bool glass = false;
    double angle = 0;      // goniatheta, in degrees
    int rays = 1;          // arithaktinon
    int reflections = 1;   // arithanak
    double drop_y = 0;     // Ycthesi
    double source_y = 0;   // psipigi
    int ray_selector = 1;  // HScroll1
};

// The start-up procedure and redraw of the main scene: lays the main window out, then draws
// the scene its controls choose.
void Main(MainWindow& window);

// The main scene's drop for a colour pass of index n: radius 30, centred at (10, drop_y).
Drop main_scene_drop(const SceneChoice& choice, double n);

// The index of the main scene's last colour pass: water's blue, or glass; none when no
// material is chosen.
std::optional<double> main_scene_index(const SceneChoice& choice);

// What the main scene computed: the signed angle of incidence (radians) of its central ray,
// none when that ray misses the drop or no beam is chosen.
struct SceneResult {
    std::optional<double> central_incidence;
};

// Draws one pass per colour (three for water, one for glass) for the chosen beam. It never
// clears the picture: its passes draw over one another.
SceneResult draw_main_scene(const SceneChoice& choice, Surface& picture);

// One pass of the main scene for a horizontal parallel beam starting at x = -90, its central
// ray meeting the drop at the chosen angle of incidence.
SceneResult trace_parallel_beam(const SceneChoice& choice, const Drop& drop, Surface& picture);

// One pass of the main scene for a fan of rays from the point source (-80, source_y); its
// central ray is, of the rays that meet the drop, the one nearest the chosen angle.
SceneResult trace_point_source(const SceneChoice& choice, const Drop& drop, Surface& picture);

// Follows the central ray (from `source`, entering at `entry`) through the drop on its own,
// marks where its outgoing line crosses its incoming line, draws the angle there and prints
// the deviation, which it returns (radians).
double show_deviation(Surface& picture, Point source, Point entry, const Drop& drop, int k);

}  // namespace rainbow
