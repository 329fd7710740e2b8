// rainbow: the desktop program. Shows the program's windows and lets the user work them.
#include <QApplication>
#include <QScreen>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/program.h"
#include "qt/lesson_session.h"
#include "qt/raster_underlay.h"
#include "qt/screen_fit.h"
#include "qt/translations.h"

namespace {

const char* const usage =
    "usage: rainbow [--help]\n"
    "The optics of the rainbow: rays of light through a drop of water or glass.\n"
    "Opens the program's windows on the desktop; it takes no other arguments.\n";

bool display_named() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// While the application starts, Qt's messages are held back: when no platform can be
// opened, the user reads one line instead of Qt's advice followed by an abort.
std::string first_startup_message;

void startup_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (first_startup_message.empty()) {
        first_startup_message = message.section(QLatin1Char('\n'), 0, 0).toStdString();
    }
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "rainbow: cannot open a window on the display (%s)\n",
                     first_startup_message.c_str());
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string_view arg = argv[1];
        if (argc == 2 && (arg == "--help" || arg == "-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        std::fputs(usage, stderr);
        return 2;
    }
    if (!display_named()) {
        std::fputs("rainbow: no display to show the windows on (DISPLAY is not set)\n", stderr);
        return 1;
    }

    qInstallMessageHandler(startup_messages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    rainbow::install_translations(app);
    // Qt puts the C library's numbers back to "C"; numbers shown to the user take the
    // user's decimal separator.
    std::setlocale(LC_NUMERIC, "");
    // A picture drawn over many times keeps its older items as pixels.
    rainbow::install_raster_baker();

    // The windows are laid out for the desktop's work area, or for a larger screen of its shape
    // where it is too small for them, and then shown scaled down to fit.
    QScreen* screen = QGuiApplication::primaryScreen();
    rainbow::LessonSession session(
        rainbow::layout_screen(screen->availableGeometry().size(), screen->logicalDotsPerInchX()));
    session.keep_last_session();
    QObject::connect(
        &session, &rainbow::LessonSession::ended, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    return app.exec();
}
