#pragma once

namespace rainbow {

class Program;

// The start-up procedure and redraw of the main scene: lays the main window out, stores the
// drop's settings and draws one pass per colour (three for water, one for glass) for the
// chosen beam. It never clears the picture: its passes draw over one another.
void Main(Program& program);

// One pass of the main scene for a horizontal parallel beam starting at x = start_x; beam_y
// receives each ray's height in turn and ends at the central ray's.
void trace_parallel_beam(Program& program, double start_x, double& beam_y, double centre_x,
                         double centre_y, double n);

// One pass of the main scene for a fan of rays from the point source (-80, psipigi).
void trace_point_source(Program& program, double n);

// Follows the central ray (start S, entry E) through the drop on its own, marks where its
// outgoing line crosses its incoming line, draws the angle there and prints the deviation.
void show_deviation(Program& program, double sx, double sy, double ex, double ey, double cx,
                    double cy, double R, double n, int k);

}  // namespace rainbow
