// rainbow-window-pictures DIR: opens the program's windows without a display, on a screen of
// 1024 x 768 pixels, and saves each as DIR/window_FORM.png, for the help pages.
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <cstdio>

#include "app/program.h"
#include "app/step.h"
#include "forms/form.h"
#include "qt/program_view.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rainbow-window-pictures DIR\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using rainbow::twips_per_pixel;
    rainbow::Program program(rainbow::Screen{1024 * twips_per_pixel, 768 * twips_per_pixel});
    // The user's steps, taken as a user takes them.
    using rainbow::Step;
    const Step steps[] = {
        {Step::Action::set, "arxiki", "arithaktinon", 10},
        {Step::Action::click, "arxiki", "Command5", 0},
        {Step::Action::click, "arxiki", "Command6", 0},
        {Step::Action::click, "arxiki", "Command7", 0},
        {Step::Action::click, "kafstikh", "Command1", 0},
        {Step::Action::click, "kafstikh", "Command2", 0},
    };
    for (const Step& step : steps) rainbow::take_step(program, step);
    rainbow::ProgramView view(program);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const auto& form_view : view.views()) {
        QMainWindow* window = form_view->window();
        window->setWindowState(Qt::WindowNoState);
        window->resize(1024, 768);
        const QString file =
            dir.filePath(QStringLiteral("window_%1.png").arg(window->objectName()));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "rainbow-window-pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
