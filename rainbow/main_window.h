#pragma once

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/window.h"
#include "rainbow/constructions.h"
#include "rainbow/scene.h"

namespace rainbow {

// The main window "arxiki": the picture Picture1 and the controls that choose the angle, the
// number of rays and reflections, the drop's and the source's heights, the material and the
// kind of beam. Its handlers write labels, clear the picture and call a view with the drop the
// window keeps; what a view computes comes back as a value.
class MainWindow : public Window {
public:
    explicit MainWindow(WindowHost& host);

    Form& form() override { return form_; }
    WindowHost& host() { return host_; }

    // Start-up: the window is loaded, laid out and shown, and the first scene drawn.
    void open() override;

    // Runs when the window is first referenced: seeds the labels.
    void Form_Load();

    // What the controls choose, as the drawing procedures take it.
    SceneChoice choice() const;

    // True when the point source is chosen (otherwise the parallel beam).
    bool point_source_chosen() const { return pointsource.value(); }
    // Picture1.Cls and the main scene again.
    void redraw();
    // Draws the main scene the controls choose over the picture, keeps its drop and the
    // incidence of its central ray, and tells the other windows.
    void draw_scene();
    // What the window shares: its drop, the source's height its last picture was drawn with,
    // its angle and its scene's central incidence.
    SharedScene shared_scene() const;
    // HScroll1 and Label3 hidden.
    void hide_ray_selector();

private:
    using View = ConstructionView;
    // Runs the view for the chosen beam with the window's drop, its centre moved to `centre`.
    void run_view(View point_view, View parallel_view, Point centre);

    WindowHost& host_;
    Form form_;
    // The drop and source height the pictures were last drawn with, and the scene's central
    // incidence (degrees).
    SharedScene scene_;

public:
    PictureBox& Picture1;
    ScrollBar& goniatheta;
    ScrollBar& arithaktinon;
    ScrollBar& Ycthesi;
    ScrollBar& psipigi;
    ScrollBar& arithanak;
    ScrollBar& HScroll1;
    OptionButton& pointsource;
    OptionButton& parallel;
    Frame& Frame1;
    OptionButton& Option1;  // "Water"
    OptionButton& Option2;  // "glass"
    CommandButton& Command1;
    CommandButton& Command2;
    CommandButton& Command3;
    CommandButton& Command4;
    CommandButton& Command5;
    CommandButton& Command6;
    CommandButton& Command7;  // "Theory · Θεωρία": opens the theory window
    Label& Label1;
    Label& Label2;
    Label& Label3;
    Label& Label4;
    Label& Label5;
    Label& Label6;

    // Handlers of the controls that redraw the main scene.
    void arithaktinon_Change();
    void arithanak_Change();
    void goniatheta_Change();
    void Ycthesi_Change();
    void psipigi_Change();
    void Option1_Click();
    void Option2_Click();
    void parallel_Click();
    void pointsource_Click();

    // Handlers of the command buttons and the ray selector.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void HScroll1_Change();
};

}  // namespace rainbow
