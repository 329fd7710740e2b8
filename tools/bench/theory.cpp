// The theory window's numbers: Mie for a large drop, the colour band of one radius on two
// cores, and one row of the Lee diagram.
#include <benchmark/benchmark.h>

#include <numbers>
#include <vector>

#include "scattering/colour_band.h"
#include "scattering/mie.h"

namespace {

namespace sc = rainbow::scattering;

void mie_x10000_1000_angles(benchmark::State& state) {
    std::vector<double> angles;
    for (int i = 0; i < 1000; ++i) angles.push_back(std::numbers::pi * i / 999.0);
    for (auto _ : state) benchmark::DoNotOptimize(sc::mie({1.333, 0.0}, 10000.0, angles));
}
BENCHMARK(mie_x10000_1000_angles)->Unit(benchmark::kMillisecond);

void colour_band_1mm_two_cores(benchmark::State& state) {
    const auto parallel = sc::threads_parallel_for(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(sc::colour_band(1000.0, sc::BandSettings{}, parallel));
}
BENCHMARK(colour_band_1mm_two_cores)->Unit(benchmark::kMillisecond)->UseRealTime();

void lee_row_100um_two_cores(benchmark::State& state) {
    const auto parallel = sc::threads_parallel_for(2);
    const sc::LeeSettings lee;
    for (auto _ : state) benchmark::DoNotOptimize(sc::colour_band(100.0, lee.band, parallel));
}
BENCHMARK(lee_row_100um_two_cores)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// Events of the theory window whose results are known: what the interface waits for.
#include "app/program.h"
#include "rainbow/main_window.h"
#include "theory/colour_pictures.h"
#include "theory/theory_window.h"

namespace {

void theory_window_radius_change_cached(benchmark::State& state) {
    rainbow::Program program;
    program.arxiki().Command7.click();
    auto& window = program.theoria();
    window.radius.set_value(301);
    window.radius.set_value(400);
    int position = 301;
    for (auto _ : state) {
        window.radius.set_value(position);
        position = position == 301 ? 400 : 301;
    }
}
BENCHMARK(theory_window_radius_change_cached)->Unit(benchmark::kMillisecond);

void lee_diagram_full_redraw(benchmark::State& state) {
    const auto& settings = rainbow::TheoryWindow::lee_settings();
    const auto row = sc::colour_band(10.0, settings.band, sc::serial_for());
    std::vector<sc::ColourBand> rows;
    for (const double radius : sc::lee_radii(settings)) {
        rows.push_back(row);
        rows.back().radius_um = radius;
    }
    rainbow::Surface surface(9000, 5000);
    const auto words = rainbow::theory_words();
    for (auto _ : state) rainbow::draw_lee_diagram(surface, rows, settings, 100.0, words);
}
BENCHMARK(lee_diagram_full_redraw)->Unit(benchmark::kMillisecond);

}  // namespace
