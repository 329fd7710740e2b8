#pragma once
// The theory window "theoria": Descartes' curve, the brightness of the primary and the
// secondary bow by rays, by Airy and exactly, the colours of the bow for one drop and the
// Lee diagram for all drops from 10 um to 1 mm.
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "forms/background_work.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/window.h"
#include "scattering/colour_band.h"
#include "theory/bow_curves.h"
#include "theory/theory_texts.h"

namespace rainbow {

// What the theory window computed, by its settings, for the session: handed on to the theory
// window of a program started afresh, which draws it at once.
struct TheoryResults final : KeptResults {
    using CurvesKey = std::tuple<int, int, int, int>;  // radius position, nm, polarisation, bow
    std::map<CurvesKey, BowCurves> curves;
    std::map<int, scattering::ColourBand> bands;  // by radius position
    // Rows of the Lee diagram computed for these settings (a row's place in the picture).
    scattering::LeeSettings lee_settings;
    std::vector<std::optional<scattering::ColourBand>> lee_rows;
};

class TheoryWindow : public Window {
public:
    explicit TheoryWindow(WindowHost& host);
    ~TheoryWindow() override;
    TheoryWindow(const TheoryWindow&) = delete;
    TheoryWindow& operator=(const TheoryWindow&) = delete;

    Form& form() override { return form_; }

    // Long computations run on the runner the host hands; another can replace it.
    void set_background_work(std::unique_ptr<BackgroundWork> work);

    // Sizes the window to the screen, lays it out, shows it and draws every picture.
    void open() override;
    // Redraws the marker of the main window's central ray.
    void main_scene_changed() override;
    // Cancel records the rows the Lee diagram ends with, and stops at the rows recorded when
    // it is taken again.
    std::optional<int> stopped_at(std::string_view control) const override;
    void stop_replayed_at(std::string_view control, int rows) override;

    // The drop's radius in micrometres for a position of the radius scroll bar (log scale,
    // 5 um at 0 to 2 mm at the top), rounded to the three figures printed: 301 is 10.0 um,
    // 2000 is 500 um and 2301 is 1.00 mm.
    static double radius_at(int position);
    double radius_um() const { return radius_at(radius.value()); }
    double wavelength_nm() const { return wavelength.value(); }
    PolarisationChoice polarisation() const;
    ShownTheories shown_theories() const;
    bool lee_running() const { return lee_running_; }
    std::size_t lee_rows_done() const;

    // The Lee diagram's rows and columns, set for the picture's size when the window opens
    // with no row computed yet.
    const scattering::LeeSettings& lee_settings() const { return lee_settings_; }

private:
    void draw_descartes();
    void update_labels();
    void request_curves();
    void request_band();
    // Runs the curves or the band on, in a job that may pause and be started again.
    struct CurvesJob;
    struct BandJob;
    void run_curves(const std::shared_ptr<CurvesJob>& job);
    void run_band(const std::shared_ptr<BandJob>& job);
    void draw_curves();
    void draw_band();
    void draw_lee();
    void start_lee();
    // Runs the Lee diagram on from the rows done, stopping at `stop_at` rows; `resumed` when a
    // paused run goes on.
    void run_lee(std::size_t stop_at, bool resumed = false);
    void cancel_lee();

    WindowHost& host_;
    Form form_;
    std::unique_ptr<BackgroundWork> work_;
    TheoryWords words_;  // in the user's language

    // Shows the Lee diagram's progress and draws it.
    void show_lee();
    // Takes the rows kept from before that come next in the order of computing, up to `rows`.
    void take_kept_lee_rows(std::size_t rows);
    // Keeps the first `rows` rows in the order of computing, and drops the rest.
    void keep_first_lee_rows(std::size_t rows);

    // Results kept for the session: returning to a setting draws at once.
    std::shared_ptr<TheoryResults> kept_;
    scattering::LeeSettings lee_settings_;
    std::vector<std::optional<scattering::ColourBand>> lee_rows_;  // by row, smallest radius first
    bool lee_running_ = false;
    // The rows at which the run under way stops: all of them until Cancel. Read by the job
    // after each row; a row that comes after it is reached is dropped.
    std::shared_ptr<std::atomic<std::size_t>> lee_stop_;
    std::optional<std::size_t> lee_replayed_stop_;  // for the next Cancel
    std::optional<std::size_t> lee_restart_stop_;   // Start while a stopped run ends: its stop
    // The row a run paused inside, for the run that goes on.
    std::shared_ptr<std::unique_ptr<scattering::LeeRowWork>> lee_row_under_way_ =
        std::make_shared<std::unique_ptr<scattering::LeeRowWork>>();
    bool curves_pending_ = false;
    bool band_pending_ = false;
    std::shared_ptr<CurvesJob> curves_job_;  // under way
    std::shared_ptr<BandJob> band_job_;

public:
    PictureBox& descartes;
    PictureBox& primary;
    PictureBox& secondary;
    PictureBox& band;
    PictureBox& lee;
    ScrollBar& radius;
    ScrollBar& wavelength;
    Label& radius_label;
    Label& wavelength_label;
    OptionButton& perpendicular;
    OptionButton& parallel;
    OptionButton& unpolarised;
    Menu& theories;
    MenuItem& geometric;
    MenuItem& airy;
    MenuItem& exact;
    MenuItem& debye;
    CommandButton& lee_start;
    CommandButton& lee_cancel;
    Label& lee_progress;
};

}  // namespace rainbow
