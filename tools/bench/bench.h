#pragma once

// What every file of tools/bench/ shares. A file registers its views with a static
// ViewRegistration; each view becomes three benchmarks:
//   VIEW/handler  the event that draws the picture, run again at every iteration;
//   VIEW/floor    the same lines, circles, dots and texts played back as bare QPainter calls
//                 into a 1080 x 1080 px image on one core: what Qt alone needs for them;
//   VIEW/paint    the whole picture painted afresh into a 1080 x 1080 px raster, as the
//                 picture widget paints it, with the counters handler_ms, floor_ms,
//                 total_ms (handler + paint) and ratio (paint / floor).
// A file may also register plain Google Benchmark benchmarks.
#include <functional>
#include <string>

#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/surface.h"

namespace rainbow::bench {

// The side of the square raster every view is painted into.
inline constexpr int raster_side = 1080;

struct View {
    std::string name;
    // Brings a fresh program to the state the handler starts from (not timed).
    std::function<void(Program&)> setup;
    // The event whose drawing is measured; runs once before painting, and at every
    // iteration of VIEW/handler.
    std::function<void(Program&)> handler;
    // The picture the view draws on: "FORM.PICTURE", a window's own area being "FORM.client".
    std::string picture;
};

struct ViewRegistration {
    explicit ViewRegistration(View view);
};

// Controls of a program's windows, found by "FORM.CONTROL".
void click(Program& program, const std::string& control);
void set(Program& program, const std::string& scroll_bar, int value);
Surface& picture(Program& program, const std::string& name);

// Moves a scroll bar between two values, so that every call is a change.
void toggle(Program& program, const std::string& scroll_bar, int a, int b);

// The whole picture painted afresh into a raster of `side` px, as the widget paints it.
void paint_raster(const Surface& surface, int side = raster_side);

// Resident memory of this process, in bytes.
double resident_bytes();

}  // namespace rainbow::bench
