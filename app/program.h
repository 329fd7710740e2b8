#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "app/background_work.h"
#include "app/settings.h"

namespace rainbow {

class Form;
class MainWindow;
class CutRaysWindow;
class CausticsWindow;
class TheoryWindow;

// Twips per pixel at the usual 96 dots per inch.
inline constexpr double twips_per_pixel = 15;

// The screen's size in twips: an input of the program.
struct Screen {
    double width_twips = 1920 * twips_per_pixel;
    double height_twips = 1080 * twips_per_pixel;
};

// The program: owns the shared settings and the three windows, and starts as the desktop
// program does (the main window is loaded and its first scene drawn). The ray-crossing and
// caustics windows are created on first use.
class Program {
public:
    explicit Program(Screen screen = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Settings settings;
    const Screen& screen() const { return screen_; }
    void set_screen(Screen screen) { screen_ = screen; }

    MainWindow& arxiki() { return *arxiki_; }
    CutRaysWindow& cut_rays();  // created, not yet built, on first call
    CausticsWindow& kafstikh();  // created, not yet opened, on first call
    TheoryWindow& theoria();     // created, not yet opened, on first call
    bool has_cut_rays() const { return cut_rays_ != nullptr; }
    bool has_kafstikh() const { return kafstikh_ != nullptr; }
    bool has_theoria() const { return theoria_ != nullptr; }

    // The windows that exist, in the order main window, ray crossing, caustics, theory.
    std::vector<Form*> forms();
    Form* find_form(std::string_view name);

    // Where windows run their long computations: the desktop program hands a factory of
    // runners on its thread pool; without one, jobs run at once to the end.
    void set_background_work_factory(std::function<std::unique_ptr<BackgroundWork>()> factory) {
        background_work_factory_ = std::move(factory);
    }
    std::unique_ptr<BackgroundWork> make_background_work() const;

    // End: every window closes and the program stops at once.
    void end();
    bool ended() const { return ended_; }

    // A window asks for the focus; the view honours the request after the event.
    void give_focus(Form& form) { focus_request_ = &form; }
    Form* take_focus_request();

private:
    Screen screen_;
    std::unique_ptr<MainWindow> arxiki_;
    std::unique_ptr<CutRaysWindow> cut_rays_;
    std::unique_ptr<CausticsWindow> kafstikh_;
    std::unique_ptr<TheoryWindow> theoria_;
    bool ended_ = false;
    Form* focus_request_ = nullptr;
    std::function<std::unique_ptr<BackgroundWork>()> background_work_factory_;
};

}  // namespace rainbow
