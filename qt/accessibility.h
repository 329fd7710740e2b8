#pragma once

#include <string>

#include "forms/controls.h"

class QAction;
class QString;
class QWidget;

namespace rainbow {

// Explains a control's widget in the user's language: its tooltip, the same text as its
// accessible description, and as its accessible name its caption, or its role where it has no
// caption (a scroll bar, a picture, an empty label), so that a screen reader names every
// control. `form` is the window's name, the context of the translations.
void describe_widget(QWidget& widget, const std::string& form, const Description& description,
                     const std::string& caption);

// A tooltip's text broken into lines of about `columns` characters at the spaces (a word
// longer than that keeps a line of its own), so that the tip stays a readable column. The
// accessible description and the state's `tooltip` keep the text whole.
QString wrapped_tooltip(const QString& text, int columns = 40);

// The same for a menu item, whose caption is its action's text.
void describe_action(QAction& action, const std::string& form, const Description& description);

}  // namespace rainbow
