#include "qt/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "qt/about_dialog.h"
#include "qt/screen_fit.h"
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
        setObjectName(QStringLiteral("help"));
        // Its usual size, or the desktop's work area where that is smaller.
        const QRect area = usable_area(*this);
        resize(area.isEmpty() ? QSize(820, 720) : QSize(820, 720).boundedTo(area.size()));
        browser_ = new QTextBrowser(this);
        browser_->setOpenExternalLinks(true);
        auto* tools = new QToolBar(this);
        back_ = tools->addAction(QString(), browser_, &QTextBrowser::backward);
        back_->setShortcut(QKeySequence::Back);
        forward_ = tools->addAction(QString(), browser_, &QTextBrowser::forward);
        forward_->setShortcut(QKeySequence::Forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
        contents_ = tools->addAction(QString(), this, [this] { open(QString()); });
        about_ = tools->addAction(QString(), this, [this] { show_about(this); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(tools);
        layout->addWidget(browser_);
        retranslate();
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

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslate();
        QWidget::changeEvent(event);
    }

private:
    void retranslate() {
        setWindowTitle(QCoreApplication::translate("Help", "Rainbow Help"));
        back_->setText(QCoreApplication::translate("Help", "Back"));
        forward_->setText(QCoreApplication::translate("Help", "Forward"));
        contents_->setText(QCoreApplication::translate("Help", "Contents"));
        about_->setText(QCoreApplication::translate("Help", "About"));
    }

    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
    QAction* about_;
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
    QWidget* window = parent->window();
    // One action per window: a second F1 action in the same window would make the key
    // ambiguous, and Qt would then run neither.
    if (auto* existing = window->findChild<QAction*>(QStringLiteral("help"))) return existing;
    auto* action = new QAction(QCoreApplication::translate("Help", "Help"), window);
    action->setObjectName(QStringLiteral("help"));
    action->setShortcut(QKeySequence::HelpContents);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, [window] {
        // The windows' views are named after their forms, as the help pages are.
        show_help(window->objectName());
    });
    window->addAction(action);
    return action;
}

}  // namespace rainbow
