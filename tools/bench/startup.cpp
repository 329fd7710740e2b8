// Start-up to the first painted scene, and the memory of the desktop program with all three
// windows open, both on Qt's offscreen screen with the real widgets.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPixmap>

#include "bench.h"
#include "qt/form_view.h"
#include "qt/picture_widget.h"
#include "qt/program_view.h"

namespace rainbow::bench {
namespace {

// The main window's picture, painted as the screen would show it.
void paint_first_scene(ProgramView& view) {
    view.view_of("arxiki")->widget_for("Picture1")->grab();
}

// What the desktop program does from its window to its first painted scene: the program
// starts (the main window is loaded and its scene drawn), every window gets its widgets, the
// picture is painted. The process's own start (loading Qt) comes before; scripts/measure-start
// times the whole.
void startup_first_scene(benchmark::State& state) {
    for (auto _ : state) {
        Program program;
        ProgramView view(program);
        paint_first_scene(view);
    }
}
BENCHMARK(startup_first_scene)->Unit(benchmark::kMillisecond)->UseRealTime();

// Resident memory with the three windows open and painted, their pictures at their usual
// sizes: the process as a whole, Qt included.
void memory_all_windows(benchmark::State& state) {
    Program program;
    ProgramView view(program);
    click(program, "arxiki.Command5");
    click(program, "arxiki.Command6");
    click(program, "kafstikh.Command2");
    view.sync();
    for (auto _ : state) {
        for (const char* form : {"arxiki", "cut_rays", "kafstikh"}) {
            view.view_of(form)->window()->grab();
        }
    }
    state.counters["resident_MB"] = resident_bytes() / (1024.0 * 1024.0);
}
BENCHMARK(memory_all_windows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace rainbow::bench
