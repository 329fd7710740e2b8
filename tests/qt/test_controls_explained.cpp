// Tooltips, translations, accessibility and help: every control of every window explains
// itself in English and in Greek, on the widgets, in the render command's JSON, and F1 opens
// the help on the window's page.
#include <locale.h>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QTimer>
#include <QtTest>
#include <map>
#include <nlohmann/json.hpp>

#include "app/program.h"
#include "forms/form.h"
#include "qt/about_dialog.h"
#include "qt/form_view.h"
#include "qt/help_window.h"
#include "qt/picture_widget.h"
#include "qt/program_view.h"
#include "qt/translations.h"
#include "rainbow/main_window.h"

using namespace rainbow;

namespace {

const QRegularExpression greek_letter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));

// The program with its three windows open.
void open_every_window(Program& program) {
    program.arxiki().Command5.click();
    program.arxiki().Command6.click();
}

QWidget* help_window() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("help")) return w;
    }
    return nullptr;
}

// Whether the C library has the locale (such as el_GR.UTF-8), which the render command then
// follows for its decimal separator; Debian's locale-gen makes it.
bool locale_exists(const QString& lang) {
    const locale_t locale = newlocale(LC_ALL_MASK, lang.toUtf8().constData(), locale_t{});
    if (locale == locale_t{}) return false;
    freelocale(locale);
    return true;
}

// The locale must be there: without it the program falls back to the C locale's format, and a
// test would quietly check the wrong language's numbers.
#define REQUIRE_LOCALE(lang)                                                             \
    QVERIFY2(locale_exists(lang), qPrintable("the locale " + lang +                      \
                                             " is missing: generate it with locale-gen " \
                                             "(scripts/test does)"))

// The state as nlohmann-json reads it; a discarded value when it is not JSON.
nlohmann::json render_state(const QString& lang,
                            const QStringList& steps = {"--click", "arxiki.Command5", "--click",
                                                        "arxiki.Command6"}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
    env.insert("LANG", lang);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(RENDER_COMMAND), steps + QStringList{"--json", "-"});
    process.waitForFinished(60000);
    if (process.exitCode() != 0) qWarning("%s", process.readAllStandardError().constData());
    return nlohmann::json::parse(process.readAllStandardOutput().toStdString(), nullptr, false);
}

}  // namespace

class ControlsExplainedTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        install_translations(*QCoreApplication::instance(), QLocale(QLocale::English));
        if (QWidget* help = help_window()) help->close();
    }

    // Keeps the Greek .ts file in step with the windows' tables: a text added or changed in a
    // table without its translation fails here.
    void everyCoreTextHasAGreekTranslation() {
        QCOMPARE(install_translations(*QCoreApplication::instance(), QLocale(QLocale::Greek)),
                 QStringLiteral("el"));
        Program program;
        open_every_window(program);
        for (Form* form : program.forms()) {
            std::vector<std::pair<std::string, const Description*>> described{
                {"client", &form->client_description}};
            for (const auto& c : form->controls())
                described.emplace_back(c->name(), &c->description);
            for (const auto& [name, description] : described) {
                for (const std::string& source : {description->role, description->tooltip}) {
                    if (source.empty()) continue;
                    const QString text = translated(form->name(), source);
                    QVERIFY2(text.contains(greek_letter),
                             qPrintable(QString::fromStdString(form->name() + "." + name + ": " +
                                                               source)));
                }
            }
        }
    }

    // The tip shows the whole text, its words in order, in lines of about 40 characters.
    static void check_wrapped(const QString& tip, const QString& text, const QString& where) {
        QCOMPARE(QString(tip).replace(QLatin1Char('\n'), QLatin1Char(' ')), text.simplified());
        for (const QString& line : tip.split(QLatin1Char('\n'))) {
            const bool one_long_word = !line.contains(QLatin1Char(' '));
            QVERIFY2(line.size() <= 40 || one_long_word, qPrintable(where + ": " + line));
        }
    }

    void everyControlHasATooltipAndANameForScreenReaders_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale(QLocale::English);
        QTest::newRow("Greek") << QLocale(QLocale::Greek);
    }

    void everyControlHasATooltipAndANameForScreenReaders() {
        QFETCH(QLocale, locale);
        install_translations(*QCoreApplication::instance(), locale);
        Program program;
        open_every_window(program);
        ProgramView view(program);
        for (const auto& form_view : view.views()) {
            const Form& form = form_view->form();
            for (const auto& c : form.controls()) {
                const QString where = QString::fromStdString(form.name() + "." + c->name());
                const QString tooltip = translated(form.name(), c->description.tooltip);
                QVERIFY2(!tooltip.isEmpty(), qPrintable(where));
                if (c->kind() == ControlKind::menuitem) {
                    QAction* action = form_view->action_for(c->name());
                    check_wrapped(action->toolTip(), tooltip, where);
                    QCOMPARE(action->statusTip(), tooltip);
                    continue;
                }
                QWidget* widget = form_view->widget_for(c->name());
                QVERIFY2(widget != nullptr, qPrintable(where));
                check_wrapped(widget->toolTip(), tooltip, where);
                QCOMPARE(widget->accessibleDescription(), tooltip);
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(where));
                // A scroll bar has no caption: its role names it.
                if (c->kind() == ControlKind::scrollbar) {
                    QCOMPARE(widget->accessibleName(),
                             translated(form.name(), c->description.role));
                }
            }
        }
        // The ray-crossing window draws on its own client area, which is named too.
        QVERIFY(!view.view_of("cut_rays")->client_picture()->accessibleName().isEmpty());
    }

    void f1OpensTheHelpOnTheWindowsPage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("page");
        QTest::newRow("main window, English") << QLocale(QLocale::English) << "arxiki"
                                              << "Help"
                                              << "/en/arxiki.html";
        QTest::newRow("caustics window, Greek") << QLocale(QLocale::Greek) << "kafstikh"
                                                << "Βοήθεια"
                                                << "/el/kafstikh.html";
        QTest::newRow("theory window, Greek") << QLocale(QLocale::Greek) << "theoria"
                                              << "Βοήθεια"
                                              << "/el/theoria.html";
    }

    void f1OpensTheHelpOnTheWindowsPage() {
        QFETCH(QLocale, locale);
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(QString, page);
        install_translations(*QCoreApplication::instance(), locale);
        Program program;
        open_every_window(program);
        if (form == "theoria") program.arxiki().Command7.click();
        ProgramView view(program);
        FormView* form_view = view.view_of(form.toStdString());
        QMainWindow* window = form_view->window();
        // A picture's context menu takes the window's own action: a second F1 action in the
        // window would make the key ambiguous, and neither would run.
        const std::map<QString, const char*> pictures{
            {"arxiki", "Picture1"}, {"kafstikh", "eikona"}, {"theoria", "primary"}};
        QWidget* picture_widget = form_view->widget_for(pictures.at(form));
        QCOMPARE(make_help_action(picture_widget), make_help_action(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);

        QWidget* help = help_window();
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY2(help->windowTitle().contains(title), qPrintable(help->windowTitle()));
        auto* browser = help->findChild<QTextBrowser*>();
        QVERIFY(browser->source().toString().endsWith(page));
        // The page and its picture are compiled in.
        QVERIFY(browser->toPlainText().size() > 500);
    }

    // The legend's column headers ("Colour", "Χρώμα", ...) each stay on one line, even in a
    // help window as narrow as a small screen allows.
    void theLegendsHeadersDoNotBreak() {
        for (const char* language : {"en", "el"}) {
            QFile file(QStringLiteral(":/help/%1/legend.html").arg(QLatin1String(language)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTextDocument page;
            // A large desktop font, as on a screen read from the back of a class.
            QFont font = page.defaultFont();
            font.setPixelSize(18);
            page.setDefaultFont(font);
            page.setHtml(QString::fromUtf8(file.readAll()));
            page.setTextWidth(400);
            QVERIFY(page.size().width() > 0);  // lays the whole page out
            int headers = 0;
            for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
                const QTextCursor at(block);
                const QTextTable* table = at.currentTable();
                if (table == nullptr || table->cellAt(at).row() != 0) continue;
                ++headers;
                QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
            }
            QVERIFY(headers >= 3);
        }
    }

    // Every page of both languages is compiled in with the pictures it shows and the pages it
    // links to.
    void everyHelpPageFindsItsPicturesAndLinks() {
        const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"#:]+)"));
        QStringList pages;
        for (QDirIterator it(QStringLiteral(":/help"), {"*.html"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString page = it.next();
            pages << page;
            QFile file(page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (const auto& match : reference.globalMatch(html)) {
                const QString target =
                    QUrl("qrc" + page).resolved(QUrl(match.captured(1))).path().prepend(':');
                QVERIFY2(QFile::exists(target), qPrintable(page + " -> " + target));
                if (target.endsWith(".png")) QVERIFY(!QImage(target).isNull());
            }
        }
        // The same pages in both languages.
        pages.sort();
        QCOMPARE(pages.size(), 12);
        QCOMPARE(pages.filter("/el/").replaceInStrings("/el/", "/"),
                 pages.filter("/en/").replaceInStrings("/en/", "/"));
    }

    void aboutGivesTheVersionAndTheReferences() {
        install_translations(*QCoreApplication::instance(), QLocale(QLocale::Greek));
        QString title, text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        show_about(nullptr);
        QVERIFY2(title.contains("Σχετικά"), qPrintable(title));
        QVERIFY(text.contains(QStringLiteral(" " PROJECT_VERSION "</h3>")));
        for (const char* author : {"Descartes", "Newton", "Airy", "Nussenzveig", "Walker", "Lee"}) {
            QVERIFY2(text.contains(author), author);
        }
    }

    // The theory window's captions and picture words are its own, new texts: they follow the
    // user's language, numbers its decimal separator, while the window's caption stays as
    // designed.
    void theTheoryWindowsOwnWordsFollowTheUsersLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("water");
        QTest::newRow("en_US") << "en_US.UTF-8"
                               << "Cancel"
                               << "water n = 1.330";
        QTest::newRow("el_GR") << "el_GR.UTF-8"
                               << "Ακύρωση"
                               << "νερό n = 1,330";
    }

    void theTheoryWindowsOwnWordsFollowTheUsersLanguage() {
        QFETCH(QString, lang);
        QFETCH(QString, cancel);
        QFETCH(QString, water);
        REQUIRE_LOCALE(lang);
        const nlohmann::json state = render_state(lang, {"--click", "arxiki.Command7"});
        const nlohmann::json& theoria = state["forms"]["theoria"];
        QVERIFY(theoria["caption"] == "Theory · Θεωρία");
        QCOMPARE(
            QString::fromStdString(theoria["controls"]["lee_cancel"]["caption"].get<std::string>()),
            cancel);
        int found = 0;
        for (const auto& item : theoria["pictures"]["descartes"]["items"])
            found += item.contains("text") &&
                     QString::fromStdString(item["text"].get<std::string>()).startsWith(water);
        QCOMPARE(found, 1);
    }

    void theJsonGivesEveryControlATooltipInTheUsersLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("greek");
        QTest::newRow("en_US") << "en_US.UTF-8" << false;
        QTest::newRow("el_GR") << "el_GR.UTF-8" << true;
    }

    void theJsonGivesEveryControlATooltipInTheUsersLanguage() {
        QFETCH(QString, lang);
        QFETCH(bool, greek);
        REQUIRE_LOCALE(lang);
        const nlohmann::json state = render_state(lang);
        QStringList names;
        for (const auto& [form, body] : state["forms"].items()) {
            names << QString::fromStdString(form);
            QVERIFY(!body["controls"].empty());
            for (const auto& [name, control] : body["controls"].items()) {
                const QString where = QString::fromStdString(form + "." + name);
                const QString tooltip =
                    QString::fromStdString(control["tooltip"].get<std::string>());
                QVERIFY2(!tooltip.isEmpty(), qPrintable(where));
                QVERIFY2(tooltip.contains(greek_letter) == greek,
                         qPrintable(where + ": " + tooltip));
            }
        }
        QCOMPARE(names, (QStringList{"arxiki", "cut_rays", "kafstikh"}));
    }
};

QTEST_MAIN(ControlsExplainedTest)
#include "test_controls_explained.moc"
