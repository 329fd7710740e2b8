#pragma once

class QWidget;

namespace rainbow {

// Gives a scroll bar or a button a clear focus frame: while it has the keyboard focus, a
// frame two pixels wide in the palette's highlight colour runs round it, so that a teacher
// working the windows from the keyboard sees which control the arrow keys move.
void show_focus_frame(QWidget& widget);

}  // namespace rainbow
