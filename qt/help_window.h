#pragma once

#include <QString>

class QAction;
class QWidget;

namespace rainbow {

// The program's help: HTML pages compiled into the program, in the user's language, one for
// each window with a picture of it, what every control does and what the window teaches, and
// a legend of the colours and line styles of every view.

// Opens the help window, or brings it to the front, on the page of `topic`: a window's name
// ("arxiki", "cut_rays", "kafstikh"), or the contents page when there is no page of that name.
// Returns the help window.
QWidget* show_help(const QString& topic = {});

// An action "Help" (F1) that opens the help on the page of the window `parent` is in. Add it
// to a window to give that window F1, or to a context menu.
QAction* make_help_action(QWidget* parent);

}  // namespace rainbow
