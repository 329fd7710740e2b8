#include "qt/program_view.h"

#include <QMainWindow>
#include <QMessageBox>
#include <exception>

#include "app/windows_snapshot.h"
#include "forms/form.h"
#include "qt/help_window.h"
#include "qt/window_switcher.h"

namespace rainbow {

ProgramView::ProgramView(Program& program)
    : program_(program), switcher_(std::make_unique<WindowSwitcher>(*this)) {
    picture_actions_.append(switcher_->menu_action());
    sync();
}

ProgramView::~ProgramView() = default;

FormView* ProgramView::view_of(std::string_view form_name) const {
    for (const auto& view : views_) {
        if (view->form().name() == form_name) return view.get();
    }
    return nullptr;
}

void ProgramView::add_picture_action(QAction* action) {
    if (action == nullptr || picture_actions_.contains(action)) return;
    picture_actions_.append(action);
    for (const auto& view : views_) view->sync();
}

void ProgramView::sync() {
    if (ended_) return;
    for (Form* form : program_.forms()) {
        if (view_of(form->name()) == nullptr) {
            views_.push_back(std::make_unique<FormView>(*form, *this));
            // F1 opens the help on the page of this window.
            make_help_action(views_.back()->window());
            switcher_->add_shortcuts(*views_.back()->window());
        }
    }
    for (const auto& view : views_) view->sync();
    if (Form* form = program_.take_focus_request()) {
        if (FormView* view = view_of(form->name())) view->activate();
    }
    if (program_.ended()) {
        ended_ = true;
        for (const auto& view : views_) view->window()->hide();
        emit ended();
    }
}

void ProgramView::take_step(const Step& step) {
    const WindowsSnapshot before(program_);
    try {
        rainbow::take_step(program_, step);
    } catch (const BadStep& e) {
        // Refused before anything changed: a control the user could not have reached.
        qWarning("%s: %s", describe(step).c_str(), e.what());
    } catch (const std::exception& e) {
        before.restore(program_);
        sync();
        show_failure(step, e.what());
        return;
    }
    sync();
}

void ProgramView::show_failure(const Step& step, const std::string& what) {
    FormView* view = view_of(step.form);
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("The step failed"),
        tr("%1 could not be done: %2\nThe windows are as they were before it, and the lesson "
           "does not keep it.")
            .arg(QString::fromStdString(describe(step)), QString::fromStdString(what)),
        QMessageBox::Ok, view ? view->window() : nullptr);
    box->setObjectName("failed_step");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ProgramView::close_requested(Form& form) {
    take_step(Step{Step::Action::close, form.name(), "", 0});
}

}  // namespace rainbow
