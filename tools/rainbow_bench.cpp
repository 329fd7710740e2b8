// rainbow-bench: how long the main picture takes to redraw with the most rays, and to paint.
// Each case runs many times; the table shows the median and the fastest run.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "rainbow/main_window.h"
#include "app/program.h"
#include "qt/display_list_painter.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double median_ms;
    double fastest_ms;
    int runs;
};

Timing measure(const std::function<void()>& work) {
    std::vector<double> ms;
    const auto start = Clock::now();
    while (ms.size() < 5 || (ms.size() < 200 && Clock::now() - start < std::chrono::seconds(1))) {
        const auto t0 = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), int(ms.size())};
}

void row(const std::string& name, std::size_t items, const Timing& t) {
    std::printf("%-44s %8zu %10.3f %10.3f %6d\n", name.c_str(), items, t.median_ms, t.fastest_ms,
                t.runs);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    rainbow::Program program;
    rainbow::MainWindow& w = program.arxiki();
    w.arithaktinon.set_value(80);
    w.arithanak.set_value(2);
    w.Option1.click();
    const rainbow::Surface& picture = w.Picture1.surface();

    QImage raster(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&] {
        QPainter painter(&raster);
        rainbow::paint_display_list(painter, picture, QSizeF(raster.size()));
    };

    std::printf("%-44s %8s %10s %10s %6s\n", "case (80 rays, 2 reflections, water)", "items",
                "median ms", "fastest ms", "runs");
    for (rainbow::OptionButton* beam : {&w.pointsource, &w.parallel}) {
        beam->click();
        const std::string name = beam == &w.parallel ? "parallel beam" : "point source";
        int angle = w.goniatheta.value();
        const Timing redraw = measure([&] {
            angle = angle == 15 ? 16 : 15;
            w.goniatheta.set_value(angle);
        });
        row("scene redraw after a change, " + name, picture.items().size(), redraw);
        row("  painting it at 1000x1000", picture.items().size(), measure(paint));

        const std::pair<const char*, rainbow::CommandButton*> buttons[] = {
            {"Belqor", &w.Command1}, {"Belqor Central", &w.Command2},
            {"Belqor External", &w.Command3}};
        for (const auto& [caption, button] : buttons) {
            const Timing t = measure([&] { button->click(); });
            row(std::string(caption) + ", " + name, picture.items().size(), t);
            row("  painting it at 1000x1000", picture.items().size(), measure(paint));
        }
    }
    return 0;
}
