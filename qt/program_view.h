#pragma once

#include <QList>
#include <QObject>
#include <memory>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "qt/form_view.h"

namespace rainbow {

// Shows every window of a program: a form view for each form that exists (windows created
// by a handler get theirs at the next sync), the focus a window asks for, and the end of the
// program.
class ProgramView : public QObject, public FormViewHost {
    Q_OBJECT

public:
    // `window_actions` are added to every window (shortcuts that work in all of them).
    explicit ProgramView(Program& program, QList<QAction*> window_actions = {});
    ~ProgramView() override;

    Program& program() const { return program_; }
    FormView* view_of(std::string_view form_name) const;
    const std::vector<std::unique_ptr<FormView>>& views() const { return views_; }

    // Brings every view up to date from the models and honours the program's requests.
    void sync();

    void take_step(const Step& step) override;
    void close_requested(Form& form) override;
    Screen screen() const override { return program_.screen(); }

signals:
    // The program has ended: every window is hidden; the application should quit.
    void ended();

private:
    Program& program_;
    std::vector<std::unique_ptr<FormView>> views_;
    QList<QAction*> window_actions_;
    bool ended_ = false;
};

}  // namespace rainbow
