#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/color.h"
#include "forms/scale.h"

namespace rainbow {

// Pen styles of a surface.
enum class LineStyle : int { solid = 0, dashed = 1, dotted = 2, dash_dot = 3 };

// The items of a display list: plain records of what was drawn, in user coordinates
// (single precision, as drawn), with their colour and pen.
struct ScaleItem {
    float x1, y1, x2, y2;
    friend bool operator==(const ScaleItem&, const ScaleItem&) = default;
};
struct LineItem {
    float x1, y1, x2, y2;
    Rgb color;
    int width;
    int style;
    friend bool operator==(const LineItem&, const LineItem&) = default;
};
struct CircleItem {
    float x, y, r;
    Rgb color;
    int width;
    int style;
    std::optional<Rgb> fill;
    std::optional<float> start;  // arc start, radians counter-clockwise from +x
    std::optional<float> end;
    friend bool operator==(const CircleItem&, const CircleItem&) = default;
};
struct PsetItem {
    float x, y;
    Rgb color;
    int width;
    friend bool operator==(const PsetItem&, const PsetItem&) = default;
};
struct TextItem {
    float x, y;
    std::string text;
    Rgb color;
    friend bool operator==(const TextItem&, const TextItem&) = default;
};
using Item = std::variant<ScaleItem, LineItem, CircleItem, PsetItem, TextItem>;

// A drawing surface: a picture box or a window's client area. It keeps a user coordinate
// system, a pen, a fill and a text position, and records everything drawn as a display list
// that any player (a widget, an image, a JSON writer, a test) can replay.
class Surface {
public:
    // Height of one printed line, in twips (the picture's 8.25 pt font).
    static constexpr double line_height_twips = 195;

    Surface() = default;
    Surface(double width_twips, double height_twips);

    // The surface's size in twips, from its control's geometry. Until a user scale is set
    // the coordinates are twips from the top-left corner, y downward.
    void set_size_twips(double width, double height);
    double width_twips() const { return width_twips_; }
    double height_twips() const { return height_twips_; }

    void cls();
    void scale(double x1, double y1, double x2, double y2);
    void line(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, Rgb color);
    void circle(float x, float y, float r);
    void circle(float x, float y, float r, Rgb color);
    void arc(float x, float y, float r, Rgb color, float start, float end);
    void pset(float x, float y);
    void pset(float x, float y, Rgb color);
    void print(std::string_view text);

    double scale_left() const { return current_scale().x1; }
    double scale_top() const { return current_scale().y1; }
    double scale_width() const { return current_scale().width(); }
    double scale_height() const { return current_scale().height(); }
    Scale current_scale() const;
    bool has_user_scale() const { return user_scale_.has_value(); }

    // The scale in force before the first item of the list: what a player starts from.
    Scale base_scale() const;
    // The user scale in force before the first item, when one had been set.
    const std::optional<Scale>& base_user_scale() const { return base_user_scale_; }

    const std::vector<Item>& items() const { return items_; }

    // Grows by one at every Cls and every size change of a surface without user scale:
    // a cached raster of an older generation must be rebuilt, one of the same generation
    // only needs the items after those it already holds.
    std::uint64_t generation() const { return generation_; }

    // The pen and the text position, as the drawing procedures set them.
    Rgb fore_color = black;
    int draw_width = 1;
    LineStyle draw_style = LineStyle::solid;
    int fill_style = 1;  // 0 solid, 1 transparent
    Rgb fill_color = black;
    double current_x = 0;
    double current_y = 0;

private:
    Scale twips_scale() const { return Scale{0, 0, width_twips_, height_twips_}; }
    // Appends an item, constructing it in place in the list.
    template <class T>
    void record(T item) {
        items_.emplace_back(std::in_place_type<T>, std::move(item));
    }
    void circle_item(float x, float y, float r, Rgb color, std::optional<float> start,
                     std::optional<float> end);

    double width_twips_ = 0;
    double height_twips_ = 0;
    std::optional<Scale> user_scale_;
    std::optional<Scale> base_user_scale_;
    std::vector<Item> items_;
    std::uint64_t generation_ = 0;
};

}  // namespace rainbow
