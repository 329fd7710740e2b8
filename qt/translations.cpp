#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>

namespace rainbow {
namespace {

QString current_language = QStringLiteral("en");

// Loads one translation file and installs it; the application owns it from then on.
bool install(QCoreApplication& app, const QString& name, const QString& directory) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, directory) && QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}

}  // namespace

QString install_translations(QCoreApplication& app, const QLocale& locale) {
    // English is the language of the sources; only Greek has translations of its own.
    const bool greek = locale.language() == QLocale::Greek;
    current_language = greek ? QStringLiteral("el") : QStringLiteral("en");
    install(app, QStringLiteral("rainbow_") + current_language, QStringLiteral(":/i18n"));
    // Qt's own dialogs, where Qt ships a translation for this language.
    install(app, QStringLiteral("qtbase_") + current_language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return current_language;
}

QString ui_language() { return current_language; }

QString translated(std::string_view context, std::string_view source) {
    if (source.empty()) return {};
    const std::string c(context), s(source);
    return QCoreApplication::translate(c.c_str(), s.c_str());
}

std::string translate_core(std::string_view context, std::string_view source) {
    return translated(context, source).toStdString();
}

}  // namespace rainbow
