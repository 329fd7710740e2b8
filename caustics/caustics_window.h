#pragma once

#include <optional>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/window.h"

namespace rainbow {

// The caustics window "kafstikh": the picture eikona, on which the refraction of a beam by a
// sphere, the reflected rays with their caustic and the wave fronts are drawn, the sphere's
// radius AKTIN, the wavelength timhv (hundredths), the choice of index and the buttons.
class CausticsWindow : public Window {
public:
    explicit CausticsWindow(WindowHost& host);
    Form& form() override { return form_; }

    // Sizes the window to the screen, shows it, scales eikona to -40..40, draws the axis and
    // lays the controls out. Every call repeats all of it.
    void open_caustics_window();
    void open() override { open_caustics_window(); }

    // The index of the chosen option: 1.33, 1.5 or 1.7; none when no option is chosen.
    std::optional<double> chosen_index() const;
    // The index the pictures are drawn with: the one the refraction picture was last drawn
    // with (its chosen option's), or before that the main window's drop's, asked of it now.
    double refractive_index() const;
    // Radius of the sphere in picture units.
    double sphere_radius() const { return AKTIN.value(); }
    // Clears eikona and draws the refraction picture with the chosen index.
    void draw_refraction_scene();

private:
    WindowHost& host_;
    Form form_;
    std::optional<double> refraction_index_;  // of the last refraction picture

public:
    PictureBox& eikona;
    CommandButton& Command1;  // "REFRACTION ON SPHERE"
    CommandButton& Command2;  // "REFLETED & CAUSTIC"
    CommandButton& Command3;  // "END"
    CommandButton& Command4;  // "WAVE FRONTS"
    OptionButton& Option1;    // n = 1.33
    OptionButton& Option2;    // n = 1.5
    OptionButton& Option3;    // n = 1.7
    ScrollBar& AKTIN;
    ScrollBar& timhv;
    Label& Label1;
    Label& Label2;

    void AKTIN_Change();
    void timhv_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
};

}  // namespace rainbow
