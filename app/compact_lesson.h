#pragma once

#include "app/lesson.h"

namespace rainbow {

// The lesson with every run of consecutive settings of one control (a scroll bar dragged) cut
// to the last of them; scenes keep their bounds. Each setting redraws from the value the bar
// holds, or only stores it, so the lesson replays to the same windows. Settings of different
// bars are kept in their order: a bar that only stores its value (the height of the point
// source) shows it at the next redraw, which another bar's setting makes.
Lesson compacted(const Lesson& lesson);

}  // namespace rainbow
