#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/controls.h"
#include "forms/surface.h"

namespace rainbow {

// A window's model: caption, place, shown state, its controls in creation order and, for a
// window that draws on its own client area, that surface. Every handler lives in the code
// that builds the form; a view only shows the model and forwards the user's actions to it.
class Form {
public:
    // Borders of a window, in twips, between its outer size and its client area.
    static constexpr double border_twips = 60;
    static constexpr double caption_twips = 345;
    static constexpr double menu_bar_twips = 300;

    Form(std::string name, std::string caption, Geometry geometry);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    template <class C, class... Args>
    C& add(Args&&... args) {
        auto control = std::make_unique<C>(std::forward<Args>(args)...);
        C& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    OptionButton& add_option(std::string name, Geometry geometry, std::string caption,
                             bool value = false) {
        return add<OptionButton>(*this, std::move(name), geometry, std::move(caption), value);
    }

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find(std::string_view name) const;
    template <class C>
    C& get(std::string_view name) const {
        return dynamic_cast<C&>(*find_or_throw(name));
    }

    // The window's own client area as a drawing surface (the picture "client").
    Surface& make_client_surface();
    Surface* client_surface() { return client_.get(); }
    const Surface* client_surface() const { return client_.get(); }
    bool has_menu() const;

    // Outer place and size in twips; the client area follows.
    const Geometry& geometry() const { return geometry_; }
    void set_geometry(const Geometry& g);
    double client_width_twips() const;
    double client_height_twips() const;

    // A control's rectangle in twips, relative to the client area: control geometry is in
    // twips, or in the user units of a client surface that has a user scale.
    Geometry to_twips(const Geometry& g) const;
    // The frame a control sits in (its container, when that is a frame of this form), or null
    // for a control placed on the client area.
    Control* frame_of(const Control& control) const;
    // A control's rectangle in twips of what holds it: the frame it sits in (a frame keeps
    // twips for what it holds), or else the client area (see to_twips).
    Geometry placed_twips(const Control& control) const;
    // The inverse: a rectangle in twips from the client area's top-left corner, in the user
    // units of the client surface (unchanged while it has no user scale).
    Geometry from_twips(const Geometry& g) const;

    void show() { shown = true; }

    std::string caption;
    bool shown = false;
    std::string font = "Times New Roman";
    double font_size = 12;
    // What the window's own client area shows, for a window that draws on it.
    Description client_description;

    // Clears the other options of the group of `chosen`.
    void clear_group_of(const OptionButton& chosen);

private:
    Control* find_or_throw(std::string_view name) const;

    std::string name_;
    Geometry geometry_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<Surface> client_;
};

}  // namespace rainbow
