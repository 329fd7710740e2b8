#include "qt/program_view.h"

#include "forms/form.h"

namespace rainbow {

ProgramView::ProgramView(Program& program) : program_(program) { sync(); }

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

void ProgramView::close_requested(Form& form) {
    // Closing the main window ends the program; another window is only put away, and the
    // button that opens it shows it again.
    if (&form == program_.forms().front()) {
        program_.end();
    } else {
        form.shown = false;
    }
    sync();
}

}  // namespace rainbow
