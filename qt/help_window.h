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

// The action "Help" (F1) of the window `parent` is in: it opens the help on that window's page.
// The first call makes it and adds it to the window, which then answers F1; later calls give
// the same action, to be added as it is to the window's context menus.
QAction* make_help_action(QWidget* parent);

}  // namespace rainbow
