#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/color.h"
#include "forms/pen.h"
#include "forms/scale.h"

namespace rainbow {

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
    std::optional<Rgb> backing;  // a box of this colour behind the text, or none
    friend bool operator==(const TextItem&, const TextItem&) = default;
};
// A raster placed with its corners at (x1, y1) and (x2, y2): `width` x `height` pixels,
// their red, green and blue bytes row by row, the first row along y1 and the first column
// along x1. For a computed colour map (the Lee diagram): no pen, no edges between pixels.
struct ImageItem {
    float x1, y1, x2, y2;
    int width, height;
    std::vector<std::uint8_t> rgb;
    friend bool operator==(const ImageItem&, const ImageItem&) = default;
};
using Item = std::variant<ScaleItem, LineItem, CircleItem, PsetItem, TextItem, ImageItem>;

class Surface;

// How a picture's pens and text grow with the size it is painted at: in proportion to one of
// its sides, at their designed sizes (a pen of width w is w pixels wide, the text 8.25 pt)
// when that side is `reference_pixels` long. Most pictures grow with their shorter side, the
// reference being the main picture of a 1920 x 1080 screen; a wide, short plot grows with its
// longer side.
struct Growth {
    bool longer_side = false;
    double reference_pixels = 810;
    // The factor for a picture painted at that size, in pixels.
    double at(double width_pixels, double height_pixels) const;
    friend bool operator==(const Growth&, const Growth&) = default;
};

// The pixels that items baked out of a surface's display list became. The surface only keeps
// them, under the items still listed; a player that knows pixels makes them and paints them.
class Underlay {
public:
    virtual ~Underlay() = default;
};

// Bakes items into an underlay: implemented by a player (the Qt adapter) and installed once
// by a program that has one. Without a baker a surface keeps every item.
class Baker {
public:
    virtual ~Baker() = default;
    // Paints `items` of `surface`, starting from `scale`, over `underlay`: makes the underlay
    // when it is null, and a new one when another surface shares it.
    virtual void bake(const Surface& surface, std::shared_ptr<Underlay>& underlay,
                      std::span<const Item> items, Scale scale) = 0;
};

// A drawing surface: a picture box or a window's client area. It keeps a user coordinate
// system, a pen, a fill and a text position, and records everything drawn as a display list
// that any player (a widget, an image, a JSON writer, a test) can replay.
class Surface {
public:
    // Height of one printed line, in twips (the picture's 8.25 pt font).
    static constexpr double line_height_twips = 195;

    Surface() = default;
    Surface(double width_twips, double height_twips);

    // How the picture's pens and text grow (see Growth); the default is the windows' own.
    void set_growth(const Growth& growth) { growth_ = growth; }
    const Growth& growth() const { return growth_; }
    // The growth of the picture painted at its own size.
    double own_growth() const;
    // The height of one printed line in twips of the surface, as printing lays text out: the
    // designed line for a picture of the default growth (the windows are laid out for it),
    // and the line grown with the picture for any other, never under the designed line.
    double line_twips() const;

    // The surface's size in twips, from its control's geometry. Until a user scale is set
    // the coordinates are twips from the top-left corner, y downward.
    void set_size_twips(double width, double height);
    double width_twips() const { return width_twips_; }
    double height_twips() const { return height_twips_; }

    void cls();
    // Takes back the whole of an earlier copy (items, scale, pen, text position) as a change
    // of its own: a cached raster of either is rebuilt.
    void restore(const Surface& earlier);
    void scale(double x1, double y1, double x2, double y2);
    void line(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, Rgb color);
    void circle(float x, float y, float r);
    void circle(float x, float y, float r, Rgb color);
    void arc(float x, float y, float r, Rgb color, float start, float end);
    void pset(float x, float y);
    void pset(float x, float y, Rgb color);
    void print(std::string_view text);
    // Places a raster (see ImageItem); `rgb` holds 3 x width x height bytes, or nothing is
    // recorded.
    void image(float x1, float y1, float x2, float y2, int width, int height,
               std::vector<std::uint8_t> rgb);
    // Lifts the texts drawn since item `first` above everything drawn after them, in their
    // order and each on a backing of `color`, so that no later line crosses them. A text
    // stays in its place (on its backing) where a later scale would change its meaning.
    void raise_texts(std::size_t first, Rgb color);

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
    // The scale item a reader of the items alone needs first: the user scale a list was
    // cleared under, when the list does not start with a scale of its own.
    std::optional<ScaleItem> leading_scale() const;

    const std::vector<Item>& items() const { return items_; }

    // A picture drawn over and over without Cls stays bounded. Once its list holds more than
    // `bake_cap` items, and a baker is installed, the items are baked into the underlay; from
    // then on that happens again whenever more than `bake_chunk` items are listed. Ordinary
    // pictures stay far below the cap and are never baked.
    static constexpr std::size_t bake_cap = 20000;
    static constexpr std::size_t bake_chunk = 256;
    // The baker of every surface; null (the default) keeps every item.
    static void set_baker(Baker* baker);
    // How many items were baked since the last Cls; the items listed come after them.
    std::size_t baked_count() const { return baked_count_; }
    // What the baked items became, drawn under the listed items; null when nothing was baked.
    const Underlay* underlay() const { return underlay_.get(); }

    // Grows by one at every Cls and every size change of a surface without user scale:
    // a cached raster of an older generation must be rebuilt, one of the same generation
    // only needs the items after those it already holds.
    std::uint64_t generation() const { return generation_; }

    // The pen and the text position, as the drawing procedures set them.
    Rgb fore_color = black;
    int draw_width = 1;
    LineStyle draw_style = LineStyle::solid;
    Pen pen() const { return {fore_color, draw_width, draw_style}; }
    void set_pen(const Pen& pen) {
        fore_color = pen.color;
        draw_width = pen.width;
        draw_style = pen.style;
    }
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
        if (items_.size() > (baked_count_ == 0 ? bake_cap : bake_chunk)) bake();
    }
    void bake();
    void circle_item(float x, float y, float r, Rgb color, std::optional<float> start,
                     std::optional<float> end);

    double width_twips_ = 0;
    double height_twips_ = 0;
    Growth growth_;
    std::optional<Scale> user_scale_;
    std::optional<Scale> base_user_scale_;
    std::vector<Item> items_;
    std::uint64_t generation_ = 0;
    std::size_t baked_count_ = 0;
    std::shared_ptr<Underlay> underlay_;
};

// Keeps a surface's pen for a scope: the pen it had when the saver was made comes back when
// the saver goes out of scope. Made with a width or a style, it draws with that meanwhile.
class ScopedPen {
public:
    explicit ScopedPen(Surface& surface) : surface_(surface), kept_(surface.pen()) {}
    ScopedPen(Surface& surface, int width) : ScopedPen(surface) { surface.draw_width = width; }
    ScopedPen(Surface& surface, LineStyle style) : ScopedPen(surface) {
        surface.draw_style = style;
    }
    ~ScopedPen() { surface_.set_pen(kept_); }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    Surface& surface_;
    Pen kept_;
};

}  // namespace rainbow
