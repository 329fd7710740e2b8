// The soak's picture exports through the Qt adapter, by the desktop's own paths: "Copy
// picture" puts the picture on the clipboard (offscreen Qt keeps it in the process), and
// "Save picture…" encodes it as PNG, SVG or PDF. Each picture takes the next of the four.
#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "qt/picture_files.h"
#include "soak/picture_export.h"

namespace rainbow {
namespace {

// Small enough to keep a soak of many events quick; the painting path is the same.
constexpr int export_side = 160;

struct Picture {
    std::string name;
    const Surface* surface;
};

std::vector<Picture> pictures(Program& program) {
    std::vector<Picture> all;
    for (Form* form : program.forms()) {
        if (const Surface* client = form->client_surface()) {
            all.push_back({form->name() + ".client", client});
        }
        for (const auto& control : form->controls()) {
            if (control->kind() == ControlKind::picture) {
                all.push_back({form->name() + "." + control->name(),
                               &static_cast<const PictureBox&>(*control).surface()});
            }
        }
    }
    return all;
}

// Copies the picture and reads the clipboard back: it must hold an image of the size copied.
void copy(const Picture& picture, QSize pixels) {
    const QImage image = render_image(*picture.surface, pixels);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setImage(image);
    const QImage held = clipboard->image();
    if (held.size() != pixels) {
        throw std::runtime_error(
            "copying " + picture.name + " at " + std::to_string(pixels.width()) + "x" +
            std::to_string(pixels.height()) + " left an image of " + std::to_string(held.width()) +
            "x" + std::to_string(held.height()) + " on the clipboard");
    }
}

void save(const Picture& picture, PictureFormat format, QSize pixels) {
    const QByteArray bytes =
        encode_picture(*picture.surface, format, pixels, QString::fromStdString(picture.name));
    if (bytes.isEmpty()) throw std::runtime_error("saving " + picture.name + " gave no bytes");
}

void export_pictures(Program& program, long& count) {
    for (const Picture& picture : pictures(program)) {
        const QSize pixels = size_with_longer_side(*picture.surface, export_side);
        switch (count++ % 4) {
            case 0: copy(picture, pixels); break;
            case 1: save(picture, PictureFormat::png, pixels); break;
            case 2: save(picture, PictureFormat::svg, pixels); break;
            default: save(picture, PictureFormat::pdf, pixels); break;
        }
    }
}

}  // namespace

std::function<void(Program&)> picture_exporter(int& argc, char** argv) {
    // Text needs a GUI application for its fonts, and the clipboard one to hold it; no
    // display is needed for either. The soak's output is its report: Qt's notes are dropped.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "rainbow-soak: %s\n", qPrintable(text));
        }
    });
    // The application lives as long as the exporter, which the soak's main owns.
    auto application = std::make_shared<QGuiApplication>(argc, argv);
    return [application, count = 0L](Program& program) mutable { export_pictures(program, count); };
}

}  // namespace rainbow
