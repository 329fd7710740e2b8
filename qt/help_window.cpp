#include "qt/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "qt/about_dialog.h"
#include "qt/translations.h"

namespace rainbow {
namespace {

// The page of a topic in the user's language; the contents page for an unknown topic.
QString page_path(const QString& topic) {
    const QString folder = QStringLiteral(":/help/") + ui_language() + QLatin1Char('/');
    const QString page = folder + topic + QStringLiteral(".html");
    return !topic.isEmpty() && QFile::exists(page) ? page : folder + QStringLiteral("index.html");
}

class HelpWindow : public QWidget {
  public:
    HelpWindow() {
        setWindowTitle(QCoreApplication::translate("Help", "Rainbow Help"));
        setObjectName(QStringLiteral("help"));
        resize(820, 720);
        browser_ = new QTextBrowser(this);
        browser_->setOpenExternalLinks(true);
        auto* tools = new QToolBar(this);
        QAction* back = tools->addAction(QCoreApplication::translate("Help", "Back"), browser_,
                                         &QTextBrowser::backward);
        back->setShortcut(QKeySequence::Back);
        QAction* forward = tools->addAction(QCoreApplication::translate("Help", "Forward"),
                                            browser_, &QTextBrowser::forward);
        forward->setShortcut(QKeySequence::Forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
        tools->addAction(QCoreApplication::translate("Help", "Contents"), this,
                         [this] { open(QString()); });
        tools->addAction(QCoreApplication::translate("Help", "About"), this,
                         [this] { show_about(this); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(tools);
        layout->addWidget(browser_);
    }

    void open(const QString& topic) {
        const QString path = page_path(topic);
        if (QFile::exists(path)) {
            browser_->setSource(QUrl(QStringLiteral("qrc") + path));
        } else {
            browser_->setHtml(QCoreApplication::translate(
                "Help", "<p>The help pages are not part of this build.</p>"));
        }
    }

  private:
    QTextBrowser* browser_;
};

QPointer<HelpWindow> help_window;

}  // namespace

QWidget* show_help(const QString& topic) {
    if (help_window.isNull()) help_window = new HelpWindow;
    help_window->open(topic);
    help_window->show();
    help_window->raise();
    help_window->activateWindow();
    return help_window;
}

QAction* make_help_action(QWidget* parent) {
    auto* action = new QAction(QCoreApplication::translate("Help", "Help"), parent);
    action->setShortcut(QKeySequence::HelpContents);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, parent, [parent] {
        // The windows' views are named after their forms, as the help pages are.
        show_help(parent->window()->objectName());
    });
    return action;
}

}  // namespace rainbow
