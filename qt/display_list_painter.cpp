#include "qt/display_list_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

#include "forms/screen.h"
#include "qt/fonts.h"
#include "qt/raster_underlay.h"

namespace rainbow {
namespace {

// Items far outside the paint area are cut to this margin (pixels) before Qt sees them, so
// that a nearly infinite ray neither overflows the rasteriser nor dashes for ever.
constexpr double clip_margin = 64;
// Circles larger than this (pixels) are not drawn: they cannot be told from lines anyway.
constexpr double largest_radius = 1e6;

QColor to_qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle pen_style(int style) {
    switch (LineStyle(style)) {
        case LineStyle::dashed: return Qt::DashLine;
        case LineStyle::dotted: return Qt::DotLine;
        case LineStyle::dash_dot: return Qt::DashDotLine;
        case LineStyle::solid: break;
    }
    return Qt::SolidLine;
}

// How wide a pen or a dot of the display list is drawn on one paint area.
class PenScale {
public:
    PenScale(const QPainter& painter, QSizeF size, const Growth& growth) {
        const double world = std::sqrt(std::fabs(painter.worldTransform().determinant()));
        const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        device_pixels_ = world > 0 ? world * ratio : ratio;
        growth_ = growth.at(size.width(), size.height()) * device_pixels_;
    }
    double device_pixels() const { return device_pixels_; }
    // A width of the list in whole device pixels, at least one.
    int device_width(int list_width) const {
        return int(std::max(1.0, std::round(std::max(1, list_width) * growth_)));
    }
    // ... and in painter units.
    double width(int list_width) const { return device_width(list_width) / device_pixels_; }
    // Where a pen of that width is centred, from the corner of the pixel a point falls in:
    // the pixel's centre for an odd width, its corner for an even one, so that the pen covers
    // whole device pixels.
    double centring(int list_width) const {
        return device_width(list_width) % 2 == 1 ? 0.5 / device_pixels_ : 0.0;
    }
    // A length in pixels of the reference picture, in painter units.
    double length(double reference_pixels) const {
        return reference_pixels * growth_ / device_pixels_;
    }

private:
    double device_pixels_ = 1;  // device pixels per painter unit
    double growth_ = 1;         // device pixels per pixel of the reference picture
};

QPen make_pen(Rgb color, double width, int style) {
    const Qt::PenStyle s = pen_style(style);
    QPen pen(to_qcolor(color), width, s, s == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap,
             Qt::RoundJoin);
    return pen;
}

// The part of the segment a-b inside rect, or nothing (Cohen-Sutherland). Each cut is
// computed from the edge it lies on, so a nearly infinite horizontal or vertical line keeps
// its exact height or place.
std::optional<std::pair<QPointF, QPointF>> clip_segment(QPointF a, QPointF b, const QRectF& rect) {
    enum : int { left = 1, right = 2, top = 4, bottom = 8 };
    const auto outcode = [&](QPointF p) {
        return (p.x() < rect.left() ? left : 0) | (p.x() > rect.right() ? right : 0) |
               (p.y() < rect.top() ? top : 0) | (p.y() > rect.bottom() ? bottom : 0);
    };
    for (int round = 0; round < 8; ++round) {
        const int code_a = outcode(a), code_b = outcode(b);
        if ((code_a | code_b) == 0) return std::pair{a, b};
        if ((code_a & code_b) != 0) return std::nullopt;
        const int out = code_a != 0 ? code_a : code_b;
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        QPointF cut;
        if (out & top) {
            cut = {a.x() + dx * (rect.top() - a.y()) / dy, rect.top()};
        } else if (out & bottom) {
            cut = {a.x() + dx * (rect.bottom() - a.y()) / dy, rect.bottom()};
        } else if (out & left) {
            cut = {rect.left(), a.y() + dy * (rect.left() - a.x()) / dx};
        } else {
            cut = {rect.right(), a.y() + dy * (rect.right() - a.x()) / dx};
        }
        (out == code_a ? a : b) = cut;
    }
    return std::nullopt;
}

Scale scale_of(const ScaleItem& s) { return Scale{s.x1, s.y1, s.x2, s.y2}; }

Scale scale_before(const Surface& surface, std::size_t first) {
    const auto& items = surface.items();
    for (std::size_t i = std::min(first, items.size()); i-- > 0;) {
        if (const auto* s = std::get_if<ScaleItem>(&items[i])) return scale_of(*s);
    }
    return surface.base_scale();
}

class Player {
public:
    Player(QPainter& painter, QSizeF size, Scale scale, const Growth& growth,
           double min_text_pixels, QRectF visible)
        : painter_(painter),
          size_(size),
          scale_(scale),
          pens_(painter, size, growth),
          bounds_(QRectF(QPointF(0, 0), size)
                      .adjusted(-clip_margin, -clip_margin, clip_margin, clip_margin)),
          visible_(visible),
          on_raster_(painter.device() != nullptr &&
                     (painter.device()->devType() == QInternal::Image ||
                      painter.device()->devType() == QInternal::Pixmap)) {
        font_ = picture_font(
            std::max(pens_.length(picture_font_twips / twips_per_pixel), min_text_pixels));
        ascent_ = QFontMetricsF(font_).ascent();
    }

    void operator()(const ScaleItem& s) { scale_ = scale_of(s); }

    void operator()(const LineItem& l) {
        const double centring = pens_.centring(l.width);
        const auto cut = clip_segment(pen_centre(l.x1, l.y1, centring),
                                      pen_centre(l.x2, l.y2, centring), bounds_);
        if (!cut) return;
        const double width = pens_.width(l.width);
        if (!in_sight(QRectF(cut->first, cut->second).normalized(), width)) return;
        if (on_raster_ && pens_.device_width(l.width) > 1 && pen_style(l.style) == Qt::SolidLine) {
            // Qt's raster engine fills a wide pen's round caps over the line's whole bounding
            // box, ten times slower than a flat-capped line and two dots at its ends.
            const QColor color = to_qcolor(l.color);
            painter_.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
            painter_.drawLine(cut->first, cut->second);
            painter_.setPen(Qt::NoPen);
            pen_.reset();
            painter_.setBrush(color);
            painter_.drawEllipse(cut->first, width / 2, width / 2);
            painter_.drawEllipse(cut->second, width / 2, width / 2);
            return;
        }
        use_pen(l.color, l.width, l.style);
        painter_.drawLine(cut->first, cut->second);
    }

    void operator()(const CircleItem& c) {
        const QPointF centre = pen_centre(c.x, c.y, pens_.centring(c.width));
        const double r = c.r * scale_.pixels_per_x_unit(size_.width());
        if (!std::isfinite(r) || r > largest_radius) return;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        if (!box.intersects(bounds_) || !in_sight(box, pens_.width(c.width))) return;
        use_pen(c.color, c.width, c.style);
        if (!c.start || !c.end) {
            painter_.setBrush(c.fill ? QBrush(to_qcolor(*c.fill)) : Qt::NoBrush);
            painter_.drawEllipse(centre, r, r);
            return;
        }
        // A negative angle also draws the radius to that end of the arc; both negative make
        // a pie, which takes the fill.
        const bool from_centre = *c.start < 0, to_centre = *c.end < 0;
        const double start = std::fmod(std::fabs(*c.start), 2 * std::numbers::pi);
        double span = std::fmod(std::fabs(*c.end), 2 * std::numbers::pi) - start;
        if (span < 0) span += 2 * std::numbers::pi;
        const double degrees = 180 / std::numbers::pi;
        QPainterPath path;
        path.arcMoveTo(box, start * degrees);
        if (from_centre) {
            const QPointF arc_start = path.currentPosition();
            path.moveTo(centre);
            path.lineTo(arc_start);
        }
        path.arcTo(box, start * degrees, span * degrees);
        if (to_centre) path.lineTo(centre);
        const bool pie = from_centre && to_centre;
        if (pie) path.closeSubpath();
        painter_.setBrush(pie && c.fill ? QBrush(to_qcolor(*c.fill)) : Qt::NoBrush);
        painter_.drawPath(path);
    }

    void operator()(const PsetItem& p) {
        const QPointF at = map(p.x, p.y);
        if (!bounds_.contains(at)) return;
        // The dot covers whole device pixels, as a pen of its width does.
        const double k = pens_.device_pixels();
        const double w = pens_.device_width(p.width);
        const QRectF dot(std::floor(at.x() * k - w / 2 + 0.5) / k,
                         std::floor(at.y() * k - w / 2 + 0.5) / k, w / k, w / k);
        if (!in_sight(dot, 0)) return;
        painter_.fillRect(dot, to_qcolor(p.color));
    }

    void operator()(const TextItem& t) {
        const QPointF at = map(t.x, t.y);
        // A text may reach into the area from far outside it.
        if (std::fabs(at.x()) > largest_radius || std::fabs(at.y()) > largest_radius) return;
        const QString text = QString::fromStdString(t.text);
        const QPointF baseline(at.x(), at.y() + ascent_);
        painter_.setFont(font_);
        if (t.backing) {
            // The text's own box, a pixel wider all round.
            const QRectF box = QFontMetricsF(font_).boundingRect(text).translated(baseline);
            painter_.fillRect(box.adjusted(-1, -1, 1, 1), to_qcolor(*t.backing));
        }
        painter_.setPen(to_qcolor(t.color));
        pen_.reset();
        painter_.drawText(baseline, text);
    }

    void operator()(const ImageItem& image) {
        const QRectF target = QRectF(map(image.x1, image.y1), map(image.x2, image.y2)).normalized();
        if (!in_sight(target, 0)) return;
        // The item's bytes, row by row: Qt reads them in place for the length of this call.
        const QImage pixels(image.rgb.data(), image.width, image.height, image.width * 3,
                            QImage::Format_RGB888);
        // Flipped where the corners run against the picture's axes.
        const bool flip_x = map(image.x1, image.y1).x() > map(image.x2, image.y2).x();
        const bool flip_y = map(image.x1, image.y1).y() > map(image.x2, image.y2).y();
        const QImage shown = flip_x || flip_y ? pixels.mirrored(flip_x, flip_y) : pixels;
        painter_.save();
        // Smoothly interpolated when painted larger than its pixels: a colour map has no
        // edges between its pixels at any size.
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter_.drawImage(target, shown);
        painter_.restore();
    }

private:
    // Sets the pen unless it is the one in use: most items share the pen of the item before.
    void use_pen(Rgb color, int width, int style) {
        const std::tuple pen{color.r, color.g, color.b, width, style};
        if (pen_ == pen) return;
        painter_.setPen(make_pen(color, pens_.width(width), style));
        pen_ = pen;
    }

    // Whether a shape's box, widened by its pen (painter units), reaches the part of the area
    // being painted (a band of it, or all of it).
    bool in_sight(const QRectF& box, double pen_width) const {
        const double reach = std::max(1.0, pen_width) + 2.0;
        return box.adjusted(-reach, -reach, reach, reach).intersects(visible_);
    }
    // Where a point falls in the paint area: pixel i spans [i, i + 1).
    QPointF map(float x, float y) const {
        return {scale_.to_pixel_x(x, size_.width()), scale_.to_pixel_y(y, size_.height())};
    }
    // Pens are centred on the device pixel a point falls in, so that a line along a row of
    // pixels covers that row, not half of it and half of the next.
    QPointF pen_centre(float x, float y, double centring) const {
        return map(x, y) + QPointF(centring, centring);
    }

    QPainter& painter_;
    QSizeF size_;
    Scale scale_;
    PenScale pens_;
    QRectF bounds_;
    QRectF visible_;
    bool on_raster_;  // a vector device (SVG, PDF) keeps exact pens
    std::optional<std::tuple<int, int, int, int, int>> pen_;  // colour, width, style in use
    QFont font_;
    double ascent_ = 0;
};

// Plays the items; with `erase` the area is first made white and `underlay`, if any, is drawn
// over all of it.
void play(QPainter& painter, const Surface& surface, QSizeF size, std::span<const Item> items,
          Scale scale, bool erase, const QImage* underlay, double min_text_pixels) {
    if (size.isEmpty()) return;
    painter.save();
    const QRectF area(QPointF(0, 0), size);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (erase) {
        painter.fillRect(area, Qt::white);
        if (underlay != nullptr) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(area, *underlay);
        }
    }
    Player player(painter, size, scale, surface.growth(), min_text_pixels,
                  painter.clipBoundingRect());
    for (const Item& item : items) std::visit(player, item);
    painter.restore();
}

}  // namespace

void paint_display_list(QPainter& painter, const Surface& surface, QSizeF size, std::size_t first,
                        double min_text_pixels) {
    const auto& items = surface.items();
    first = std::min(first, items.size());
    play(painter, surface, size, std::span(items).subspan(first), scale_before(surface, first),
         first == 0, underlay_image(surface), min_text_pixels);
}

void paint_display_list_over(QPainter& painter, const Surface& surface, QSizeF size,
                             const QImage* underlay, double min_text_pixels) {
    if (underlay == nullptr) underlay = underlay_image(surface);
    play(painter, surface, size, surface.items(), surface.base_scale(), true, underlay,
         min_text_pixels);
}

void paint_items(QPainter& painter, const Surface& surface, QSizeF size,
                 std::span<const Item> items, Scale scale, double min_text_pixels) {
    play(painter, surface, size, items, scale, false, nullptr, min_text_pixels);
}

}  // namespace rainbow
