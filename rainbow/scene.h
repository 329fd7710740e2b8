#pragma once

namespace rainbow {

class MainWindow;
class Surface;
struct Settings;

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

// Stores the drop's settings and draws one pass per colour (three for water, one for glass)
// for the chosen beam. It never clears the picture: its passes draw over one another.
void draw_main_scene(const SceneChoice& choice, Settings& settings, Surface& picture);

// One pass of the main scene for a horizontal parallel beam starting at x = start_x; beam_y
// receives each ray's height in turn and ends at the central ray's.
void trace_parallel_beam(const SceneChoice& choice, Settings& settings, Surface& picture,
                         double start_x, double& beam_y, double centre_x, double centre_y,
                         double n);

// One pass of the main scene for a fan of rays from the point source (-80, source_y).
void trace_point_source(const SceneChoice& choice, Settings& settings, Surface& picture, double n);

// Follows the central ray (start S, entry E) through the drop on its own, marks where its
// outgoing line crosses its incoming line, draws the angle there and prints the deviation.
void show_deviation(Surface& picture, double sx, double sy, double ex, double ey, double cx,
                    double cy, double R, double n, int k);

}  // namespace rainbow
