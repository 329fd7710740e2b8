#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

class QCoreApplication;

namespace rainbow {

// Loads the program's translations, compiled into it, and Qt's own where Qt ships them, for
// the language of `locale` (the user's, from LANG and LC_*, unless a test asks for another).
// Greek is translated; every other language keeps the English source texts. Call it after the
// application object exists; a later call replaces the earlier language. Returns the language
// in use, "el" or "en".
QString install_translations(QCoreApplication& app, const QLocale& locale = QLocale::system());

// The language install_translations chose ("en" before it runs).
QString ui_language();

// A text of the core in the user's language: `context` is the window's name, `source` the
// English text of its table.
std::string translate_core(std::string_view context, std::string_view source);
QString translated(std::string_view context, std::string_view source);

}  // namespace rainbow
