#pragma once

#include <QList>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "app/step.h"
#include "forms/form.h"

class QAction;
class QMenu;
class QScrollArea;

namespace rainbow {

class PictureActions;
class PictureWidget;

// What a form view needs from whoever shows the program's windows.
class FormViewHost {
public:
    virtual ~FormViewHost() = default;
    // The user acted on a control: the step is taken through the program (which records it)
    // and every view is brought up to date from the models.
    virtual void take_step(const Step& step) = 0;
    // The user closed the window of `form` from its title bar.
    virtual void close_requested(Form& form) = 0;
    // The screen in twips: a window that covers it is shown maximised.
    virtual Screen screen() const = 0;
    // Actions every picture's context menu ends with, after its own.
    virtual QList<QAction*> picture_actions() const { return {}; }
};

// Shows one form model as a real window: one widget per control, placed from the model's
// geometry (twips, or the user units of a scaled client area, to logical pixels), the menu
// as a menu bar, picture boxes and the form's own client surface as picture widgets. It
// holds no behaviour: a user's action becomes a step that the host takes on the program,
// then the host calls sync() on every view.
class FormView : public QObject {
public:
    FormView(Form& form, FormViewHost& host);
    ~FormView() override;

    Form& form() const { return form_; }
    QMainWindow* window() const { return window_.get(); }
    // The widget that shows a control (a QMenu for a menu; none for a menu item).
    QWidget* widget_for(std::string_view control_name) const;
    QAction* action_for(std::string_view item_name) const;
    PictureWidget* client_picture() const { return client_picture_; }
    // How much the form is scaled down as a whole so that it fits in the desktop's work area:
    // 1 where its designed layout fits.
    double view_scale() const { return view_scale_; }
    // The context menus of the window's pictures, in the order they were made.
    const std::vector<PictureActions*>& picture_menus() const { return picture_menus_; }

    // Brings the window and every widget up to date from the models, firing no events.
    void sync();
    // Shows the window, raises it and gives it the focus.
    void activate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void add_missing_widgets();
    QWidget* make_widget(Control& control);
    void add_menu_item(MenuItem& item);
    void sync_window();
    // Gives a new picture its context menu and shortcuts.
    void add_picture_menu(PictureWidget& picture);
    void sync_control(Control& control, QWidget* widget);
    QWidget* parent_for(const Control& control) const;
    QRect pixel_rect(const Control& control) const;
    // Twips to logical pixels as shown, scaled by view_scale().
    QRect to_pixels(const Geometry& twips) const;
    double pixels_per_twip() const;
    // The logical pixels the client area and every control would take unscaled.
    QSize designed_content_size() const;
    // Hands a user's action on a control of this form to the host.
    void act(Step::Action action, const Control& control, int value = 0);

    Form& form_;
    FormViewHost& host_;
    std::unique_ptr<QMainWindow> window_;
    QScrollArea* scroll_ = nullptr;
    QWidget* client_ = nullptr;
    PictureWidget* client_picture_ = nullptr;
    std::vector<PictureActions*> picture_menus_;
    std::map<Control*, QPointer<QWidget>> widgets_;
    std::map<Control*, QPointer<QAction>> actions_;
    std::map<std::string, QPointer<QMenu>> menus_;
    std::optional<Geometry> applied_geometry_;
    QSize applied_content_;
    double view_scale_ = 1;
    bool syncing_ = false;
};

}  // namespace rainbow
