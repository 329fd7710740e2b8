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
    for (auto _ : state) benchmark::DoNotOptimize(sc::colour_band(1000.0, sc::BandSettings{}, parallel));
}
BENCHMARK(colour_band_1mm_two_cores)->Unit(benchmark::kMillisecond)->UseRealTime();

void lee_row_100um_two_cores(benchmark::State& state) {
    const auto parallel = sc::threads_parallel_for(2);
    const sc::LeeSettings lee;
    for (auto _ : state) benchmark::DoNotOptimize(sc::colour_band(100.0, lee.band, parallel));
}
BENCHMARK(lee_row_100um_two_cores)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
