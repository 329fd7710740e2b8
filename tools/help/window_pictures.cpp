// rainbow-window-pictures DIR: opens the program's windows without a display, on a screen of
// 1024 x 768 pixels, and saves each as DIR/window_FORM.png, for the help pages.
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <cstdio>

#include "app/program.h"
#include "forms/form.h"
#include "qt/program_view.h"
#include "rainbow/main_window.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rainbow-window-pictures DIR\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using rainbow::twips_per_pixel;
    rainbow::Program program(rainbow::Screen{1024 * twips_per_pixel, 768 * twips_per_pixel});
    program.arxiki().arithaktinon.set_value(10);
    program.arxiki().Command5.click();
    program.arxiki().Command6.click();
    program.arxiki().Command7.click();
    for (rainbow::Form* form : program.forms()) {
        if (form->name() != "kafstikh") continue;
        form->get<rainbow::CommandButton>("Command1").click();
        form->get<rainbow::CommandButton>("Command2").click();
    }
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
