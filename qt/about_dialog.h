#pragma once

class QWidget;

namespace rainbow {

// The program's version, licence and the physics it rests on, in a modal dialog.
void show_about(QWidget* parent);

}  // namespace rainbow
