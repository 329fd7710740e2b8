#pragma once

#include <QObject>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace rainbow {

class ProgramView;

// Moving between the program's windows, which open maximised over each other: Ctrl+Tab and
// Ctrl+Shift+Tab bring the next or the previous open window to the front, and the submenu
// "Windows" of every picture's context menu lists the open windows (the main window always)
// and brings the one chosen to the front. None of this is a step of the program: the
// windows' models do not change.
class WindowSwitcher : public QObject {
    Q_OBJECT

public:
    explicit WindowSwitcher(ProgramView& program_view);
    ~WindowSwitcher() override;

    // The submenu's action, for the pictures' context menus.
    QAction* menu_action() const;
    // Gives a window the two shortcuts (once).
    void add_shortcuts(QMainWindow& window);
    // Brings the open window `steps` places after the active one to the front (before it,
    // for a negative number), in the order the windows were opened.
    void bring_to_front(int steps);

private:
    void fill_menu();

    ProgramView& program_view_;
    std::unique_ptr<QMenu> menu_;
};

}  // namespace rainbow
