#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/color.h"
#include "forms/surface.h"

namespace rainbow {

class Form;

enum class ControlKind { scrollbar, option, button, label, frame, menu, menuitem, picture };

// The JSON name of a kind: "scrollbar", "option", ...
const char* kind_name(ControlKind kind);

// Left, top, width and height, in the form's units (twips, or the user units of a form whose
// client area has been scaled).
struct Geometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

using Event = std::function<void()>;

// What every control has: a name, a caption, visibility and a place on its form.
class Control {
public:
    Control(std::string name, ControlKind kind, Geometry geometry);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    const Geometry& geometry() const { return geometry_; }
    double left() const { return geometry_.left; }
    double top() const { return geometry_.top; }
    double width() const { return geometry_.width; }
    double height() const { return geometry_.height; }
    void set_left(double v) { set_geometry({v, top(), width(), height()}); }
    void set_top(double v) { set_geometry({left(), v, width(), height()}); }
    void set_width(double v) { set_geometry({left(), top(), v, height()}); }
    void set_height(double v) { set_geometry({left(), top(), width(), v}); }
    virtual void set_geometry(const Geometry& g) { geometry_ = g; }

    std::string caption;
    bool visible = true;
    // The frame an option sits in, or the menu an item belongs to; empty for the form itself.
    std::string container;
    // Text colour and background; no background means the form's own.
    Rgb fore_color = black;
    std::optional<Rgb> back_color;
    // Font family and size in points, as the window designs them.
    std::string font = "MS Sans Serif";
    double font_size = 8.25;

private:
    std::string name_;
    ControlKind kind_;
    Geometry geometry_;
};

// A scroll bar. Min may exceed Max: the value then runs from Max to Min, Min at the top
// (or left) end. Every change of the value, by the user or by code, fires the Change event.
class ScrollBar : public Control {
public:
    ScrollBar(std::string name, Geometry geometry, bool vertical, int min, int max, int value);

    bool vertical() const { return vertical_; }
    int value() const { return value_; }
    int min() const { return min_; }
    int max() const { return max_; }
    bool accepts(int v) const;

    // Takes the value (fires Change when it differs); throws std::out_of_range when the value
    // lies outside the range.
    void set_value(int v);
    // Takes the value clamped into the range: how a start value set in code that the range
    // cannot hold (a range laid out from the screen's size) still gives a usable bar.
    void set_value_clamped(int v);
    // Changing an end of the range pulls the value inside the new range (firing Change).
    void set_min(int v);
    void set_max(int v);

    int large_change = 1;
    int small_change = 1;
    Event on_change;

private:
    int clamped(int v) const;
    void pull_into_range();
    bool vertical_;
    int min_;
    int max_;
    int value_;
};

// An option button; the options with the same container form one group, of which at most one
// is chosen. Choosing one clears the others and fires its Click event, unless it was chosen
// already.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, Geometry geometry, std::string caption,
                 bool value = false);
    bool value() const { return value_; }
    void set_value(bool v);
    void click() { set_value(true); }
    Event on_click;

private:
    friend class Form;
    Form& form_;
    bool value_;
};

class CommandButton : public Control {
public:
    CommandButton(std::string name, Geometry geometry, std::string caption);
    void click();
    Event on_click;
};

class Label : public Control {
public:
    Label(std::string name, Geometry geometry, std::string caption);
};

class Frame : public Control {
public:
    Frame(std::string name, Geometry geometry, std::string caption);
};

class Menu : public Control {
public:
    Menu(std::string name, std::string caption);
};

class MenuItem : public Control {
public:
    MenuItem(std::string name, std::string menu, std::string caption, bool checked = false);
    void click();
    bool checked;
    Event on_click;
};

// A picture box: a control that owns a drawing surface of its own size.
class PictureBox : public Control {
public:
    PictureBox(std::string name, Geometry geometry);
    void set_geometry(const Geometry& g) override;
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

private:
    Surface surface_;
};

}  // namespace rainbow
