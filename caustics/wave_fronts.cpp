#include "caustics/wave_fronts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "caustics/wave_optics.h"
#include "forms/format.h"
#include "forms/polyline.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/ray_path.h"

namespace rainbow {
namespace {

constexpr Rgb sphere_color = black;
constexpr Rgb fan_color = rgb(240, 150, 150);
constexpr Rgb front_color = rgb(0, 0, 255);
constexpr Rgb rainbow_color = rgb(0, 190, 0);
constexpr Rgb dark_band_color = rgb(90, 0, 140);
constexpr Rgb supernumerary_color = rgb(230, 110, 0);

constexpr int fan_steps = 18;     // a drawn ray every 5 degrees of incidence
constexpr int front_steps = 360;  // the fronts join points on rays a quarter degree apart
// A sphere far larger than any picture hides every outgoing ray; beyond this radius the
// coordinates would no longer fit the surface's single precision, so nothing is drawn.
constexpr double largest_radius = 1e6;

// The part of the picture that shows: the surface's user window.
struct Box {
    double left, right, bottom, top;

    explicit Box(const Surface& s)
        : left(std::min(s.scale_left(), s.scale_left() + s.scale_width())),
          right(std::max(s.scale_left(), s.scale_left() + s.scale_width())),
          bottom(std::min(s.scale_top(), s.scale_top() + s.scale_height())),
          top(std::max(s.scale_top(), s.scale_top() + s.scale_height())) {}

    bool holds(const Point& p) const {
        return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
    }
    // The farthest any visible point lies from the origin.
    double reach() const { return std::hypot(std::max(-left, right), std::max(-bottom, top)); }
};

// Draws the ray of incidence a from the left edge through the sphere and out.
void trace_reflected_ray(Surface& eikona, double R, double n, double a, double left) {
    const double entry_y = R * std::sin(a);
    draw_polyline(eikona,
                  ray_course({left, entry_y}, {-R * std::cos(a), entry_y}, {{0, 0}, R, n}, 1));
}

// The plane fronts of the incoming beam (upper half) up to the sphere, at optical path `path`
// from the plane x = -R.
void draw_incoming_front(Surface& eikona, double R, double path, const Box& box) {
    const double x = -R + path;
    if (x < box.left || x >= 0) return;
    const double bottom = x <= -R ? 0 : std::sqrt((R - x) * (R + x));
    eikona.line(float(x), float(bottom), float(x), float(R), front_color);
}

// Draws a run of front points as a polyline, merging neighbouring segments while the curve
// turns by less than max_turn (radians) from the start of the merged segment: a sag of well
// under a tenth of a unit. Only the segments with an end in sight are drawn.
void draw_front_piece(Surface& eikona, const std::vector<Point>& piece, const Box& box) {
    constexpr double max_turn = 0.015;
    const auto draw = [&](const Point& p, const Point& q) {
        if (box.holds(p) || box.holds(q)) {
            eikona.line(float(p.x), float(p.y), float(q.x), float(q.y), front_color);
        }
    };
    if (piece.size() < 2) return;
    std::size_t start = 0;
    for (std::size_t i = 1; i + 1 < piece.size(); ++i) {
        const Point& a = piece[start];
        const Point& b = piece[i];
        const Point& c = piece[i + 1];
        // A merged segment lies wholly in sight or wholly out of it, but for a single one
        // that crosses the edge; out of sight the curve's turns do not matter.
        bool split = box.holds(a) != box.holds(b) || box.holds(b) != box.holds(c);
        if (!split && box.holds(b)) {
            const double chord = std::atan2(b.y - a.y, b.x - a.x);
            const double next = std::atan2(c.y - b.y, c.x - b.x);
            split = std::fabs(std::remainder(next - chord, 2 * pi_value())) > max_turn;
        }
        if (split) {
            draw(a, b);
            start = i;
        }
    }
    draw(piece[start], piece.back());
}

// Joins the points of equal optical path on neighbouring rays into curves.
void draw_outgoing_front(Surface& eikona, const std::vector<WaveRay>& rays, double path,
                         const Box& box) {
    std::vector<Point> piece;
    for (const std::optional<Point>& p : wave_front(rays, path)) {
        if (p) {
            piece.push_back(*p);
        } else {
            draw_front_piece(eikona, piece, box);
            piece.clear();
        }
    }
    draw_front_piece(eikona, piece, box);
}

// The optical paths at which some ray of the fan is in sight: along each outgoing ray, from
// its exit to where it leaves the circle about the origin that holds the whole picture.
struct PathRange {
    double first = std::numeric_limits<double>::infinity();
    double last = -std::numeric_limits<double>::infinity();
};

PathRange paths_in_sight(const std::vector<WaveRay>& rays, const Box& box) {
    PathRange range;
    for (const WaveRay& ray : rays) {
        const Point& o = ray.exit;
        const double along = o.x * ray.direction.x + o.y * ray.direction.y;
        const double reach = box.reach();
        const double discriminant = along * along - (o.x * o.x + o.y * o.y - reach * reach);
        if (!(discriminant >= 0)) continue;
        const double leaves = -along + std::sqrt(discriminant);
        if (leaves < 0) continue;
        const double enters = std::max(0.0, -along - std::sqrt(discriminant));
        range.first = std::min(range.first, ray.exit_path + enters);
        range.last = std::max(range.last, ray.exit_path + leaves);
    }
    return range;
}

void draw_fronts(Surface& eikona, double R, double n, double V, const Box& box) {
    const double spacing = front_spacing(V);
    if (!(spacing > 0)) return;
    eikona.draw_width = 1;
    // The plane fronts of the beam from the left edge to the sphere; the plane x = -R has path 0.
    for (double k = std::ceil((box.left + R) / spacing); k * spacing < R; ++k) {
        draw_incoming_front(eikona, R, k * spacing, box);
    }
    std::vector<WaveRay> rays;
    rays.reserve(front_steps + 1);
    for (int k = 0; k <= front_steps; ++k) {
        rays.push_back(wave_ray(R, n, k * (pi_value() / 2) / front_steps));
    }
    const PathRange range = paths_in_sight(rays, box);
    for (double k = std::ceil(range.first / spacing); k * spacing <= range.last; ++k) {
        draw_outgoing_front(eikona, rays, k * spacing, box);
    }
}

// The line a pair's direction is printed on, at the left edge: its colour, words and height.
struct PairLine {
    Rgb color;
    std::string text;
    double height;
};

// Draws the two rays of a pair, marks two points on the lower one and prints the direction
// of the line through them; the text alone where there is no pair.
void show_pair(Surface& eikona, const Drop& sphere, const std::optional<RayPair>& pair,
               const PairLine& line, double left) {
    const double R = sphere.radius, n = sphere.index;
    const Rgb color = line.color;
    std::string number;
    if (pair) {
        eikona.fore_color = color;
        eikona.draw_width = 2;
        trace_reflected_ray(eikona, R, n, pair->lower.incidence, left);
        trace_reflected_ray(eikona, R, n, pair->upper.incidence, left);
        const Point& p = pair->lower.exit;
        const Point q{p.x + R * pair->lower.direction.x, p.y + R * pair->lower.direction.y};
        eikona.draw_width = 5;
        eikona.pset(float(p.x), float(p.y));
        eikona.pset(float(q.x), float(q.y));
        if (q.x != p.x) {
            number = format_number(std::atan((q.y - p.y) / (q.x - p.x)) * 180 / pi_value(), "0.00");
        }
    }
    eikona.fore_color = color;
    eikona.current_x = left;
    eikona.current_y = line.height;
    eikona.print(line.text + number);
}

}  // namespace

WaveFrontPairs draw_wave_fronts(Surface& eikona, double R, double n, double V) {
    const Box box(eikona);
    const ScopedPen kept(eikona, LineStyle::solid);
    const bool drawable = R > 0 && R <= largest_radius && n > 0 && std::isfinite(n);
    std::optional<RayPair> dark_band;
    std::optional<RayPair> supernumerary;
    if (drawable) {
        eikona.draw_width = 2;
        eikona.circle(0, 0, float(R), sphere_color);

        eikona.fore_color = fan_color;
        eikona.draw_width = 1;
        for (int k = 0; k <= fan_steps; ++k) {
            trace_reflected_ray(eikona, R, n, k * (pi_value() / 2) / fan_steps, box.left);
        }
        draw_fronts(eikona, R, n, V, box);

        if (const std::optional<double> rainbow = rainbow_incidence(n, 1)) {
            eikona.fore_color = rainbow_color;
            eikona.draw_width = 2;
            trace_reflected_ray(eikona, R, n, *rainbow, box.left);
        }
        if (V > 0 && std::isfinite(V)) {
            dark_band = pair_with_path_difference(R, n, dark_band_difference * V);
            supernumerary = pair_with_path_difference(R, n, supernumerary_difference * V);
        }
    }
    const Drop sphere{{0, 0}, R, n};
    show_pair(eikona, sphere, dark_band,
              {dark_band_color, "ANGLE FOR DESTRUCTIVE INTERFERENCE = ", 35}, box.left);
    show_pair(eikona, sphere, supernumerary,
              {supernumerary_color, "ANGLE FOR CONSTRUCTIVE INTERFERENCE = ", 30}, box.left);
    return {dark_band, supernumerary};
}

}  // namespace rainbow
