#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>

#include "forms/screen.h"

class QWidget;

namespace rainbow {

// The narrowest screen, in logical pixels, on which the windows' controls keep the places
// they were designed with without running into each other (on a narrower one the
// ray-crossing window's SHOW WAVES lies over SPECIAL RAY).
inline constexpr int narrowest_laid_out_screen = 1200;

// The smallest text of a control scaled down with its window, in points: 8 pixels at 96
// dots per inch. A control designed with a smaller font keeps it.
inline constexpr double smallest_control_points = 6;

// The screen the windows are laid out for, in twips: the desktop's work area (logical pixels
// at `logical_dpi`), or, where it is narrower than `narrowest_laid_out_screen`, the wider
// screen of the same shape. The views then show each window scaled down as a whole to the
// work area.
Screen layout_screen(QSize work_area, double logical_dpi);

// How much a view of `content` logical pixels is scaled down to fit in `room`: 1 when it fits,
// otherwise the larger of the two sides' shares (never below a tenth, never for an empty room).
double fit_scale(QSizeF content, QSizeF room);

// The desktop's work area on the window's screen, in logical pixels (where its frame may go).
QRect work_area(const QWidget& window);

// The part of the work area that a top-level window can use for its contents: the work area
// less the frame that the window manager puts round the window.
QRect usable_area(const QWidget& window);

// A control's font size in points on a window scaled by `scale`: scaled with it, but never
// below smallest_control_points unless it was designed smaller.
double scaled_points(double designed_points, double scale);

}  // namespace rainbow
