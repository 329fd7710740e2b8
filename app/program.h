#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/step.h"
#include "forms/screen.h"
#include "forms/settings.h"
#include "forms/window.h"

namespace rainbow {

class Form;
class MainWindow;
class CutRaysWindow;
class CausticsWindow;
class TheoryWindow;

// The screens the program is laid out for, in pixels on each side; picture files are bounded
// by the same limit.
inline constexpr int smallest_screen_pixels = 100;
inline constexpr int largest_screen_pixels = largest_picture_pixels;

// The program: owns its windows, and starts as the desktop program
// does (the first window is opened: the main window is loaded and its first scene drawn).
// Every other window is created on first use.
class Program final : public WindowHost {
public:
    explicit Program(Screen screen = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The state's settings: a snapshot of the main window's scene and of the ray-crossing
    // window, taken now.
    Settings settings();
    SharedScene main_scene() override;
    const Screen& screen() const override { return screen_; }
    void set_screen(Screen screen) { screen_ = screen; }

    // The names of the program's windows (their forms' names), the main window first.
    static std::vector<std::string_view> window_names();
    // The windows by their form's name, created (not opened) on first call.
    Window& window(std::string_view name);
    bool has_window(std::string_view name) const;

    MainWindow& arxiki();
    CutRaysWindow& cut_rays();   // created, not yet built, on first call
    CausticsWindow& kafstikh();  // created, not yet opened, on first call
    TheoryWindow& theoria();     // created, not yet opened, on first call
    bool has_cut_rays() const { return has_window("cut_rays"); }
    bool has_kafstikh() const { return has_window("kafstikh"); }
    bool has_theoria() const { return has_window("theoria"); }

    // The windows that exist, in the order of the program's list of windows.
    std::vector<Form*> forms();
    Form* find_form(std::string_view name);

    // End: every window closes and the program stops at once.
    void end() override;
    bool ended() const { return ended_; }

    // A window asks for the focus; the view honours the request after the event.
    void give_focus(Form& form) { focus_request_ = &form; }
    void give_focus(std::string_view window) override { give_focus(this->window(window).form()); }
    Form* take_focus_request();

    // The window opened comes to the front, whether it was open already or not.
    void open_window(std::string_view name) override {
        Window& opened = window(name);
        opened.open();
        give_focus(opened.form());
    }

    // The steps a user has taken since start-up, in order (see take_step); the changes the
    // handlers make are not steps.
    const std::vector<Step>& steps() const { return steps_; }
    void record(const Step& step) { steps_.push_back(step); }
    void main_scene_changed() override;

    // Where windows run their long computations: the desktop program hands a factory of
    // runners on its thread pool; without one, jobs run at once to the end.
    void set_background_work_factory(std::function<std::unique_ptr<BackgroundWork>()> factory) {
        background_work_factory_ = std::move(factory);
    }
    std::unique_ptr<BackgroundWork> background_work() override;

    // The windows' kept results (see KeptResults), shared with `previous` from now on: the
    // windows made here draw what it computed at once. Both programs add to them.
    void share_kept_results(const Program& previous) { kept_results_ = previous.kept_results_; }
    std::shared_ptr<KeptResults> kept_results(std::string_view window) override;
    void keep_results(std::string_view window, std::shared_ptr<KeptResults> results) override;

    // The translator of the windows' new words, for windows created from now on (a window
    // created before keeps its language).
    void set_translate(Translate translate) { translate_ = std::move(translate); }
    const Translate& translate() const override { return translate_; }

private:
    Screen screen_;
    // One place per window of the program's list, empty until the window is created.
    std::vector<std::unique_ptr<Window>> windows_;
    bool ended_ = false;
    Form* focus_request_ = nullptr;
    std::vector<Step> steps_;
    std::function<std::unique_ptr<BackgroundWork>()> background_work_factory_;
    std::map<std::string, std::shared_ptr<KeptResults>, std::less<>> kept_results_;
    Translate translate_;
};

}  // namespace rainbow
