// Pictures drawn over many times without being cleared: the reflected rays and their caustic
// clicked again and again, and the ray-crossing window opened again and again from the main
// window. Each is measured after one drawing and after a thousand: the handler (one drawing
// more), the repaint, and the PNG, SVG and PDF exports, each with its ratio to one drawing.
#include <benchmark/benchmark.h>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <chrono>
#include <limits>
#include <map>
#include <memory>

#include "bench.h"
#include "qt/display_list_painter.h"
#include "qt/picture_files.h"

namespace rainbow::bench {
namespace {

struct Stack {
    const char* name;
    const char* opener;   // run once
    const char* drawing;  // clicked again and again
    const char* picture;
};

constexpr Stack stacks[] = {
    {"stacked_reflected", "arxiki.Command6", "kafstikh.Command2", "kafstikh.eikona"},
    {"stacked_crossing", "arxiki.Command5", "arxiki.Command5", "cut_rays.client"},
};

void stack_up(Program& program, const Stack& stack, int drawings) {
    click(program, stack.opener);
    for (int i = std::string_view(stack.opener) == stack.drawing ? 1 : 0; i < drawings; ++i) {
        click(program, stack.drawing);
    }
}

// One drawing on a cleared picture, or one more on the stack.
void draw_alone(Program& p, const Stack& stack) {
    picture(p, stack.picture).cls();
    click(p, stack.drawing);
}

// The handler of a thousand stacks one drawing more at every iteration: the picture holds a
// thousand drawings or more when it is painted.
const ViewRegistration views[] = {
    ViewRegistration({"stacked_reflected_x1", [](Program& p) { stack_up(p, stacks[0], 0); },
                      [](Program& p) { draw_alone(p, stacks[0]); }, stacks[0].picture}),
    ViewRegistration({"stacked_reflected_x1000", [](Program& p) { stack_up(p, stacks[0], 999); },
                      [](Program& p) { click(p, stacks[0].drawing); }, stacks[0].picture}),
    ViewRegistration({"stacked_crossing_x1", [](Program& p) { stack_up(p, stacks[1], 0); },
                      [](Program& p) { draw_alone(p, stacks[1]); }, stacks[1].picture}),
    ViewRegistration({"stacked_crossing_x1000", [](Program& p) { stack_up(p, stacks[1], 999); },
                      [](Program& p) { click(p, stacks[1].drawing); }, stacks[1].picture}),
};

// The exports, as the render command and the picture's menu write them.
qsizetype export_png(const Surface& s, const QString& title) {
    return encode_picture(s, PictureFormat::png, default_file_size(s), title).size();
}
qsizetype export_svg(const Surface& s, const QString& title) {
    return encode_picture(s, PictureFormat::svg, default_file_size(s), title).size();
}
qsizetype export_pdf(const Surface& s, const QString& title) {
    return encode_picture(s, PictureFormat::pdf, default_file_size(s), title).size();
}

std::map<std::string, double>& fastest_export() {
    static std::map<std::string, double> table;
    return table;
}

// An export of the picture as it stands, or (`drawn_first`) right after one drawing more: the
// first export after a bake, which pays for what the exports of the same underlay share.
template <qsizetype (*write)(const Surface&, const QString&), bool drawn_first = false>
void export_benchmark(benchmark::State& state, const char* kind, int stack, int drawings) {
    static std::map<std::pair<int, int>, std::unique_ptr<Program>> programs;
    auto& program = programs[{stack, drawings}];
    if (!program) {
        program = std::make_unique<Program>();
        stack_up(*program, stacks[stack], drawings);
    }
    const Surface& s = picture(*program, stacks[stack].picture);
    QTemporaryDir dir;
    const QString file = dir.filePath("picture");
    double fastest_ms = std::numeric_limits<double>::infinity();
    qsizetype file_bytes = 0;
    for (auto _ : state) {
        if (drawn_first) {
            state.PauseTiming();
            if (drawings == 1) {
                draw_alone(*program, stacks[stack]);
            } else {
                click(*program, stacks[stack].drawing);
            }
            state.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        file_bytes = write(s, file);
        fastest_ms = std::min(fastest_ms, std::chrono::duration<double, std::milli>(
                                              std::chrono::steady_clock::now() - start)
                                              .count());
    }
    const std::string key = std::string(stacks[stack].name) + kind;
    double& best = fastest_export()[key + std::to_string(drawings)];
    best = std::min(best == 0 ? fastest_ms : best, fastest_ms);
    state.counters["file_kB"] = double(file_bytes) / 1024;
    if (drawings > 1) state.counters["ratio_to_one"] = best / fastest_export()[key + "1"];
}

struct ExportRegistration {
    ExportRegistration() {
        for (int stack = 0; stack < 2; ++stack) {
            for (int drawings : {1, 1000}) {
                const std::string base =
                    std::string(stacks[stack].name) + "_x" + std::to_string(drawings) + "/";
                const auto add = [&](const char* kind, auto function) {
                    benchmark::RegisterBenchmark((base + kind).c_str(), function, kind, stack,
                                                 drawings)
                        ->Unit(benchmark::kMillisecond)
                        ->UseRealTime();
                };
                add("png", export_benchmark<export_png>);
                add("svg", export_benchmark<export_svg>);
                add("svg_after_drawing", export_benchmark<export_svg, true>);
                add("pdf_after_drawing", export_benchmark<export_pdf, true>);
                add("pdf", export_benchmark<export_pdf>);
            }
        }
    }
} exports;

}  // namespace
}  // namespace rainbow::bench
