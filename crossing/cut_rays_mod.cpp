#include "crossing/cut_rays_mod.h"

#include <cmath>
#include <optional>

#include "crossing/refracted_ray.h"
#include "forms/format.h"
#include "forms/surface.h"
#include "geometry/angles.h"
#include "geometry/ray_path.h"

namespace rainbow {
namespace {

constexpr Rgb red = rgb(255, 0, 0);
constexpr Rgb blue = rgb(0, 0, 255);
constexpr Rgb first_miss_color = rgb(200, 100, 0);
constexpr Rgb special_mark_color = rgb(255, 0, 150);
constexpr Rgb crossing_mark_color = rgb(0, 5, 255);
constexpr Rgb exit_mark_color = rgb(0, 255, 0);

constexpr double first_miss_length = 140;
constexpr double second_miss_length = 150;

// x where a ray at height y enters the sphere of radius R centred at the origin; none when it
// misses the sphere or only grazes its edge.
std::optional<double> entry_x(double y, double R) {
    const double s = y / R;
    if (!(std::fabs(s) < 1)) return std::nullopt;
    return -R * std::cos(arcsine_by_arctangent(s));
}

// A ray that misses the sphere: a plain line from its start towards (0, y).
void draw_missing_ray(Surface& client, Point start, double y, double length, Rgb color) {
    const double run = 0 - start.x;
    const double slope = run == 0 ? 0 : (y - start.y) / run;
    client.line(float(start.x), float(start.y), float(start.x + length),
                float(start.y + length * slope), color);
}

// Signed angle of incidence of the ray from (sx, sy) entering the sphere at (px, py).
double incidence_angle(double sx, double sy, double px, double py, double R) {
    return trace_ray({sx, sy}, {px, py}, {{0, 0}, R, 1}, 0).incidence;
}

double degrees(double radians) { return 180 * radians / pi_value(); }

std::string incidence_caption(const char* ray, double radians) {
    return std::string("Angle of Incidence ") + ray +
           " ray = " + format_number(degrees(radians), "0.00");
}

void print_at(Surface& client, double x, double y, const std::string& text) {
    client.current_x = x;
    client.current_y = y;
    client.print(text);
}

void draw_sphere_and_axes(Surface& client, const CutRaysValues& v) {
    client.fill_style = 0;
    client.fill_color = white;
    client.circle(0, 0, float(v.lens_radius));
    client.line(float(v.x_left), 0, float(v.x_right), 0);
    client.line(0, float(v.y_bottom), 0, float(v.y_top));
}

// 361 one-degree chords; the last lies on the first.
void draw_red_outline(Surface& client, double R) {
    const double pi = pi_value();
    for (int k = 0; k <= 360; ++k) {
        client.line(float(R * std::cos(pi * k / 180)), float(R * std::sin(pi * k / 180)),
                    float(R * std::cos(pi * (k + 1) / 180)),
                    float(R * std::sin(pi * (k + 1) / 180)), red);
    }
}

struct ChosenRay {
    double start_y = 0;  // height at start_x
    double x = 0;        // entry point; x stays 0 when the ray misses the sphere
    double y = 0;
};

}  // namespace

CrossingCaptions draw_ray_crossing(Surface& client, const CutRaysValues& v,
                                   const RayChoice& choice) {
    const ScopedPen kept(client);
    CrossingCaptions captions;
    const double R = v.lens_radius;

    draw_sphere_and_axes(client, v);

    const double n = choice.index_value / 100.0;
    captions.label3 = "index = " + format_number(n, "0.00");

    // The special ray meets the sphere at the rainbow angle of the index.
    double t = 0;
    if (n > 1) {
        t = rainbow_incidence(n).value_or(0);
        print_at(client, v.x_left + v.y_top + v.angle_text_right,
                 v.y_top - v.y_top / 8 - v.angle_text_down,
                 rainbow_angle_caption + format_number(degrees(t), "0.00"));
    }

    ChosenRay first;
    first.y = choice.first_height / 10.0;
    first.start_y = v.parallel_rays ? first.y : 0;
    if (choice.special_ray && v.parallel_rays) {
        first.start_y = R * std::sin(t);
        first.y = first.start_y;
    }
    ChosenRay second;
    second.y = choice.second_height / 10.0;
    second.start_y = v.parallel_rays ? second.y : 0;
    if (choice.special_ray && v.parallel_rays) {
        // The special ray runs on the side of the axis where the second ray is.
        const double side = (second.y > 0) - (second.y < 0);
        first.start_y = std::sin(t) * R * side;
    }

    if (const auto x = entry_x(first.y, R)) {
        first.x = *x;
    } else {
        draw_missing_ray(client, {v.start_x, first.start_y}, first.y, first_miss_length,
                         first_miss_color);
    }
    if (const auto x = entry_x(second.y, R)) {
        second.x = *x;
        const ScopedPen wide(client, 4);
        client.pset(float(first.x), float(first.y));
        client.pset(float(second.x), float(second.y));
    } else {
        draw_missing_ray(client, {v.start_x, second.start_y}, second.y, second_miss_length, blue);
    }

    captions.label1 =
        incidence_caption("1st", incidence_angle(v.start_x, first.start_y, first.x, first.y, R));
    captions.label2 =
        incidence_caption("2nd", incidence_angle(v.start_x, second.start_y, second.x, second.y, R));

    draw_red_outline(client, R);
    client.fore_color = red;

    if (choice.special_ray) {
        captions.label1 = incidence_caption("1st", t);
        if (v.parallel_rays) {
            first.y = R * std::sin(t);
        } else {
            const entry_point p = special_entry_point(v.start_x, 0, t, R);
            first.x = p.x;
            first.y = p.y;
        }
        if (second.y < 0) first.y = -first.y;
        const ScopedPen wide(client, 4);
        client.pset(float(first.x), float(first.y), special_mark_color);
    }

    const Drop sphere{{0, 0}, R, n};
    const RefractedRay ray1 = draw_refracted_ray(client, v.x_right, {v.start_x, first.start_y},
                                                 {first.x, first.y}, sphere);
    const double s1 = ray1.chord_slope;
    const double exit1_x = ray1.exit.x;
    const double exit1_y = ray1.exit.y;
    client.fore_color = blue;
    const double s2 = draw_refracted_ray(client, v.x_right, {v.start_x, second.start_y},
                                         {second.x, second.y}, sphere)
                          .chord_slope;
    client.fore_color = black;

    // A slope of 0 means no chord to take: nothing about a crossing.
    if (s1 == 0 || s2 == 0) return captions;
    if (s2 - s1 == 0) {
        print_at(client, 0, v.y_top / 1.2, "NO CUT, PARALLEL RAYS");
        return captions;
    }
    // The two chords taken as full lines through their entry points.
    const double xc = (s2 * second.x - s1 * first.x + first.y - second.y) / (s2 - s1);
    const double yc = s1 * (xc - first.x) + first.y;
    if (!std::isfinite(xc) || !std::isfinite(yc)) return captions;

    print_at(client, 0, v.y_top / 2,
             "x cut WHERE 2 RAYS MEET= " + format_number(xc, "0.000") +
                 "y cut = " + format_number(yc, "0.000"));
    client.fore_color = red;
    print_at(client, 0, v.y_top / 1.5,
             "x 1st ray ON CIRCLE = " + format_number(exit1_x, "0.000") +
                 "  y1st ray ON CIRCLE= " + format_number(exit1_y, "0.000"));
    client.fore_color = black;
    const ScopedPen wide(client, 4);
    client.pset(float(xc), float(yc), crossing_mark_color);
    client.pset(float(exit1_x), float(exit1_y), exit_mark_color);
    return captions;
}

}  // namespace rainbow
