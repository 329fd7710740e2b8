#include "theory/bow_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "forms/format.h"
#include "scattering/airy.h"
#include "scattering/colour.h"
#include "scattering/debye.h"
#include "scattering/geometric.h"
#include "scattering/mie.h"
#include "theory/plot_axes.h"

namespace rainbow {
namespace {

namespace sc = scattering;
constexpr double degree = std::numbers::pi / 180.0;

double chosen(PolarisationChoice choice, double perpendicular, double parallel) {
    switch (choice) {
        case PolarisationChoice::perpendicular: return perpendicular;
        case PolarisationChoice::parallel: return parallel;
        case PolarisationChoice::unpolarised: break;
    }
    return 0.5 * (perpendicular + parallel);
}

// The amplitudes for the angles summed so far, `done` of them, on to the end: at once the
// angles shared out in blocks over the threads, in pieces a span at a time.
bool sum_amplitudes(const sc::PartialWaves& waves, const std::vector<double>& radians,
                    std::vector<sc::Amplitudes>& result, std::size_t& done, const sc::Pace& pace) {
    constexpr std::size_t blocks = 4;
    result.resize(radians.size());
    const std::size_t terms = std::min(waves.a.size(), waves.b.size());
    return sc::run_spans(
        radians.size(), blocks, pace.angles_per_piece(terms), done, pace,
        [&](std::size_t first, std::size_t last) {
            const auto part =
                sc::amplitudes(waves, std::span(radians).subspan(first, last - first));
            std::copy(part.begin(), part.end(), result.begin() + std::ptrdiff_t(first));
        });
}

std::vector<double> grid(double from, double to, int samples) {
    std::vector<double> degrees;
    for (int j = 0; j < samples; ++j) degrees.push_back(from + (to - from) * j / (samples - 1));
    return degrees;
}

std::vector<double> radians_of(const std::vector<double>& degrees) {
    std::vector<double> radians;
    for (const double d : degrees) radians.push_back(d * degree);
    return radians;
}

// The curve as a polyline of at most two points per column when it has more points than the
// plot has pixel columns: the lowest and the highest value of each column, in turn, so that a
// ripple finer than a pixel shows as a band and not as noise.
void envelope(const std::vector<double>& x, const std::vector<double>& y, double columns,
              std::vector<double>& out_x, std::vector<double>& out_y) {
    const std::size_t count = std::min(x.size(), y.size());
    if (count < 2 || columns < 1 || double(count) <= columns) {
        out_x.assign(x.begin(), x.begin() + std::ptrdiff_t(count));
        out_y.assign(y.begin(), y.begin() + std::ptrdiff_t(count));
        return;
    }
    const double left = x.front(), width = (x[count - 1] - left) / columns;
    std::size_t j = 0;
    for (int column = 0; j < count; ++column) {
        const double end = left + (column + 1) * width;
        double low = y[j], high = y[j];
        for (; j < count && (x[j] < end || column + 1 >= int(columns)); ++j) {
            low = std::min(low, y[j]);
            high = std::max(high, y[j]);
        }
        const double centre = end - 0.5 * width;
        out_x.insert(out_x.end(), {centre, centre});
        if (column % 2 == 0)
            out_y.insert(out_y.end(), {low, high});
        else
            out_y.insert(out_y.end(), {high, low});
    }
}

// How a curve is drawn: its colour, dashed or not, and the plot's pixel columns when the curve
// is drawn as its envelope (0: every point).
struct CurveLook {
    Rgb colour;
    bool dashed = false;
    double columns = 0;
};

void plot(Surface& surface, const std::vector<double>& angles, const std::vector<double>& values,
          double top, CurveLook look) {
    const Rgb colour = look.colour;
    const bool dashed = look.dashed;
    std::vector<double> x, y;
    envelope(angles, values, look.columns, x, y);
    for (double& v : y) v = std::min(v, top);
    surface.fore_color = colour;
    draw_polyline(surface, x, y, dashed);
}

// Where the ticks of a curve's maxima run, as fractions of the top of the plot.
struct TickSpan {
    double from = 1.02;
    double to = 0.97;
};

// Short upright ticks at the angles, over the span.
void mark_maxima(Surface& surface, const std::vector<double>& maxima, double top, Rgb colour,
                 TickSpan span = {}) {
    surface.fore_color = colour;
    for (const double a : maxima)
        surface.line(float(a), float(span.from * top), float(a), float(span.to * top));
}

// The main maximum of a bow: the crest nearest the bow of rays, on its lit side (a smooth
// curve has none on the dark side).
std::optional<double> main_maximum(const std::vector<double>& maxima, int reflections) {
    if (maxima.empty()) return std::nullopt;
    return reflections == 1 ? maxima.front() : maxima.back();
}

}  // namespace

double bow_first_angle(int reflections) { return reflections == 1 ? 130.0 : 125.0; }
double bow_last_angle(int reflections) { return reflections == 1 ? 145.0 : 135.0; }

BowCurves compute_bow_curves(const BowQuery& query, const sc::ParallelFor& parallel) {
    BowCurvesWork work(query);
    work.run(sc::Pace::at_once(parallel));
    return std::move(work.curves());
}

BowCurvesWork::BowCurvesWork(const BowQuery& query) { c_.query = query; }

namespace {

// The crests that the samples [first, last) show (each bracketed by its two neighbours),
// located on f: those refined_crests finds over all the samples, in pieces.
std::vector<sc::Crest> crests_among(const std::vector<double>& x, const std::vector<double>& values,
                                    const std::function<double(double)>& f, std::size_t first,
                                    std::size_t last) {
    const std::size_t from = first == 0 ? 0 : first - 1, to = std::min(x.size(), last + 1);
    if (from >= to) return {};
    return sc::refined_crests(
        std::vector<double>(x.begin() + std::ptrdiff_t(from), x.begin() + std::ptrdiff_t(to)),
        std::vector<double>(values.begin() + std::ptrdiff_t(from),
                            values.begin() + std::ptrdiff_t(to)),
        f, maximum_tolerance_deg);
}

}  // namespace

bool BowCurvesWork::run(const sc::Pace& pace) {
    const auto polarised = [this](const sc::Amplitudes& s) {
        return chosen(c_.query.polarisation, std::norm(s.s1), std::norm(s.s2));
    };
    const auto at_one_angle = [&polarised](const sc::PartialWaves& waves) {
        return [&waves, &polarised](double deg) {
            const double a[] = {deg * degree};
            return polarised(sc::amplitudes(waves, a).front());
        };
    };
    const auto airy_at = [this](double deg) { return airy_intensity(deg); };
    // The items of a stage, a span at a time in pieces (at once: all, on this thread).
    const auto in_spans = [this, &pace](std::size_t count, std::size_t span,
                                        const std::function<void(std::size_t, std::size_t)>& body) {
        return sc::run_spans(count, 1, span, done_, pace, body);
    };
    // Each stage that ends gives the pace its say before the next begins.
    const auto next = [this, &pace](Stage then) {
        stage_ = then;
        done_ = 0;
        return then == Stage::done || !pace.stop_here();
    };
    // A crest is located in some twenty sums over the waves: a piece's share of the samples.
    const auto crest_span = [this, &pace] {
        return std::max<std::size_t>(
            3, pace.angles_per_piece(20 * std::min(debye_waves_.a.size(), debye_waves_.b.size())));
    };
    for (;;) {
        switch (stage_) {
            case Stage::waves:
                make_waves();
                if (!next(Stage::debye_waves)) return false;
                break;
            case Stage::debye_waves:
                if (!debye_work_->run(pace)) return false;
                debye_waves_ = std::move(debye_work_->waves());
                debye_work_.reset();
                if (!next(Stage::smooth)) return false;
                break;
            case Stage::smooth: {
                const int k = c_.query.reflections;
                const double x = size_parameter_;
                c_.geometric.resize(radians_.size());
                c_.airy.resize(radians_.size());
                if (!in_spans(radians_.size(), 20, [&](std::size_t first, std::size_t last) {
                        for (std::size_t j = first; j < last; ++j) {
                            const double a = radians_[j];
                            c_.geometric[j] =
                                chosen(c_.query.polarisation,
                                       sc::geometric_intensity(c_.index, x, k, a,
                                                               sc::Polarisation::perpendicular),
                                       sc::geometric_intensity(c_.index, x, k, a,
                                                               sc::Polarisation::parallel));
                            c_.airy[j] = airy_intensity(c_.angles_deg[j]);
                        }
                    }))
                    return false;
                if (!next(Stage::debye)) return false;
                break;
            }
            case Stage::debye:
                if (!sum_amplitudes(debye_waves_, radians_, debye_, done_, pace)) return false;
                for (const auto& s : debye_) c_.debye.push_back(polarised(s));
                debye_.clear();
                if (!next(Stage::exact_waves)) return false;
                break;
            case Stage::exact_waves:
                make_exact_waves();
                if (!next(Stage::exact)) return false;
                break;
            case Stage::exact:
                if (!sum_amplitudes(exact_waves_, exact_radians_, exact_, done_, pace))
                    return false;
                for (const auto& s : exact_) c_.exact.push_back(polarised(s));
                exact_.clear();
                if (!next(Stage::airy_crests)) return false;
                break;
            case Stage::airy_crests:
                if (!in_spans(c_.angles_deg.size(), 20, [&](std::size_t first, std::size_t last) {
                        const auto found =
                            crests_among(c_.angles_deg, c_.airy, airy_at, first, last);
                        airy_crests_.insert(airy_crests_.end(), found.begin(), found.end());
                    }))
                    return false;
                if (!next(Stage::debye_crests)) return false;
                break;
            case Stage::debye_crests:
                if (!in_spans(
                        c_.angles_deg.size(), crest_span(),
                        [&](std::size_t first, std::size_t last) {
                            const auto found = crests_among(
                                c_.angles_deg, c_.debye, at_one_angle(debye_waves_), first, last);
                            debye_crests_.insert(debye_crests_.end(), found.begin(), found.end());
                        }))
                    return false;
                c_.debye_maxima = lit(debye_crests_);
                if (!next(Stage::exact_crests)) return false;
                break;
            case Stage::exact_crests:
                if (!in_spans(c_.debye_maxima.size(), 1, [&](std::size_t first, std::size_t last) {
                        for (std::size_t d = first; d < last; ++d)
                            exact_crests_.push_back(exact_bow_crest(
                                c_.exact_angles_deg, c_.exact, at_one_angle(exact_waves_),
                                c_.debye_maxima, d, std::max(c_.ripple_deg, 0.1)));
                    }))
                    return false;
                find_maxima();
                next(Stage::done);
                break;
            case Stage::done: return true;
        }
    }
}

// The angles of the smooth curves; the partial waves of the bow's Debye term begun.
void BowCurvesWork::make_waves() {
    const BowQuery& query = c_.query;
    c_.index = sc::water_index_in_air(query.wavelength_nm);
    size_parameter_ = 2.0 * std::numbers::pi * query.radius_um * 1000.0 / query.wavelength_nm;
    const double x = size_parameter_;
    const int k = query.reflections;
    const double from = bow_first_angle(k), to = bow_last_angle(k);

    // The smooth curves: rays, Airy and the bow's Debye term.
    c_.angles_deg = grid(from, to, std::max(3, query.samples));
    radians_ = radians_of(c_.angles_deg);
    debye_work_.emplace(sc::complex{c_.index, 0.0}, x, query.reflections + 1);
}

// The angles of the exact curve and its partial waves.
void BowCurvesWork::make_exact_waves() {
    const BowQuery& query = c_.query;
    const int k = query.reflections;
    const double from = bow_first_angle(k), to = bow_last_angle(k);
    // The exact curve, at least ripple_samples samples per period of its ripple.
    c_.ripple_deg = query.wavelength_nm / 1000.0 / (2.0 * query.radius_um) / degree;
    const int exact_samples =
        std::max(query.samples, int(std::ceil((to - from) / c_.ripple_deg * ripple_samples)) + 1);
    c_.exact_angles_deg = grid(from, to, std::max(3, exact_samples));
    exact_radians_ = radians_of(c_.exact_angles_deg);
    exact_waves_ = sc::mie_partial_waves({c_.index, 0.0}, size_parameter_);
}

double BowCurvesWork::airy_intensity(double deg) const {
    const double a = deg * degree;
    const double x = size_parameter_;
    const int k = c_.query.reflections;
    return chosen(c_.query.polarisation,
                  sc::airy_intensity(c_.index, x, k, a, sc::Polarisation::perpendicular),
                  sc::airy_intensity(c_.index, x, k, a, sc::Polarisation::parallel));
}

// The bow and its supernumeraries stand on the lit side of the bow of rays; on the dark side
// the smooth curves fall off, and what crests they show there are rounding's.
std::vector<double> BowCurvesWork::lit(const std::vector<sc::Crest>& crests) const {
    const int k = c_.query.reflections;
    const double rays = sc::rainbow_ray(c_.index, k).scattering_angle / degree;
    std::vector<double> at;
    for (const sc::Crest& crest : crests)
        if (k == 1 ? crest.at >= rays : crest.at <= rays) at.push_back(crest.at);
    return at;
}

// The maxima printed, from the crests each located on its own function.
void BowCurvesWork::find_maxima() {
    const int k = c_.query.reflections;
    c_.airy_maxima = lit(airy_crests_);
    for (const auto& crest : exact_crests_)
        if (crest) c_.exact_maxima.push_back(crest->at);
    c_.airy_main = main_maximum(c_.airy_maxima, k);
    c_.bow_outside = c_.debye_maxima.empty();
    if (!c_.bow_outside) {
        const auto& main = k == 1 ? exact_crests_.front() : exact_crests_.back();
        if (main) c_.exact_main = main->at;
    }
    // What only the computation needed.
    radians_ = {};
    exact_radians_ = {};
    debye_waves_ = {};
    exact_waves_ = {};
    airy_crests_ = {};
    debye_crests_ = {};
    exact_crests_ = {};
}

std::optional<sc::Crest> exact_bow_crest(const std::vector<double>& angles,
                                         const std::vector<double>& values,
                                         const std::function<double(double)>& exact_at,
                                         const std::vector<double>& debye_maxima, std::size_t d,
                                         double reach) {
    const std::size_t count = std::min(angles.size(), values.size());
    const double centre = debye_maxima[d];
    double low = centre - reach, high = centre + reach;
    if (d > 0) low = std::max(low, 0.5 * (debye_maxima[d - 1] + centre));
    if (d + 1 < debye_maxima.size()) high = std::min(high, 0.5 * (centre + debye_maxima[d + 1]));
    // The sampled crests in the window. A sample misses its crest by a small share of the
    // ripple at most, so only those near the highest are located on the function.
    std::vector<std::size_t> sampled;
    double highest = 0;
    for (std::size_t j = 1; j + 1 < count; ++j) {
        if (angles[j] < low || angles[j] > high) continue;
        if (values[j] > values[j - 1] && values[j] >= values[j + 1]) {
            sampled.push_back(j);
            highest = std::max(highest, values[j]);
        }
    }
    std::optional<sc::Crest> best;
    for (const std::size_t j : sampled) {
        if (values[j] < 0.85 * highest) continue;
        const sc::Crest crest = sc::golden_section_maximum(exact_at, angles[j - 1], angles[j + 1],
                                                           maximum_tolerance_deg);
        if (!best || crest.value > best->value) best = crest;
    }
    return best;
}

std::vector<std::optional<sc::Crest>> exact_bow_crests(
    const std::vector<double>& angles, const std::vector<double>& values,
    const std::function<double(double)>& exact_at, const std::vector<double>& debye_maxima,
    double reach) {
    std::vector<std::optional<sc::Crest>> result;
    for (std::size_t d = 0; d < debye_maxima.size(); ++d)
        result.push_back(exact_bow_crest(angles, values, exact_at, debye_maxima, d, reach));
    return result;
}

void draw_bow_picture(Surface& surface, const BowCurves& c, const ShownTheories& shown,
                      const TheoryWords& words) {
    surface.cls();
    double top = 0;
    for (const auto* curve : {&c.airy, &c.exact, &c.debye})
        for (const double v : *curve) top = std::max(top, v);
    top = top > 0 ? 1.15 * top : 1.0;
    const PlotFrame frame{bow_first_angle(c.query.reflections), bow_last_angle(c.query.reflections),
                          0.0, top};
    const int k = c.query.reflections;
    draw_plot_axes(surface, frame, {k == 1 ? 5.0 : 2.0, 0.0}, "θ (°)",
                   k == 1 ? words.primary_bow : words.secondary_bow);
    const double columns = plot_pixels(surface, frame).columns;

    const double bow = sc::rainbow_ray(c.index, k).scattering_angle / degree;
    const auto& a = c.angles_deg;
    if (shown.geometric) plot(surface, a, c.geometric, top, {geometric_colour, true});
    if (shown.exact) {
        plot(surface, c.exact_angles_deg, c.exact, top, {exact_colour, false, columns});
        mark_maxima(surface, c.exact_maxima, top, exact_colour, {0.95, 0.90});
    }
    if (shown.debye) {
        plot(surface, a, c.debye, top, {debye_colour});
        mark_maxima(surface, c.debye_maxima, top, debye_colour);
    }
    if (shown.airy) {
        plot(surface, a, c.airy, top, {airy_colour});
        mark_maxima(surface, c.airy_maxima, top, airy_colour);
    }

    surface.fore_color = geometric_colour;
    surface.draw_style = LineStyle::dotted;
    surface.line(float(bow), 0.0f, float(bow), float(top));
    surface.draw_style = LineStyle::solid;
    // One line each, down from the top: each print moves to the next line.
    const double left = frame.left + 0.02 * (frame.right - frame.left);
    surface.current_x = left;
    surface.current_y = 0.9 * top;
    surface.print("n = " + format_number(c.index, "0.0000") + ",  " + words.rays + ": " +
                  format_number(bow, "0.00") + "°");
    const struct {
        bool shown;
        std::optional<double> main;
        Rgb colour;
        std::string name;
    } mains[] = {{shown.airy, c.airy_main, airy_colour, words.airy},
                 {shown.exact, c.exact_main, exact_colour, "Mie"}};
    for (const auto& m : mains) {
        if (!m.shown || !m.main) continue;
        surface.fore_color = m.colour;
        surface.current_x = left;
        surface.print(m.name + ": " + format_number(*m.main, "0.000") + "°");
    }
    if (c.bow_outside) {
        surface.fore_color = black;
        surface.current_x = left;
        surface.print(words.bow_outside);
    }
    surface.fore_color = black;
}

}  // namespace rainbow
