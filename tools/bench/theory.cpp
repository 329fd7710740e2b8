// The theory window's numbers: Mie for a large drop, the colour band of one radius on two
// cores, and one row of the Lee diagram.
#include <benchmark/benchmark.h>

#include <ctime>
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

// The colour band of one radius as the window computes it: 1 mm and 100 um drops, the
// exact intensity sampled finely enough for the sun's disc to average its ripple.
// The processor time of every thread of the process, in seconds: on a busy machine the clock
// runs on while the threads wait, so the counter `cpu_s` (per iteration) tells what two quiet
// cores would take, about half of it.
double process_seconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

void colour_band_two_cores(benchmark::State& state) {
    const auto parallel = sc::threads_parallel_for(2);
    const double radius = double(state.range(0));
    const double start = process_seconds();
    for (auto _ : state)
        benchmark::DoNotOptimize(sc::colour_band(radius, sc::BandSettings{}, parallel));
    state.counters["cpu_s"] =
        benchmark::Counter(process_seconds() - start, benchmark::Counter::kAvgIterations);
}
BENCHMARK(colour_band_two_cores)->Arg(1000)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole Lee diagram at its smallest (200 rows of 600 columns) on two cores, and its first
// coarse pass (every 8th row and the last).
sc::LeeSettings bench_lee() {
    sc::LeeSettings settings;
    settings.rows = 200;
    settings.band.columns = 600;
    return settings;
}

void lee_diagram_two_cores(benchmark::State& state) {
    const auto parallel = sc::threads_parallel_for(2);
    const sc::LeeSettings settings = bench_lee();
    const std::size_t coarse = (std::size_t(settings.rows) + 7) / 8 + 1;
    const bool first_pass_only = state.range(0) == 1;
    const double start = process_seconds();
    for (auto _ : state) {
        sc::lee_diagram(
            settings,
            [&](std::size_t, const sc::ColourBand&, std::size_t done, std::size_t) {
                return !first_pass_only || done < coarse;
            },
            parallel);
    }
    state.counters["cpu_s"] =
        benchmark::Counter(process_seconds() - start, benchmark::Counter::kAvgIterations);
}
BENCHMARK(lee_diagram_two_cores)
    ->ArgName("first_pass")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

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
    rainbow::Surface surface(9000, 5000);
    const auto settings = rainbow::lee_settings_for(surface);
    rainbow::LeeRows rows;
    rows.push_back(sc::colour_band(10.0, settings.band, sc::serial_for()));
    rows.resize(std::size_t(settings.rows));  // the rest shows the nearest computed row
    const auto words = rainbow::theory_words();
    for (auto _ : state) rainbow::draw_lee_diagram(surface, rows, settings, 100.0, words);
}
BENCHMARK(lee_diagram_full_redraw)->Unit(benchmark::kMillisecond);

}  // namespace
