#include "forms/surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "forms/screen.h"

namespace rainbow {
namespace {

Baker* installed_baker = nullptr;

bool finite(std::initializer_list<float> values) {
    for (float v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace

double Growth::at(double width_pixels, double height_pixels) const {
    const double side =
        longer_side ? std::max(width_pixels, height_pixels) : std::min(width_pixels, height_pixels);
    return reference_pixels > 0 ? side / reference_pixels : 1.0;
}

double Surface::own_growth() const {
    return growth_.at(width_twips_ / twips_per_pixel, height_twips_ / twips_per_pixel);
}

double Surface::line_twips() const {
    // On the screen text never shrinks below the desktop's normal font, about the designed
    // size: the lines keep room for that at least.
    return growth_ == Growth{} ? line_height_twips
                               : line_height_twips * std::max(1.0, own_growth());
}

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

std::optional<ScaleItem> Surface::leading_scale() const {
    if (!base_user_scale_ || items_.empty() || std::holds_alternative<ScaleItem>(items_.front()))
        return std::nullopt;
    const Scale& base = *base_user_scale_;
    return ScaleItem{float(base.x1), float(base.y1), float(base.x2), float(base.y2)};
}

void Surface::set_baker(Baker* baker) { installed_baker = baker; }

void Surface::bake() {
    if (installed_baker == nullptr) return;
    installed_baker->bake(*this, underlay_, items_, base_scale());
    baked_count_ += items_.size();
    items_.clear();
    // The list stays short from now on: give back what the long one held.
    if (items_.capacity() > 2 * bake_chunk) {
        std::vector<Item>().swap(items_);
        items_.reserve(bake_chunk + 1);
    }
    // What follows the baked items starts from the scale in force now.
    base_user_scale_ = user_scale_;
}

void Surface::cls() {
    items_.clear();
    baked_count_ = 0;
    underlay_.reset();
    base_user_scale_ = user_scale_;
    current_x = 0;
    current_y = 0;
    ++generation_;
}

void Surface::restore(const Surface& earlier) {
    const std::uint64_t next = std::max(generation_, earlier.generation_) + 1;
    *this = earlier;
    generation_ = next;
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

void Surface::image(float x1, float y1, float x2, float y2, int width, int height,
                    std::vector<std::uint8_t> rgb) {
    if (!finite({x1, y1, x2, y2}) || width <= 0 || height <= 0 ||
        rgb.size() != std::size_t(width) * std::size_t(height) * 3)
        return;
    record(ImageItem{x1, y1, x2, y2, width, height, std::move(rgb)});
}

void Surface::print(std::string_view text) {
    const float x = float(current_x);
    const float y = float(current_y);
    if (finite({x, y})) record(TextItem{x, y, std::string(text), fore_color, std::nullopt});
    // The text position moves to the start of the next line.
    const Scale s = current_scale();
    current_x = s.x1;
    if (height_twips_ > 0) current_y += line_twips() * s.height() / height_twips_;
}

void Surface::raise_texts(std::size_t first, Rgb color) {
    if (first >= items_.size()) return;
    // The scale an item is drawn under is the last scale item before it, if any.
    std::optional<ScaleItem> in_force;
    std::optional<ScaleItem> at_end;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (const auto* s = std::get_if<ScaleItem>(&items_[i])) {
            if (i < first) in_force = *s;
            at_end = *s;
        }
    }
    std::vector<Item> staying;
    std::vector<Item> raised;
    for (std::size_t i = first; i < items_.size(); ++i) {
        Item& item = items_[i];
        if (const auto* s = std::get_if<ScaleItem>(&item)) in_force = *s;
        if (auto* text = std::get_if<TextItem>(&item)) {
            text->backing = color;
            if (in_force == at_end) {
                raised.push_back(std::move(item));
                continue;
            }
        }
        staying.push_back(std::move(item));
    }
    items_.resize(first);
    for (Item& item : staying) items_.push_back(std::move(item));
    for (Item& item : raised) items_.push_back(std::move(item));
    // A raster cache of this list no longer holds its first items in order.
    ++generation_;
}

}  // namespace rainbow
