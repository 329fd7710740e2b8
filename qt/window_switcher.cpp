#include "qt/window_switcher.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <vector>

#include "qt/program_view.h"

namespace rainbow {
namespace {

const char* const next_name = "next_window";
const char* const previous_name = "previous_window";

}  // namespace

WindowSwitcher::WindowSwitcher(ProgramView& program_view)
    : program_view_(program_view), menu_(std::make_unique<QMenu>(tr("Windows"))) {
    menu_->setObjectName(QStringLiteral("windows"));
    menu_->menuAction()->setObjectName(QStringLiteral("windows"));
    connect(menu_.get(), &QMenu::aboutToShow, this, &WindowSwitcher::fill_menu);
    // A menu with no entries shows no submenu at all: the main window is always there.
    fill_menu();
}

WindowSwitcher::~WindowSwitcher() = default;

QAction* WindowSwitcher::menu_action() const { return menu_->menuAction(); }

void WindowSwitcher::add_shortcuts(QMainWindow& window) {
    if (window.findChild<QAction*>(QString::fromLatin1(next_name)) != nullptr) return;
    const struct {
        const char* name;
        QString text;
        QKeySequence keys;
        int steps;
    } rows[] = {{next_name, tr("Next window"), QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                {previous_name, tr("Previous window"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}};
    for (const auto& row : rows) {
        auto* action = new QAction(row.text, &window);
        action->setObjectName(QString::fromLatin1(row.name));
        // Ctrl+Shift+Tab arrives as Backtab on some platforms, as Tab on others.
        QList<QKeySequence> keys{row.keys};
        if (row.steps < 0) keys.append(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int steps = row.steps;
        connect(action, &QAction::triggered, this, [this, steps] { bring_to_front(steps); });
        window.addAction(action);
    }
}

void WindowSwitcher::bring_to_front(int steps) {
    std::vector<FormView*> open;
    for (const auto& view : program_view_.views()) {
        if (view->form().shown) open.push_back(view.get());
    }
    if (open.empty()) return;
    const int count = int(open.size());
    int active = 0;
    for (int i = 0; i < count; ++i) {
        if (open[std::size_t(i)]->window() == QApplication::activeWindow()) active = i;
    }
    const int chosen = ((active + steps) % count + count) % count;
    open[std::size_t(chosen)]->activate();
}

void WindowSwitcher::fill_menu() {
    menu_->clear();
    bool first = true;
    for (const auto& view : program_view_.views()) {
        // The main window (the first) is always listed; the others while they are open.
        if (!first && !view->form().shown) continue;
        first = false;
        FormView* shown = view.get();
        QAction* action = menu_->addAction(shown->window()->windowTitle().trimmed(), this,
                                           [shown] { shown->activate(); });
        action->setObjectName(QString::fromStdString(shown->form().name()));
        action->setCheckable(true);
        action->setChecked(shown->window() == QApplication::activeWindow());
    }
}

}  // namespace rainbow
