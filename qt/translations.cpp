#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>
#include <string>

namespace rainbow {
namespace {

QString current_language = QStringLiteral("en");
QList<QPointer<QTranslator>> installed;

// Loads one translation file and installs it; the application owns it from then on.
void install(QCoreApplication& app, const QString& name, const QString& directory) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, directory) && QCoreApplication::installTranslator(translator)) {
        installed.append(translator);
    } else {
        delete translator;
    }
}

}  // namespace

QString install_translations(QCoreApplication& app, const QLocale& locale) {
    // English is the language of the sources; only Greek has translations of its own. The
    // user's first language counts (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as the desktop's
    // own programs take it).
    const QStringList languages = locale.uiLanguages();
    const bool greek = !languages.isEmpty() && languages.front().startsWith(QLatin1String("el"));
    current_language = greek ? QStringLiteral("el") : QStringLiteral("en");
    // A second call replaces the languages of the first.
    for (const QPointer<QTranslator>& translator : std::as_const(installed)) {
        if (translator) QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
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
