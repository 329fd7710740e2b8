// rainbow-render: runs the rainbow program without a display, applies steps as a user
// would, and writes pictures (PNG, SVG) and the whole state (JSON).
#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "qt/raster_underlay.h"
#include "qt/translations.h"
#include "tools/render_command.h"

namespace {

// The command's standard error holds its own messages only: Qt's notes (such as a missing
// runtime directory on a server) are dropped, its errors kept.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    std::cerr << "rainbow-render: " << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    // Standard output closed: no file opened later may take its place.
    const bool standard_output_closed = ::fcntl(STDOUT_FILENO, F_GETFD) == -1;
    std::vector<std::string> args(argv + 1, argv + argc);
    rainbow::RenderRequest request;
    try {
        request = rainbow::parse_render_arguments(args);
    } catch (const rainbow::BadInput& e) {
        std::cerr << "rainbow-render: " << e.what() << '\n';
        return 2;
    }
    if (request.help) {
        std::cout << rainbow::render_help();
        return 0;
    }
    for (const auto& output : request.outputs) {
        if (standard_output_closed && output.file == "-") {
            std::cerr << "rainbow-render: cannot write '-': standard output is closed\n";
            return 2;
        }
    }

    // A reader that leaves a FIFO early makes a write fail with one line, not end the command.
    std::signal(SIGPIPE, SIG_IGN);

    // Text needs a GUI application for its fonts; no display is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_messages);
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);
    // A picture drawn over many times keeps its older items as pixels.
    rainbow::install_raster_baker();
    // The tooltips of the JSON state follow the user's language.
    rainbow::install_translations(app);

    try {
        rainbow::run_render(request, std::cout);
    } catch (const rainbow::BadInput& e) {
        std::cerr << "rainbow-render: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "rainbow-render: failed: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
