#include "app/program.h"

#include <stdexcept>
#include <string>

#include "caustics/caustics_window.h"
#include "crossing/cut_rays_window.h"
#include "rainbow/main_window.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

template <class W>
std::unique_ptr<Window> make(WindowHost& host) {
    return std::make_unique<W>(host);
}

struct WindowKind {
    std::string_view name;  // its form's name
    std::unique_ptr<Window> (*make)(WindowHost&);
};

// The program's windows: the first is opened at start-up, the others when a window asks for
// them by name. A new window is one more line here.
constexpr WindowKind window_kinds[] = {
    {"arxiki", make<MainWindow>},
    {"cut_rays", make<CutRaysWindow>},
    {"kafstikh", make<CausticsWindow>},
    {"theoria", make<TheoryWindow>},
};

std::size_t index_of(std::string_view name) {
    for (std::size_t i = 0; i < std::size(window_kinds); ++i) {
        if (window_kinds[i].name == name) return i;
    }
    throw std::out_of_range("no window named " + std::string(name));
}

}  // namespace

Program::Program(Screen screen) : screen_(screen), windows_(std::size(window_kinds)) {
    open_window(window_kinds[0].name);
}

Program::~Program() = default;

std::vector<std::string_view> Program::window_names() {
    std::vector<std::string_view> names;
    for (const WindowKind& kind : window_kinds) names.push_back(kind.name);
    return names;
}

Window& Program::window(std::string_view name) {
    const std::size_t i = index_of(name);
    if (!windows_[i]) windows_[i] = window_kinds[i].make(*this);
    return *windows_[i];
}

bool Program::has_window(std::string_view name) const {
    return windows_[index_of(name)] != nullptr;
}

MainWindow& Program::arxiki() { return static_cast<MainWindow&>(window("arxiki")); }
CutRaysWindow& Program::cut_rays() { return static_cast<CutRaysWindow&>(window("cut_rays")); }
CausticsWindow& Program::kafstikh() { return static_cast<CausticsWindow&>(window("kafstikh")); }
TheoryWindow& Program::theoria() { return static_cast<TheoryWindow&>(window("theoria")); }

void Program::main_scene_changed() {
    for (const auto& window : windows_) {
        if (window) window->main_scene_changed();
    }
}

SharedScene Program::main_scene() { return arxiki().shared_scene(); }

Settings Program::settings() {
    const SharedScene scene = main_scene();
    return {.drop_radius = scene.drop.radius,
            .refractive_index = scene.drop.index,
            .angle_theta = scene.angle_deg,
            .drop_xc = scene.drop.centre.x,
            .drop_yc = scene.drop.centre.y,
            .source_y = scene.source_y,
            .cut_rays_built = has_cut_rays() && cut_rays().built()};
}

std::unique_ptr<BackgroundWork> Program::background_work() {
    if (background_work_factory_) return background_work_factory_();
    return WindowHost::background_work();
}

std::shared_ptr<KeptResults> Program::kept_results(std::string_view window) {
    const auto found = kept_results_.find(window);
    return found == kept_results_.end() ? nullptr : found->second;
}

void Program::keep_results(std::string_view window, std::shared_ptr<KeptResults> results) {
    kept_results_[std::string(window)] = std::move(results);
}

std::vector<Form*> Program::forms() {
    std::vector<Form*> all;
    for (const auto& window : windows_) {
        if (window) all.push_back(&window->form());
    }
    return all;
}

Form* Program::find_form(std::string_view name) {
    for (Form* f : forms()) {
        if (f->name() == name) return f;
    }
    return nullptr;
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
