// rainbow-bench: Google Benchmark over every view of the program (see bench.h). Run with
// --benchmark_repetitions=N --benchmark_format=json to compare runs; on a shared machine the
// fastest repetition is the one that tells.
#include "bench.h"

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "qt/banded_paint.h"
#include "qt/display_list_painter.h"
#include "qt/picture_raster.h"
#include "qt/raster_underlay.h"

namespace rainbow::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<View>& views() {
    static std::vector<View> list;
    return list;
}

// The fastest handler and floor of each view so far, in ms, for the paint benchmark's counters.
struct Fastest {
    double handler_ms = std::numeric_limits<double>::infinity();
    double floor_ms = std::numeric_limits<double>::infinity();
};
std::map<std::string, Fastest>& fastest() {
    static std::map<std::string, Fastest> table;
    return table;
}

// One program per view, set up once and kept: the benchmarks of a view run again and again.
Program& program_of(const View& view) {
    static std::map<std::string, std::unique_ptr<Program>> programs;
    auto& program = programs[view.name];
    if (!program) {
        program = std::make_unique<Program>();
        view.setup(*program);
        view.handler(*program);
    }
    return *program;
}

std::pair<std::string, std::string> split(const std::string& path) {
    const auto dot = path.find('.');
    if (dot == std::string::npos) throw std::invalid_argument("not FORM.CONTROL: " + path);
    return {path.substr(0, dot), path.substr(dot + 1)};
}

Form& form_of(Program& program, const std::string& name) {
    Form* form = program.find_form(name);
    if (form == nullptr) throw std::invalid_argument("no window " + name);
    return *form;
}

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void handler_benchmark(benchmark::State& state, const View& view) {
    Program& program = program_of(view);
    double fastest_ms = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        const auto start = Clock::now();
        view.handler(program);
        fastest_ms = std::min(fastest_ms, ms_since(start));
    }
    auto& f = fastest()[view.name].handler_ms;
    f = std::min(f, fastest_ms);
    const Surface& s = picture(program, view.picture);
    state.counters["items"] = double(s.items().size());
    state.counters["baked"] = double(s.baked_count());
    // What the picture holds: its list and its underlay.
    const QImage* underlay = underlay_image(s);
    state.counters["picture_kB"] = (double(s.items().capacity() * sizeof(Item)) +
                                    (underlay ? double(underlay->sizeInBytes()) : 0)) /
                                   1024;
}

// The view's picture as the bare QPainter calls that paint it.
QPicture recorded(const Surface& surface) {
    QPicture commands;
    QPainter painter(&commands);
    paint_display_list(painter, surface, QSizeF(raster_side, raster_side));
    painter.end();
    return commands;
}

void floor_benchmark(benchmark::State& state, const View& view) {
    const QPicture commands = recorded(picture(program_of(view), view.picture));
    QImage image(raster_side, raster_side, QImage::Format_ARGB32_Premultiplied);
    double fastest_ms = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        const auto start = Clock::now();
        QPainter painter(&image);
        painter.drawPicture(0, 0, commands);
        painter.end();
        fastest_ms = std::min(fastest_ms, ms_since(start));
    }
    auto& f = fastest()[view.name].floor_ms;
    f = std::min(f, fastest_ms);
}

double thread_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The processor time on the longest path of a repaint in bands: the calling thread's own work
// (erasing, copying bands out and back) and the slowest band. On a quiet machine with a core
// per band the repaint takes about that long; on a busy one the clock says more.
double critical_path_ms(const Surface& surface) {
    QImage image(raster_side, raster_side, QImage::Format_ARGB32_Premultiplied);
    std::mutex guard;
    std::map<std::thread::id, double> band_ms;
    const double start = thread_cpu_ms();
    paint_in_bands(image, [&](QPainter& painter) {
        const double t0 = thread_cpu_ms();
        paint_display_list(painter, surface, QSizeF(raster_side, raster_side));
        const double ms = thread_cpu_ms() - t0;
        std::lock_guard lock(guard);
        band_ms[std::this_thread::get_id()] += ms;
    });
    double slowest = 0;
    for (const auto& [thread, ms] : band_ms) slowest = std::max(slowest, ms);
    return thread_cpu_ms() - start - band_ms[std::this_thread::get_id()] + slowest;
}

void paint_benchmark(benchmark::State& state, const View& view) {
    const Surface& surface = picture(program_of(view), view.picture);
    PictureRaster raster;
    double total_ms = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        raster.invalidate();
        raster.update(&surface, QSize(raster_side, raster_side), 1.0);
        total_ms += ms_since(start);
    }
    const double paint_ms =
        total_ms / double(std::max<benchmark::IterationCount>(1, state.iterations()));
    double path_ms = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 20; ++i) path_ms = std::min(path_ms, critical_path_ms(surface));
    state.counters["cpu_path_ms"] = path_ms;
    const Fastest f = fastest()[view.name];
    state.counters["paint_ms"] = paint_ms;
    state.counters["handler_ms"] = f.handler_ms;
    state.counters["floor_ms"] = f.floor_ms;
    state.counters["total_ms"] = f.handler_ms + paint_ms;
    state.counters["ratio"] = paint_ms / f.floor_ms;
}

void register_views() {
    for (const View& view : views()) {
        const auto add = [&](const char* measure, auto function) {
            benchmark::RegisterBenchmark((view.name + "/" + measure).c_str(), function, view)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->ComputeStatistics("min", [](const std::vector<double>& v) {
                    return *std::min_element(v.begin(), v.end());
                });
        };
        add("handler", handler_benchmark);
        add("floor", floor_benchmark);
        add("paint", paint_benchmark);
    }
}

}  // namespace

ViewRegistration::ViewRegistration(View view) { views().push_back(std::move(view)); }

void click(Program& program, const std::string& control) {
    const auto [form, name] = split(control);
    Control* c = form_of(program, form).find(name);
    if (auto* button = dynamic_cast<CommandButton*>(c)) return button->click();
    if (auto* option = dynamic_cast<OptionButton*>(c)) return option->click();
    if (auto* item = dynamic_cast<MenuItem*>(c)) return item->click();
    throw std::invalid_argument("cannot click " + control);
}

void set(Program& program, const std::string& scroll_bar, int value) {
    const auto [form, name] = split(scroll_bar);
    form_of(program, form).get<ScrollBar>(name).set_value(value);
}

void toggle(Program& program, const std::string& scroll_bar, int a, int b) {
    const auto [form, name] = split(scroll_bar);
    auto& bar = form_of(program, form).get<ScrollBar>(name);
    bar.set_value(bar.value() == a ? b : a);
}

Surface& picture(Program& program, const std::string& name) {
    const auto [form_name, picture_name] = split(name);
    Form& form = form_of(program, form_name);
    if (picture_name == "client") {
        if (Surface* client = form.client_surface()) return *client;
        throw std::invalid_argument(form_name + " does not draw on itself");
    }
    return form.get<PictureBox>(picture_name).surface();
}

void paint_raster(const Surface& surface, int side) {
    PictureRaster raster;
    raster.update(&surface, QSize(side, side), 1.0);
}

double resident_bytes() {
    std::ifstream statm("/proc/self/statm");
    double pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * double(sysconf(_SC_PAGESIZE));
}

}  // namespace rainbow::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rainbow::install_raster_baker();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    rainbow::bench::register_views();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
