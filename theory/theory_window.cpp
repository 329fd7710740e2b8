#include "theory/theory_window.h"

#include <algorithm>
#include <cmath>

#include "forms/format.h"
#include "theory/colour_pictures.h"
#include "theory/descartes_picture.h"
#include "theory/theory_texts.h"

namespace rainbow {
namespace {

// The radius scroll bar counts thousandths of a decade from 5 um: 0 .. 2602 is 5 um .. 2 mm.
constexpr int radius_top = 2602;
constexpr int radius_start = 2000;  // 500 um

// The pictures are wide and short: their pens and text grow with their width, at the designed
// sizes when they are about as wide as on a 1920 x 1080 screen.
constexpr Growth plot_growth{true, 900};

void print_waiting(Surface& surface, const char* what) {
    surface.cls();
    surface.scale(0, 0, 1, 1);
    surface.fore_color = black;
    surface.current_x = 0.4;
    surface.current_y = 0.5;
    surface.print(what);
}

// At once on two threads (the desktop), or in short pieces when the runner works in slices (a
// browser), pausing when it asks.
scattering::Pace pace_of(const BackgroundWork& work) {
    if (!work.works_in_slices())
        return scattering::Pace::at_once(scattering::threads_parallel_for(2));
    return scattering::Pace::pausing([&work] { return work.should_pause(); });
}

}  // namespace

// The curves asked for with one set of settings, computed in one job or, paused, in several.
struct TheoryWindow::CurvesJob {
    TheoryResults::CurvesKey base;  // the settings; the bow's place is 0
    std::vector<BowCurvesWork> works;
    std::vector<bool> kept;  // each work's curves kept
    bool paused = false;
    std::atomic<bool> asked_again{false};  // by other settings since the job began or paused
};

// The band asked for at one radius, computed in one job or, paused, in several.
struct TheoryWindow::BandJob {
    BandJob(int position_, double radius_um)
        : position(position_), work(radius_um, scattering::BandSettings{}) {}
    int position;  // of the radius scroll bar
    scattering::ColourBandWork work;
    bool done = false;
    std::atomic<bool> asked_again{false};
};

TheoryWindow::TheoryWindow(WindowHost& host)
    : host_(host),
      form_("theoria", "Theory · Θεωρία", Geometry{0, 0, 28800, 16200}),
      work_(host.background_work()),
      words_(theory_words(host.translate())),
      descartes(form_.add<PictureBox>("descartes", Geometry{120, 120, 9000, 5000})),
      primary(form_.add<PictureBox>("primary", Geometry{9240, 120, 9000, 5000})),
      secondary(form_.add<PictureBox>("secondary", Geometry{9240, 5240, 9000, 5000})),
      band(form_.add<PictureBox>("band", Geometry{120, 5240, 9000, 2400})),
      lee(form_.add<PictureBox>("lee", Geometry{120, 7760, 9000, 5000})),
      radius(form_.add<ScrollBar>("radius", Geometry{9240, 10400, 6000, 300}, false, 0, radius_top,
                                  radius_start)),
      wavelength(form_.add<ScrollBar>("wavelength", Geometry{9240, 11000, 6000, 300}, false, 380,
                                      780, 650)),
      radius_label(form_.add<Label>("radius_label", Geometry{15360, 10400, 2400, 300}, "")),
      wavelength_label(form_.add<Label>("wavelength_label", Geometry{15360, 11000, 2400, 300}, "")),
      perpendicular(form_.add_option("perpendicular", Geometry{9240, 11500, 2400, 300},
                                     words_.perpendicular, true)),
      parallel(form_.add_option("parallel", Geometry{11760, 11500, 2400, 300}, words_.parallel)),
      unpolarised(
          form_.add_option("unpolarised", Geometry{14280, 11500, 2400, 300}, words_.unpolarised)),
      theories(form_.add<Menu>("theories", words_.theories)),
      geometric(form_.add<MenuItem>("geometric", "theories", words_.geometric, true)),
      airy(form_.add<MenuItem>("airy", "theories", words_.airy, true)),
      exact(form_.add<MenuItem>("exact", "theories", words_.exact, true)),
      debye(form_.add<MenuItem>("debye", "theories", words_.debye, false)),
      lee_start(form_.add<CommandButton>("lee_start", Geometry{9240, 12000, 2400, 400},
                                         words_.lee_start)),
      lee_cancel(form_.add<CommandButton>("lee_cancel", Geometry{11760, 12000, 2400, 400},
                                          words_.lee_cancel)),
      lee_progress(form_.add<Label>("lee_progress", Geometry{14280, 12000, 3600, 400}, "")) {
    describe_controls(form_, theory_texts());
    kept_ = std::dynamic_pointer_cast<TheoryResults>(host.kept_results(form_.name()));
    if (!kept_) kept_ = std::make_shared<TheoryResults>();
    host.keep_results(form_.name(), kept_);
    lee_rows_.assign(std::size_t(lee_settings_.rows), std::nullopt);
    for (PictureBox* picture : {&descartes, &primary, &secondary, &band, &lee})
        picture->surface().set_growth(plot_growth);
    radius.large_change = 100;
    radius.small_change = 10;
    wavelength.large_change = 20;
    wavelength.small_change = 5;
    // Until the window opens, the controls only take their values.
    radius.on_change = [this] {
        if (!form_.shown) return;
        update_labels();
        request_curves();
        request_band();
        draw_lee();
    };
    wavelength.on_change = [this] {
        if (!form_.shown) return;
        update_labels();
        request_curves();
    };
    for (OptionButton* option : {&perpendicular, &parallel, &unpolarised})
        option->on_click = [this] {
            if (form_.shown) request_curves();
        };
    for (MenuItem* item : {&geometric, &airy, &exact, &debye}) {
        item->on_click = [this, item] {
            item->checked = !item->checked;
            if (form_.shown) draw_curves();
        };
    }
    lee_start.on_click = [this] { start_lee(); };
    lee_cancel.on_click = [this] { cancel_lee(); };
}

TheoryWindow::~TheoryWindow() {
    lee_restart_stop_.reset();
    if (lee_stop_) *lee_stop_ = 0;
    work_->wait();
}

void TheoryWindow::set_background_work(std::unique_ptr<BackgroundWork> work) {
    work_->wait();
    work_ = std::move(work);
}

double TheoryWindow::radius_at(int position) {
    const double radius = std::min(2000.0, 5.0 * std::pow(10.0, position / 1000.0));
    // Three significant figures, divided or multiplied by a whole power of ten so that the
    // printed 10.0 um is 10 um exactly.
    const int exponent = int(std::floor(std::log10(radius))) - 2;
    if (exponent >= 0) {
        const double unit = std::pow(10.0, exponent);
        return std::round(radius / unit) * unit;
    }
    const double per_unit = std::pow(10.0, -exponent);
    return std::round(radius * per_unit) / per_unit;
}

std::size_t TheoryWindow::lee_rows_done() const {
    return std::size_t(std::count_if(lee_rows_.begin(), lee_rows_.end(),
                                     [](const auto& row) { return row.has_value(); }));
}

PolarisationChoice TheoryWindow::polarisation() const {
    if (parallel.value()) return PolarisationChoice::parallel;
    if (unpolarised.value()) return PolarisationChoice::unpolarised;
    return PolarisationChoice::perpendicular;
}

ShownTheories TheoryWindow::shown_theories() const {
    return {geometric.checked, airy.checked, exact.checked, debye.checked};
}

void TheoryWindow::open() {
    const Screen& screen = host_.screen();
    form_.set_geometry({0, 0, screen.width_twips, screen.height_twips});
    form_.show();

    // Two columns of pictures; the controls under the right column.
    const double w = form_.client_width_twips(), h = form_.client_height_twips();
    const double gap = 120, column = (w - 3 * gap) / 2, row = (h - 4 * gap) / 3;
    const double right = 2 * gap + column;
    descartes.set_geometry({gap, gap, column, row});
    band.set_geometry({gap, 2 * gap + row, column, row * 0.5});
    lee.set_geometry({gap, 2 * gap + 1.5 * row, column, h - 3 * gap - 1.5 * row});
    primary.set_geometry({right, gap, column, row});
    secondary.set_geometry({right, 2 * gap + row, column, row});
    const double controls_top = 3 * gap + 2 * row;
    const double line = 420, label_width = std::min(3000.0, column / 3);
    radius.set_geometry({right, controls_top, column - label_width - gap, 300});
    radius_label.set_geometry({right + column - label_width, controls_top, label_width, 300});
    wavelength.set_geometry({right, controls_top + line, radius.width(), 300});
    wavelength_label.set_geometry({radius_label.left(), controls_top + line, label_width, 300});
    const double option_width = column / 3;
    perpendicular.set_geometry({right, controls_top + 2 * line, option_width, 300});
    parallel.set_geometry({right + option_width, controls_top + 2 * line, option_width, 300});
    unpolarised.set_geometry(
        {right + 2 * option_width, controls_top + 2 * line, option_width, 300});
    lee_start.set_geometry({right, controls_top + 3 * line, option_width, 400});
    lee_cancel.set_geometry({right + option_width, controls_top + 3 * line, option_width, 400});
    lee_progress.set_geometry(
        {right + 2 * option_width, controls_top + 3 * line, option_width, 400});

    if (lee_rows_done() == 0) {
        lee_settings_ = lee_settings_for(lee.surface());
        lee_rows_.assign(std::size_t(lee_settings_.rows), std::nullopt);
        if (!(kept_->lee_settings == lee_settings_) || kept_->lee_rows.size() != lee_rows_.size()) {
            kept_->lee_settings = lee_settings_;
            kept_->lee_rows = lee_rows_;
        }
    }

    update_labels();
    draw_descartes();
    request_curves();
    request_band();
    draw_lee();
}

void TheoryWindow::main_scene_changed() {
    if (form_.shown) draw_descartes();
}

void TheoryWindow::draw_descartes() {
    draw_descartes_picture(descartes.surface(), host_.main_scene().central_incidence_deg, words_);
}

void TheoryWindow::update_labels() {
    const double a = radius_um();
    radius_label.caption = "a = " + radius_text(a);
    wavelength_label.caption = "λ = " + format_number(wavelength_nm(), "0") + " nm";
}

void TheoryWindow::request_curves() {
    if (curves_pending_) {
        // The job under way asks again with the settings of then, when it ends or pauses.
        if (curves_job_) curves_job_->asked_again = true;
        return;
    }
    std::vector<BowQuery> missing;
    for (const int k : {1, 2}) {
        const BowQuery query{radius_um(), wavelength_nm(), polarisation(), k};
        const TheoryResults::CurvesKey key{radius.value(), wavelength.value(),
                                           int(query.polarisation), k};
        if (!kept_->curves.contains(key)) missing.push_back(query);
    }
    if (missing.empty()) {
        draw_curves();
        return;
    }
    curves_pending_ = true;
    draw_curves();  // "…" where the curves of these settings are not yet computed
    auto job = std::make_shared<CurvesJob>();
    job->base = {radius.value(), wavelength.value(), int(polarisation()), 0};
    for (const BowQuery& q : missing) job->works.emplace_back(q);
    job->kept.assign(missing.size(), false);
    curves_job_ = job;
    run_curves(job);
}

void TheoryWindow::run_curves(const std::shared_ptr<CurvesJob>& job) {
    BackgroundWork* work = work_.get();
    work_->start(
        [job, work] {
            const scattering::Pace pace = pace_of(*work);
            // In pieces, a setting changed since it paused is taken before any more work.
            job->paused = pace.in_pieces() && job->asked_again;
            if (job->paused) return;
            for (BowCurvesWork& w : job->works) {
                if (!w.run(pace)) {
                    job->paused = true;
                    return;
                }
            }
        },
        [this, job] {
            const auto& [radius_at, nm, polarisation_at, none] = job->base;
            bool kept_more = false;
            for (std::size_t i = 0; i < job->works.size(); ++i) {
                BowCurvesWork& w = job->works[i];
                if (job->kept[i] || !w.done()) continue;
                kept_->curves[{radius_at, nm, polarisation_at, w.query().reflections}] = w.curves();
                job->kept[i] = true;
                kept_more = true;
            }
            const TheoryResults::CurvesKey now{radius.value(), wavelength.value(),
                                               int(polarisation()), 0};
            if (job->paused && now == job->base) {
                // The settings are those asked for: the curves go on where they stopped.
                if (kept_more) draw_curves();
                job->asked_again = false;
                run_curves(job);
                return;
            }
            // Done, or a new setting came meanwhile: the window asks again for the settings of
            // now (what was computed for the old ones is kept).
            curves_pending_ = false;
            curves_job_.reset();
            request_curves();
        });
}

void TheoryWindow::draw_curves() {
    const PolarisationChoice p = polarisation();
    PictureBox* pictures[] = {&primary, &secondary};
    for (const int k : {1, 2}) {
        Surface& surface = pictures[k - 1]->surface();
        const auto found = kept_->curves.find({radius.value(), wavelength.value(), int(p), k});
        if (found == kept_->curves.end()) {
            print_waiting(surface, "…");
            continue;
        }
        draw_bow_picture(surface, found->second, shown_theories(), words_);
    }
}

void TheoryWindow::request_band() {
    if (band_pending_) {
        if (band_job_) band_job_->asked_again = true;  // taken when the job ends or pauses
        return;
    }
    const int position = radius.value();
    if (kept_->bands.contains(position)) {
        draw_band();
        return;
    }
    band_pending_ = true;
    print_waiting(band.surface(), "…");
    band_job_ = std::make_shared<BandJob>(position, radius_um());
    run_band(band_job_);
}

void TheoryWindow::run_band(const std::shared_ptr<BandJob>& job) {
    BackgroundWork* work = work_.get();
    work_->start(
        [job, work] {
            const scattering::Pace pace = pace_of(*work);
            job->done = !(pace.in_pieces() && job->asked_again) && job->work.run(pace);
        },
        [this, job] {
            if (!job->done && radius.value() == job->position) {
                job->asked_again = false;
                run_band(job);  // on where it stopped
                return;
            }
            // Done, or a new radius came meanwhile: the window asks for that one.
            if (job->done) kept_->bands[job->position] = std::move(job->work.band());
            band_pending_ = false;
            band_job_.reset();
            request_band();
        });
}

void TheoryWindow::draw_band() {
    const auto found = kept_->bands.find(radius.value());
    if (found != kept_->bands.end()) draw_colour_band(band.surface(), found->second, words_);
}

void TheoryWindow::draw_lee() {
    const double a = radius_um();
    const auto& s = lee_settings_;
    draw_lee_diagram(
        lee.surface(), lee_rows_, s,
        a >= s.smallest_um && a <= s.largest_um ? std::optional<double>(a) : std::nullopt, words_);
}

void TheoryWindow::show_lee() {
    lee_progress.caption = format_number(double(lee_rows_done()), "0") + " / " +
                           format_number(double(lee_rows_.size()), "0");
    if (form_.shown) draw_lee();
}

void TheoryWindow::take_kept_lee_rows(std::size_t rows) {
    if (!(kept_->lee_settings == lee_settings_) || kept_->lee_rows.size() != lee_rows_.size())
        return;
    std::size_t done = lee_rows_done();
    for (const std::size_t r : scattering::lee_order(lee_rows_.size())) {
        if (lee_rows_[r]) continue;
        if (!kept_->lee_rows[r] || done >= rows) return;
        lee_rows_[r] = kept_->lee_rows[r];
        ++done;
    }
}

void TheoryWindow::keep_first_lee_rows(std::size_t rows) {
    std::size_t kept = 0;
    for (const std::size_t r : scattering::lee_order(lee_rows_.size())) {
        if (!lee_rows_[r]) continue;
        if (kept < rows) {
            ++kept;
        } else {
            lee_rows_[r].reset();
        }
    }
}

void TheoryWindow::start_lee() {
    const std::size_t total = lee_rows_.size();
    if (lee_running_) {
        // A run that Cancel stopped is still ending: the new one starts when it has.
        if (*lee_stop_ < total) lee_restart_stop_ = total;
        return;
    }
    run_lee(total);
}

void TheoryWindow::run_lee(std::size_t stop_at, bool resumed) {
    const std::size_t total = lee_rows_.size();
    if (lee_rows_done() >= total) return;
    // Rows computed before, here or in a program before this one, come at once.
    const std::size_t before = lee_rows_done();
    take_kept_lee_rows(stop_at);
    const std::size_t done = lee_rows_done();
    if (!resumed || done != before) show_lee();  // a paused run showed its rows as they came
    if (done >= std::min(stop_at, total)) return;
    lee_running_ = true;
    lee_stop_ = std::make_shared<std::atomic<std::size_t>>(stop_at);
    auto stop = lee_stop_;
    BackgroundWork* work = work_.get();
    std::vector<bool> done_rows(total);
    for (std::size_t r = 0; r < total; ++r) done_rows[r] = lee_rows_[r].has_value();
    // A runner that works in slices asks the job to pause after a row or inside one (the row
    // under way is then kept); the job then ends, and its ending runs it on from there, to
    // the same stop, in a later slice.
    auto paused = std::make_shared<bool>(false);
    work_->start(
        [this, stop, paused, work, settings = lee_settings_, done_rows, done,
         row_under_way = lee_row_under_way_] {
            // Stopped before it began (a replayed Cancel, a window closing): no row at all.
            if (done >= *stop) return;
            scattering::lee_diagram(
                settings,
                [this, stop, paused, work, settings](std::size_t index,
                                                     const scattering::ColourBand& row,
                                                     std::size_t rows_done, std::size_t) {
                    work->post([this, stop, index, row, settings] {
                        // The rows are delivered in the order computed: those beyond the stop
                        // were computed before the job saw it, and are not shown.
                        if (lee_rows_done() >= *stop || index >= lee_rows_.size()) return;
                        lee_rows_[index] = row;
                        if (kept_->lee_settings == settings && index < kept_->lee_rows.size())
                            kept_->lee_rows[index] = row;
                        show_lee();
                    });
                    if (rows_done >= *stop) return false;
                    *paused = work->should_pause();
                    return !*paused;
                },
                pace_of(*work), done_rows, *row_under_way);
            if (*row_under_way) *paused = true;
        },
        [this, stop, paused] {
            lee_running_ = false;
            if (lee_restart_stop_) {
                const std::size_t restart_stop = *lee_restart_stop_;
                lee_restart_stop_.reset();
                run_lee(restart_stop);
            } else if (*paused) {
                run_lee(*stop, true);
            }
        });
}

void TheoryWindow::cancel_lee() {
    // The diagram keeps the rows shown now and the one under way, whatever the job computed
    // meanwhile, or the rows a recorded Cancel had; never more than an earlier Cancel left.
    const bool running = lee_running_ || lee_restart_stop_;
    const std::size_t rows = lee_replayed_stop_.value_or(
        running ? std::min(lee_rows_done() + 1, lee_rows_.size()) : lee_rows_done());
    lee_replayed_stop_.reset();
    if (lee_running_ && lee_stop_) *lee_stop_ = std::min(rows, lee_stop_->load());
    if (lee_restart_stop_) lee_restart_stop_ = std::min(rows, *lee_restart_stop_);
    // A recorded Cancel after rows that came at once from those kept.
    if (lee_rows_done() > rows) {
        keep_first_lee_rows(rows);
        show_lee();
    }
}

std::optional<int> TheoryWindow::stopped_at(std::string_view control) const {
    if (control != lee_cancel.name()) return std::nullopt;
    if (!lee_running_ || !lee_stop_) return int(lee_rows_done());
    // The run ends at its stop, and one waiting for it goes on to its own.
    const std::size_t total = lee_rows_.size();
    std::size_t rows = std::min(lee_stop_->load(), total);
    if (lee_restart_stop_) rows = std::max(rows, std::min(*lee_restart_stop_, total));
    return int(rows);
}

void TheoryWindow::stop_replayed_at(std::string_view control, int rows) {
    if (control == lee_cancel.name() && rows >= 0) lee_replayed_stop_ = std::size_t(rows);
}

}  // namespace rainbow
