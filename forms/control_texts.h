#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace rainbow {

class Form;

// One row of a window's table of control texts, in English: the control's name ("client" for
// the window's own client area), its role and its tooltip (see Description).
struct ControlText {
    std::string_view control;
    std::string_view role;
    std::string_view tooltip;
};

// Translates a text of the core into the user's language: (context, English source) -> text.
// The context is the window's name. An empty Translate keeps the English.
using Translate = std::function<std::string(std::string_view context, std::string_view source)>;

// The text in the user's language, or the source itself when there is no translator.
std::string translate_text(const Translate& translate, std::string_view context,
                           std::string_view source);

// Gives every control named in the table its role and tooltip. Throws std::logic_error for a
// name the form does not have, so that a renamed control cannot lose its text unnoticed.
void describe_controls(Form& form, std::span<const ControlText> table);

}  // namespace rainbow

// Marks an English text for Qt's lupdate, which finds it by this name in the tables of the
// windows. The core keeps the text as it is; the Qt view and the render command translate it
// with the window's name as the context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
