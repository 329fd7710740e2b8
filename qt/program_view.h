#pragma once

#include <QList>
#include <QObject>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "qt/form_view.h"

namespace rainbow {

// Shows every window of a program: a form view for each form that exists (windows created
// by a handler get theirs at the next sync), the focus a window asks for, and the end of the
// program.
class WindowSwitcher;

class ProgramView : public QObject, public FormViewHost {
    Q_OBJECT

public:
    explicit ProgramView(Program& program);
    ~ProgramView() override;

    Program& program() const { return program_; }
    FormView* view_of(std::string_view form_name) const;
    const std::vector<std::unique_ptr<FormView>>& views() const { return views_; }
    // Ctrl+Tab, Ctrl+Shift+Tab and the pictures' submenu "Windows".
    WindowSwitcher& switcher() const { return *switcher_; }

    // Brings every view up to date from the models and honours the program's requests.
    void sync();

    // Takes a user's step. A step whose handler fails puts the windows back as they were
    // before it, stays out of the program's steps, and the user is told in a message box.
    void take_step(const Step& step) override;
    // Adds an action to the context menu of every picture, now and in windows opened later,
    // after the menu's own actions; its shortcut works in every window (give it
    // Qt::WindowShortcut). The action finds the window it was used in as
    // QApplication::activeWindow(), whose object name is the form's name.
    void add_picture_action(QAction* action);
    QList<QAction*> picture_actions() const override { return picture_actions_; }
    void close_requested(Form& form) override;
    Screen screen() const override { return program_.screen(); }

signals:
    // The program has ended: every window is hidden; the application should quit.
    void ended();

private:
    void show_failure(const Step& step, const std::string& what);

    Program& program_;
    std::vector<std::unique_ptr<FormView>> views_;
    std::unique_ptr<WindowSwitcher> switcher_;
    QList<QAction*> picture_actions_;
    bool ended_ = false;
};

}  // namespace rainbow
