// The soak's picture exports through the Qt adapter: each picture painted to a small image,
// and now and then to SVG, as the export of a picture does.
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>
#include <memory>

#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "qt/display_list_painter.h"
#include "soak/picture_export.h"

namespace rainbow {
namespace {

// Small enough to keep a soak of many events quick; the painting path is the same.
constexpr int export_side = 160;

std::vector<const Surface*> pictures(Program& program) {
    std::vector<const Surface*> all;
    for (Form* form : program.forms()) {
        if (const Surface* client = form->client_surface()) all.push_back(client);
        for (const auto& control : form->controls()) {
            if (control->kind() == ControlKind::picture) {
                all.push_back(&static_cast<const PictureBox&>(*control).surface());
            }
        }
    }
    return all;
}

void export_pictures(Program& program, int count) {
    for (const Surface* surface : pictures(program)) {
        const QSizeF size(export_side, export_side);
        if (count % 8 == 0) {
            QBuffer svg;
            QSvgGenerator generator;
            generator.setOutputDevice(&svg);
            generator.setSize(size.toSize());
            QPainter painter(&generator);
            paint_display_list(painter, *surface, size);
        } else {
            QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            paint_display_list(painter, *surface, size);
        }
    }
}

}  // namespace

std::function<void(Program&)> picture_exporter(int& argc, char** argv) {
    // Text needs a GUI application for its fonts; no display is needed for that. The soak's
    // output is its report: Qt's notes are dropped.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "rainbow-soak: %s\n", qPrintable(text));
        }
    });
    // The application lives as long as the exporter, which the soak's main owns.
    auto application = std::make_shared<QGuiApplication>(argc, argv);
    return
        [application, count = 0](Program& program) mutable { export_pictures(program, count++); };
}

}  // namespace rainbow
