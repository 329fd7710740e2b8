#include "rainbow/scene.h"
namespace rainbow {
void Main(Program&) {}
void trace_parallel_beam(Program&, double, double&, double, double, double) {}
void trace_point_source(Program&, double) {}
void show_deviation(Program&, double, double, double, double, double, double, double, double, int) {}
}
