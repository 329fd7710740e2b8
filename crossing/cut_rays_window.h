#pragma once

#include "crossing/cut_rays_values.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/window.h"

namespace rainbow {

// The ray-crossing window "cut_rays": it fills the screen and draws on its own client area
// where a ray refracted through a sphere is cut by a second ray. Its scroll bars choose the
// heights of the two rays and the index, its options the special ray, its menu the kind of
// rays; every change clears the picture and draws it again.
class CutRaysWindow : public Window {
public:
    explicit CutRaysWindow(WindowHost& host);

    Form& form() override { return form_; }
    Surface& client() { return *form_.client_surface(); }
    CutRaysValues& values() { return values_; }
    const CutRaysValues& values() const { return values_; }

    // Runs when the window is first referenced: parallel rays.
    void Form_Load();

    // First use: sizes the window to the screen, scales its client area, lays the controls
    // out and draws the picture.
    void build_cut_rays_window();
    // Later uses: shows the window again and redraws over the present picture.
    void show_and_redraw();
    // Builds the window on its first opening, later shows it again and redraws.
    void open() override;
    // The window has been built by its first opening.
    bool built() const { return built_; }

    // The picture from the controls as they stand, drawn over what is on the client area.
    void draw_ray_crossing();

private:
    WindowHost& host_;
    Form form_;
    CutRaysValues values_;
    bool built_ = false;

    void lay_out_controls();
    void keep_angle_text_clear();
    void clear_and_redraw();

public:
    ScrollBar& position_of_ray;
    ScrollBar& defteri_aktina;
    ScrollBar& allagideikth;
    OptionButton& SPECIAL_RAY;
    OptionButton& NON_SPECIAL;
    Label& Label1;
    Label& Label2;
    Label& Label3;
    CommandButton& Command1;  // "END"
    CommandButton& Command2;  // "BACK"
    CommandButton& Command3;  // "SHOW WAVES"
    Menu& EIDOSAKTINON;       // "RAYS"
    MenuItem& PARALLHLES;     // "PARALLEL RAYS"
    MenuItem& SOURCEONAXIS;   // "SOURCE ON AXIS"

    void position_of_ray_Change();
    void defteri_aktina_Change();
    void allagideikth_Change();
    void PARALLHLES_Click();
    void SOURCEONAXIS_Click();
    void SPECIAL_RAY_Click();
    void NON_SPECIAL_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

}  // namespace rainbow
