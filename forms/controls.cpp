#include "forms/controls.h"

#include <algorithm>
#include <stdexcept>

#include "forms/form.h"

namespace rainbow {

const char* kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::scrollbar: return "scrollbar";
        case ControlKind::option: return "option";
        case ControlKind::button: return "button";
        case ControlKind::label: return "label";
        case ControlKind::frame: return "frame";
        case ControlKind::menu: return "menu";
        case ControlKind::menuitem: return "menuitem";
        case ControlKind::picture: return "picture";
    }
    return "?";
}

Control::Control(std::string name, ControlKind kind, Geometry geometry)
    : name_(std::move(name)), kind_(kind), geometry_(geometry) {}

ScrollBar::ScrollBar(std::string name, Geometry geometry, bool vertical, int min, int max,
                     int value)
    : Control(std::move(name), ControlKind::scrollbar, geometry),
      vertical_(vertical),
      min_(min),
      max_(max),
      value_(value) {
    if (!accepts(value)) throw std::out_of_range("scroll bar value out of range");
}

bool ScrollBar::accepts(int v) const {
    return v >= std::min(min_, max_) && v <= std::max(min_, max_);
}

void ScrollBar::set_value(int v) {
    if (!accepts(v)) {
        throw std::out_of_range(name() + ": " + std::to_string(v) + " is outside " +
                                std::to_string(min_) + " to " + std::to_string(max_));
    }
    if (v == value_) return;
    value_ = v;
    if (on_change) on_change();
}

int ScrollBar::clamped(int v) const {
    return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

void ScrollBar::set_value_clamped(int v) { set_value(clamped(v)); }

void ScrollBar::set_min(int v) {
    min_ = v;
    pull_into_range();
}

void ScrollBar::set_max(int v) {
    max_ = v;
    pull_into_range();
}

void ScrollBar::pull_into_range() {
    const int inside = clamped(value_);
    if (inside == value_) return;
    value_ = inside;
    if (on_change) on_change();
}

OptionButton::OptionButton(Form& form, std::string name, Geometry geometry, std::string caption,
                           bool value)
    : Control(std::move(name), ControlKind::option, geometry), form_(form), value_(value) {
    this->caption = std::move(caption);
}

void OptionButton::set_value(bool v) {
    if (!v) {
        value_ = false;
        return;
    }
    if (value_) return;
    value_ = true;
    form_.clear_group_of(*this);
    if (on_click) on_click();
}

CommandButton::CommandButton(std::string name, Geometry geometry, std::string caption)
    : Control(std::move(name), ControlKind::button, geometry) {
    this->caption = std::move(caption);
}

void CommandButton::click() {
    if (on_click) on_click();
}

Label::Label(std::string name, Geometry geometry, std::string caption)
    : Control(std::move(name), ControlKind::label, geometry) {
    this->caption = std::move(caption);
    font = "Arial";
}

Frame::Frame(std::string name, Geometry geometry, std::string caption)
    : Control(std::move(name), ControlKind::frame, geometry) {
    this->caption = std::move(caption);
}

Menu::Menu(std::string name, std::string caption)
    : Control(std::move(name), ControlKind::menu, Geometry{}) {
    this->caption = std::move(caption);
}

MenuItem::MenuItem(std::string name, std::string menu, std::string caption, bool checked)
    : Control(std::move(name), ControlKind::menuitem, Geometry{}), checked(checked) {
    this->caption = std::move(caption);
    container = std::move(menu);
}

void MenuItem::click() {
    if (on_click) on_click();
}

PictureBox::PictureBox(std::string name, Geometry geometry)
    : Control(std::move(name), ControlKind::picture, geometry),
      surface_(geometry.width, geometry.height) {}

void PictureBox::set_geometry(const Geometry& g) {
    Control::set_geometry(g);
    surface_.set_size_twips(g.width, g.height);
}

}  // namespace rainbow
