#pragma once
// Axes of the theory window's plots: a frame, ticks with their numbers and a caption.
#include <string>
#include <vector>

#include "forms/surface.h"

namespace rainbow {

struct PlotFrame {
    double left, right, bottom, top;  // the plotted ranges in user units
};

// The spacing of the ticks along the bottom (x) and up the left side (y); none when 0.
struct PlotTicks {
    double x_step = 0;
    double y_step = 0;
};

// Scales the surface so that the frame fills it with a margin for the numbers, then draws the
// frame, the ticks with their numbers in degrees or plain, and the two captions.
void draw_plot_axes(Surface& surface, const PlotFrame& frame, PlotTicks ticks,
                    const std::string& x_caption, const std::string& y_caption);

// How many pixels the frame spans across and up on the surface at its own size, once
// draw_plot_axes has scaled it; zero for a surface without a size.
struct PlotPixels {
    double columns = 0, rows = 0;
};
PlotPixels plot_pixels(const Surface& surface, const PlotFrame& frame);

// A polyline through the points, drawn with the surface's pen; dashed draws every other run
// of `dash` segments, so that the dashes keep their length however short the segments are.
void draw_polyline(Surface& surface, const std::vector<double>& x, const std::vector<double>& y,
                   bool dashed = false, std::size_t dash = 4);

}  // namespace rainbow
