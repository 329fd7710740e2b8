#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "app/step.h"

namespace rainbow {

class Form;
class MainWindow;
class CutRaysWindow;
class CausticsWindow;

// Twips per pixel at the usual 96 dots per inch.
inline constexpr double twips_per_pixel = 15;
// The screens the program is laid out for, in pixels on each side.
inline constexpr int smallest_screen_pixels = 100;
inline constexpr int largest_screen_pixels = 20000;

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
    bool has_cut_rays() const { return cut_rays_ != nullptr; }
    bool has_kafstikh() const { return kafstikh_ != nullptr; }

    // The windows that exist, in the order main window, ray crossing, caustics.
    std::vector<Form*> forms();
    Form* find_form(std::string_view name);

    // End: every window closes and the program stops at once.
    void end();
    bool ended() const { return ended_; }

    // A window asks for the focus; the view honours the request after the event.
    void give_focus(Form& form) { focus_request_ = &form; }
    Form* take_focus_request();

    // The steps a user has taken since start-up, in order (see take_step); the changes the
    // handlers make are not steps.
    const std::vector<Step>& steps() const { return steps_; }
    void record(const Step& step) { steps_.push_back(step); }

private:
    Screen screen_;
    std::unique_ptr<MainWindow> arxiki_;
    std::unique_ptr<CutRaysWindow> cut_rays_;
    std::unique_ptr<CausticsWindow> kafstikh_;
    bool ended_ = false;
    Form* focus_request_ = nullptr;
    std::vector<Step> steps_;
};

}  // namespace rainbow
