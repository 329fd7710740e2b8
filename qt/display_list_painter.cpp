#include "qt/display_list_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "qt/fonts.h"

namespace rainbow {
namespace {

// Items far outside the paint area are cut to this margin (pixels) before Qt sees them, so
// that a nearly infinite ray neither overflows the rasteriser nor dashes for ever.
constexpr double clip_margin = 64;
// Circles larger than this (pixels) are not drawn: they cannot be told from lines anyway.
constexpr double largest_radius = 1e6;

QColor to_qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle pen_style(int style) {
    switch (style) {
        case 1: return Qt::DashLine;
        case 2: return Qt::DotLine;
        case 3: return Qt::DashDotLine;
        case 4: return Qt::DashDotDotLine;
        case 5: return Qt::NoPen;
        default: return Qt::SolidLine;
    }
}

QPen make_pen(Rgb color, int width, int style) {
    const Qt::PenStyle s = pen_style(style);
    QPen pen(to_qcolor(color), std::max(1, width), s, s == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap,
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
    Player(QPainter& painter, const Surface& surface, QSizeF size, Scale scale)
        : painter_(painter),
          size_(size),
          scale_(scale),
          bounds_(QRectF(QPointF(0, 0), size).adjusted(-clip_margin, -clip_margin, clip_margin,
                                                       clip_margin)) {
        const double twips_to_pixels =
            surface.width_twips() > 0 ? size.width() / surface.width_twips() : 1.0 / 15;
        font_ = picture_font(picture_font_twips * twips_to_pixels);
        ascent_ = QFontMetricsF(font_).ascent();
    }

    void operator()(const ScaleItem& s) { scale_ = scale_of(s); }

    void operator()(const LineItem& l) {
        const auto cut = clip_segment(pixel_centre(l.x1, l.y1), pixel_centre(l.x2, l.y2), bounds_);
        if (!cut) return;
        painter_.setPen(make_pen(l.color, l.width, l.style));
        painter_.drawLine(cut->first, cut->second);
    }

    void operator()(const CircleItem& c) {
        const QPointF centre = pixel_centre(c.x, c.y);
        const double r = c.r * scale_.pixels_per_x_unit(size_.width());
        if (!std::isfinite(r) || r > largest_radius) return;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        if (!box.intersects(bounds_)) return;
        painter_.setPen(make_pen(c.color, c.width, c.style));
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
        const double w = std::max(1, p.width);
        // The dot covers whole pixels, as a pixel-wide pen does.
        const QRectF dot(std::floor(at.x() - w / 2 + 0.5), std::floor(at.y() - w / 2 + 0.5), w, w);
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
        painter_.drawText(baseline, text);
    }

private:
    // Where a point falls in the paint area: pixel i spans [i, i + 1).
    QPointF map(float x, float y) const {
        return {scale_.to_pixel_x(x, size_.width()), scale_.to_pixel_y(y, size_.height())};
    }
    // Pens are centred on the pixel a point falls in, so that a line along a row of pixels
    // covers that row, not half of it and half of the next.
    QPointF pixel_centre(float x, float y) const { return map(x, y) + QPointF(0.5, 0.5); }

    QPainter& painter_;
    QSizeF size_;
    Scale scale_;
    QRectF bounds_;
    QFont font_;
    double ascent_ = 0;
};

}  // namespace

void paint_display_list(QPainter& painter, const Surface& surface, QSizeF size,
                        std::size_t first) {
    if (size.isEmpty()) return;
    painter.save();
    const QRectF area(QPointF(0, 0), size);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (first == 0) painter.fillRect(area, Qt::white);
    Player player(painter, surface, size, scale_before(surface, first));
    const auto& items = surface.items();
    for (std::size_t i = first; i < items.size(); ++i) std::visit(player, items[i]);
    painter.restore();
}

}  // namespace rainbow
