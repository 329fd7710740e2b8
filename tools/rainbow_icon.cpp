// rainbow-icon: paints the program's icon with the program itself. The icon is the main
// picture after "Belqor" with a parallel beam: the rays of the primary bow folding back at
// the rainbow ray. Run at build time; writes DIR/NxN/apps/NAME.png for each size and
// DIR/scalable/apps/NAME.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "app/step.h"
#include "qt/picture_files.h"
#include "rainbow/main_window.h"

namespace {

const char* const usage = "usage: rainbow-icon DIR NAME SIZE...\n";

// Qt's notes about the build machine (such as a missing runtime directory) are not the
// build's business; its errors are.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    std::fprintf(stderr, "rainbow-icon: %s\n", message.toLocal8Bit().constData());
}

// A screen whose main picture is `side` pixels square: the picture's side is three quarters
// of the screen's height, and pens keep their one-pixel width at that size.
rainbow::Screen screen_for_picture(int side) {
    const double height_twips = side * rainbow::twips_per_pixel / 0.75;
    return rainbow::Screen{height_twips * 16 / 9, height_twips};
}

// The program as a user leaves it after choosing a parallel beam and pressing "Belqor".
void show_primary_bow(rainbow::Program& program) {
    using rainbow::Step;
    rainbow::take_step(program, {Step::Action::click, "arxiki", "parallel", 0});
    rainbow::take_step(program, {Step::Action::click, "arxiki", "Command1", 0});
}

bool write_png_icon(const QString& dir, const QString& name, int side) {
    rainbow::Program program(screen_for_picture(side));
    show_primary_bow(program);
    const QImage image =
        rainbow::render_image(program.arxiki().Picture1.surface(), QSize(side, side));
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(side);
    return !image.isNull() && QDir().mkpath(folder) &&
           image.save(folder + "/" + name + ".png", "PNG");
}

bool write_svg_icon(const QString& dir, const QString& name, int side) {
    rainbow::Program program(screen_for_picture(side));
    show_primary_bow(program);
    const QByteArray svg =
        rainbow::encode_picture(program.arxiki().Picture1.surface(), rainbow::PictureFormat::svg,
                                QSize(side, side), QStringLiteral("rainbow"));
    const QString folder = dir + "/scalable/apps";
    QFile file(folder + "/" + name + ".svg");
    return !svg.isEmpty() && QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
           file.write(svg) == svg.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs(usage, stderr);
        return 2;
    }
    std::vector<int> sides;
    for (int i = 3; i < argc; ++i) {
        const std::string_view text = argv[i];
        int side = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
        if (error != std::errc{} || end != text.data() + text.size() || side < 16 || side > 1024) {
            std::fprintf(stderr,
                         "rainbow-icon: size '%s' is not a number of pixels from 16 to 1024\n",
                         argv[i]);
            return 2;
        }
        sides.push_back(side);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_messages);
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);

    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int side : sides) {
        if (!write_png_icon(dir, name, side)) {
            std::fprintf(stderr, "rainbow-icon: cannot write the %d-pixel icon under %s\n", side,
                         argv[1]);
            return 1;
        }
    }
    if (!write_svg_icon(dir, name, sides.back())) {
        std::fprintf(stderr, "rainbow-icon: cannot write the scalable icon under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
