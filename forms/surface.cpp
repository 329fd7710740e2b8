#include "forms/surface.h"

#include <cmath>

namespace rainbow {
namespace {

bool finite(std::initializer_list<float> values) {
    for (float v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace

Surface::Surface(double width_twips, double height_twips) {
    set_size_twips(width_twips, height_twips);
}

void Surface::set_size_twips(double width, double height) {
    if (width == width_twips_ && height == height_twips_) return;
    width_twips_ = width;
    height_twips_ = height;
    if (!user_scale_) ++generation_;
}

Scale Surface::current_scale() const { return user_scale_ ? *user_scale_ : twips_scale(); }

Scale Surface::base_scale() const { return base_user_scale_ ? *base_user_scale_ : twips_scale(); }

void Surface::cls() {
    items_.clear();
    base_user_scale_ = user_scale_;
    current_x = 0;
    current_y = 0;
    ++generation_;
}

void Surface::scale(double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        x1 == x2 || y1 == y2) {
        return;
    }
    user_scale_ = Scale{x1, y1, x2, y2};
    record(ScaleItem{float(x1), float(y1), float(x2), float(y2)});
}

void Surface::line(float x1, float y1, float x2, float y2) { line(x1, y1, x2, y2, fore_color); }

void Surface::line(float x1, float y1, float x2, float y2, Rgb color) {
    if (!finite({x1, y1, x2, y2})) return;
    record(LineItem{x1, y1, x2, y2, color, draw_width, static_cast<int>(draw_style)});
    current_x = x2;
    current_y = y2;
}

void Surface::circle(float x, float y, float r) { circle(x, y, r, fore_color); }

void Surface::circle(float x, float y, float r, Rgb color) {
    circle_item(x, y, r, color, std::nullopt, std::nullopt);
}

void Surface::arc(float x, float y, float r, Rgb color, float start, float end) {
    if (!finite({start, end})) return;
    circle_item(x, y, r, color, start, end);
}

void Surface::circle_item(float x, float y, float r, Rgb color, std::optional<float> start,
                          std::optional<float> end) {
    if (!finite({x, y, r})) return;
    std::optional<Rgb> fill;
    if (fill_style == 0) fill = fill_color;
    record(CircleItem{x, y, std::fabs(r), color, draw_width, static_cast<int>(draw_style), fill,
                      start, end});
    current_x = x;
    current_y = y;
}

void Surface::pset(float x, float y) { pset(x, y, fore_color); }

void Surface::pset(float x, float y, Rgb color) {
    if (!finite({x, y})) return;
    record(PsetItem{x, y, color, draw_width});
    current_x = x;
    current_y = y;
}

void Surface::print(std::string_view text) {
    const float x = float(current_x);
    const float y = float(current_y);
    if (finite({x, y})) record(TextItem{x, y, std::string(text), fore_color});
    // The text position moves to the start of the next line.
    const Scale s = current_scale();
    current_x = s.x1;
    if (height_twips_ > 0) current_y += line_height_twips * s.height() / height_twips_;
}

}  // namespace rainbow
