#include "app/program.h"

#include "app/main_window.h"
#include "caustics/caustics_window.h"
#include "crossing/cut_rays_window.h"
#include "rainbow/scene.h"
#include "theory/theory_window.h"

namespace rainbow {

Program::Program(Screen screen) : screen_(screen) {
    // The start-up procedure: its first reference to the main window loads it, then it lays
    // the window out, shows it and draws the first scene.
    arxiki_ = std::make_unique<MainWindow>(*this);
    arxiki_->Form_Load();
    Main(*this);
}

Program::~Program() = default;

CutRaysWindow& Program::cut_rays() {
    if (!cut_rays_) cut_rays_ = std::make_unique<CutRaysWindow>(*this);
    return *cut_rays_;
}

CausticsWindow& Program::kafstikh() {
    if (!kafstikh_) kafstikh_ = std::make_unique<CausticsWindow>(*this);
    return *kafstikh_;
}

TheoryWindow& Program::theoria() {
    if (!theoria_) theoria_ = std::make_unique<TheoryWindow>(*this);
    return *theoria_;
}

std::vector<Form*> Program::forms() {
    std::vector<Form*> all{&arxiki_->form()};
    if (cut_rays_) all.push_back(&cut_rays_->form());
    if (kafstikh_) all.push_back(&kafstikh_->form());
    if (theoria_) all.push_back(&theoria_->form());
    return all;
}

Form* Program::find_form(std::string_view name) {
    for (Form* f : forms()) {
        if (f->name() == name) return f;
    }
    return nullptr;
}

std::unique_ptr<BackgroundWork> Program::make_background_work() const {
    if (background_work_factory_) return background_work_factory_();
    return std::make_unique<RunAtOnce>();
}

void Program::end() {
    ended_ = true;
    for (Form* form : forms()) form->shown = false;
}

Form* Program::take_focus_request() {
    Form* f = focus_request_;
    focus_request_ = nullptr;
    return f;
}

}  // namespace rainbow
