#pragma once

namespace rainbow {

class MainWindow;
struct Screen;

// Maximises the main window to the screen, makes Picture1 a square of three quarters of the
// window's height, shows the window and arranges the controls in a column to its right.
// Refreshes the captions of Label5 and Label6.
void lay_out_main_window(MainWindow& window, const Screen& screen);

}  // namespace rainbow
