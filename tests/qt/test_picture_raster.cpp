// Pixels painted in bands, wide lines and baked underlays, each compared with the picture
// painted the plain way, within antialiasing tolerance.
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <functional>

#include "app/program.h"
#include "forms/form.h"
#include "qt/banded_paint.h"
#include "qt/display_list_painter.h"
#include "qt/picture_files.h"
#include "qt/picture_raster.h"
#include "qt/raster_underlay.h"

using namespace rainbow;

namespace {

// The share of pixels of two images of one size whose colours differ by more than
// antialiasing explains.
double share_far_apart(const QImage& a, const QImage& b, int antialiasing = 64) {
    long far = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int diff = std::max({std::abs(qRed(pa[x]) - qRed(pb[x])),
                                       std::abs(qGreen(pa[x]) - qGreen(pb[x])),
                                       std::abs(qBlue(pa[x]) - qBlue(pb[x]))});
            if (diff > antialiasing) ++far;
        }
    }
    return double(far) / (double(a.width()) * a.height());
}

QImage blank(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

QImage in_one_piece(const Surface& s, int side) {
    QImage image = blank(side);
    QPainter painter(&image);
    paint_display_list(painter, s, QSizeF(side, side));
    return image;
}

QImage in_bands(const Surface& s, int side) {
    QImage image = blank(side);
    paint_in_bands(image, [&](QPainter& p) { paint_display_list(p, s, QSizeF(side, side)); });
    return image;
}

void click(Program& p, const char* form, const char* button) {
    p.find_form(form)->get<CommandButton>(button).click();
}

Surface& picture(Program& p, const char* form, const char* name) {
    Form& f = *p.find_form(form);
    return name == std::string_view("client") ? *f.client_surface()
                                              : f.get<PictureBox>(name).surface();
}

}  // namespace

class PictureRasterTest : public QObject {
    Q_OBJECT

private slots:
    void bandsPaintWhatOnePiecePaints_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("side");
        QTest::newRow("main scene with texts") << QStringList{} << "arxiki.Picture1" << 1080;
        QTest::newRow("parallel beam")
            << QStringList{"arxiki.parallel"} << "arxiki.Picture1" << 1080;
        QTest::newRow("ray crossing, odd size")
            << QStringList{"arxiki.Command5"} << "cut_rays.client" << 777;
        QTest::newRow("wide reflected rays")
            << QStringList{"arxiki.Command6", "kafstikh.Command2"} << "kafstikh.eikona" << 1080;
    }

    void bandsPaintWhatOnePiecePaints() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, picture);
        QFETCH(int, side);
        QVERIFY(band_count(side) > 1 || QThread::idealThreadCount() == 1);
        Program p;
        for (const QString& c : clicks) {
            const auto parts = c.split('.');
            Control* control = p.find_form(parts[0].toStdString())->find(parts[1].toStdString());
            if (auto* option = dynamic_cast<OptionButton*>(control))
                option->click();
            else
                dynamic_cast<CommandButton&>(*control).click();
        }
        const auto parts = picture.split('.');
        const Surface& s = ::picture(p, qPrintable(parts[0]), qPrintable(parts[1]));
        // Solid shapes come out as in one piece, up to the odd rounding. Qt restarts a
        // dotted line's pattern where a band cuts it, which moves its dots in a few pixels.
        const double share = share_far_apart(in_one_piece(s, side), in_bands(s, side));
        QVERIFY2(share < 0.001, qPrintable(QString::number(share)));
    }

    void wideLinesKeepTheirRoundCaps() {
        // Every direction, both widths, ends inside the picture, at the reference side where
        // a pen of width w is w pixels wide.
        const int side = 810;
        const double zoom = side / 100.0;
        Surface s(side * 15, side * 15);
        s.scale(0, 100, 100, 0);
        QImage reference = blank(side);
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int width : {2, 3, 4, 7}) {
            s.draw_width = width;
            // An odd pen is centred on its pixel's centre, an even one on its corner.
            const double centring = width % 2 == 1 ? 0.5 : 0.0;
            for (int k = 0; k < 8; ++k) {
                const float x = 10 + 10.5f * k, y = 15 + 20 * (width % 4);
                const float dx = 6 * std::cos(k * 0.4f), dy = 6 * std::sin(k * 0.4f);
                s.line(x, y, x + dx, y + dy, rgb(0, 0, 255));
                painter.setPen(QPen(Qt::blue, width, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(
                    QPointF(x * zoom + centring, (100 - y) * zoom + centring),
                    QPointF((x + dx) * zoom + centring, (100 - y - dy) * zoom + centring));
            }
        }
        painter.end();
        const double share = share_far_apart(reference, in_one_piece(s, side));
        QVERIFY2(share < 0.002, qPrintable(QString::number(share)));
    }

    // Many stacked drawings: past the cap the list stays short, and the pixels, the cache
    // of a widget and an export still show every drawing.
    void bakedDrawingsLookAsIfNoneWereBaked() {
        Program kept, baked;
        for (Program* p : {&kept, &baked}) click(*p, "arxiki", "Command6");
        Surface& plain = picture(kept, "kafstikh", "eikona");
        Surface& s = picture(baked, "kafstikh", "eikona");
        // Coloured refraction first, so that the stack is not one drawing repeated.
        click(kept, "kafstikh", "Command1");
        click(baked, "kafstikh", "Command1");

        // Compared at the size the picture has on the screen, where the underlay is painted.
        const int side = int(natural_size(s).width());
        PictureRaster raster;
        install_raster_baker();
        int drawings = 0;
        while (s.baked_count() < 2 * Surface::bake_cap) {
            click(baked, "kafstikh", "Command2");
            if (++drawings % 10 == 0) raster.update(&s, QSize(side, side), 1.0);
        }
        Surface::set_baker(nullptr);
        for (int i = 0; i < drawings; ++i) click(kept, "kafstikh", "Command2");

        QVERIFY(s.items().size() <= Surface::bake_chunk);
        QVERIFY(underlay_image(s) != nullptr);
        QCOMPARE(plain.items().size(), s.baked_count() + s.items().size());

        const QImage expected = in_one_piece(plain, side);
        QVERIFY(share_far_apart(expected, in_one_piece(s, side)) < 0.001);
        raster.update(&s, QSize(side, side), 1.0);
        QVERIFY(raster.rebuilds() > 1);  // items it had not painted were baked
        QVERIFY(share_far_apart(expected, raster.image()) < 0.001);
    }
};

QTEST_MAIN(PictureRasterTest)
#include "test_picture_raster.moc"
