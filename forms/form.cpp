#include "forms/form.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace rainbow {

Form::Form(std::string name, std::string caption, Geometry geometry)
    : caption(std::move(caption)), name_(std::move(name)), geometry_(geometry) {}

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->name() == name) return c.get();
    }
    return nullptr;
}

Control* Form::find_or_throw(std::string_view name) const {
    Control* c = find(name);
    if (c == nullptr) throw std::out_of_range(name_ + " has no control " + std::string(name));
    return c;
}

Surface& Form::make_client_surface() {
    if (!client_) client_ = std::make_unique<Surface>(client_width_twips(), client_height_twips());
    return *client_;
}

bool Form::has_menu() const {
    for (const auto& c : controls_) {
        if (c->kind() == ControlKind::menu) return true;
    }
    return false;
}

void Form::set_geometry(const Geometry& g) {
    geometry_ = g;
    if (client_) client_->set_size_twips(client_width_twips(), client_height_twips());
}

double Form::client_width_twips() const {
    return std::max(0.0, geometry_.width - 2 * border_twips);
}

double Form::client_height_twips() const {
    const double bars = caption_twips + border_twips + (has_menu() ? menu_bar_twips : 0);
    return std::max(0.0, geometry_.height - bars);
}

Control* Form::frame_of(const Control& control) const {
    if (control.container.empty()) return nullptr;
    Control* frame = find(control.container);
    return frame != nullptr && frame->kind() == ControlKind::frame ? frame : nullptr;
}

Geometry Form::placed_twips(const Control& control) const {
    return frame_of(control) != nullptr ? control.geometry() : to_twips(control.geometry());
}

Geometry Form::to_twips(const Geometry& g) const {
    if (!client_ || !client_->has_user_scale()) return g;
    const Scale s = client_->current_scale();
    const double kx = client_->width_twips() / s.width();
    const double ky = client_->height_twips() / s.height();
    return Geometry{(g.left - s.x1) * kx, (g.top - s.y1) * ky, g.width * std::fabs(kx),
                    g.height * std::fabs(ky)};
}

Geometry Form::from_twips(const Geometry& g) const {
    if (!client_ || !client_->has_user_scale()) return g;
    const Scale s = client_->current_scale();
    const double ux = s.width() / client_->width_twips();
    const double uy = s.height() / client_->height_twips();
    return Geometry{s.x1 + g.left * ux, s.y1 + g.top * uy, g.width * std::fabs(ux),
                    g.height * std::fabs(uy)};
}

void Form::clear_group_of(const OptionButton& chosen) {
    for (const auto& c : controls_) {
        if (c->kind() != ControlKind::option || c.get() == &chosen) continue;
        auto& other = static_cast<OptionButton&>(*c);
        if (other.container == chosen.container) other.value_ = false;
    }
}

}  // namespace rainbow
