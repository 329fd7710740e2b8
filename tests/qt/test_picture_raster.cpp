// Pixels painted in bands, wide lines and baked underlays, each compared with the picture
// painted the plain way, within antialiasing tolerance.
#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <thread>
#include <vector>

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

// The one image an SVG file embeds as a PNG data URL, decoded; null when it embeds none.
QImage embedded_image(const QByteArray& svg, QByteArray* base64 = nullptr) {
    const QByteArray url = "data:image/png;base64,";
    const qsizetype at = svg.indexOf(url);
    if (at < 0) return {};
    const qsizetype from = at + url.size();
    const QByteArray data = svg.mid(from, svg.indexOf('"', from) - from);
    if (base64 != nullptr) *base64 = data;
    return QImage::fromData(QByteArray::fromBase64(data), "PNG");
}

QImage rendered_svg(const QByteArray& svg, QSize pixels) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);  // the file must paint its own white
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

// Where the cross-reference table of a PDF file is wrong: each entry in use must point at its
// object ("N 0 obj"), and startxref at the table. Empty when all is right.
QString broken_cross_references(const QByteArray& pdf) {
    const qsizetype table = pdf.lastIndexOf("\nxref\n") + 1;
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    if (table <= 0 || start < 0) return "no table";
    if (pdf.mid(start + 10).split('\n').value(0).trimmed().toLongLong() != table) {
        return "startxref";
    }
    const QList<QByteArray> head = pdf.mid(table).split('\n');
    const int count = head.value(1).split(' ').value(1).toInt();
    const qsizetype entries = table + head[0].size() + head[1].size() + 2;
    QString broken;
    for (int i = 0; i < count; ++i) {
        const QByteArray entry = pdf.mid(entries + 20 * i, 20);
        if (entry.size() != 20 || entry[17] != 'n') continue;
        const qsizetype at = entry.left(10).toLongLong();
        if (!pdf.mid(at).startsWith(QByteArray::number(i) + " 0 obj")) {
            broken += QString(" %1").arg(i);
        }
    }
    return broken;
}

// The picture as Qt's PDF writer writes it, the underlay encoded by Qt: a page of `pixels` at
// 96 dots per inch.
QByteArray qt_pdf(const Surface& s, QSize pixels) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(pixels) * 0.75, QPageSize::Point, {}, QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    paint_display_list(painter, s, QSizeF(pdf.width(), pdf.height()));
    painter.end();
    return bytes;
}

// A PDF file painted by poppler at 96 dots per inch, or null when it cannot be.
QImage rendered_pdf(const QByteArray& pdf) {
    QTemporaryDir dir;
    QFile file(dir.filePath("picture.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    QProcess poppler;
    poppler.start("pdftoppm",
                  {"-r", "96", "-png", "-singlefile", file.fileName(), dir.filePath("picture")});
    if (!poppler.waitForFinished(60000) || poppler.exitCode() != 0) return {};
    return QImage(dir.filePath("picture.png"));
}

bool same_pixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// The picture of the test's row after its opener and one drawing, or as many drawings as it
// takes to bake some.
const Surface& stacked_row(Program& p) {
    QFETCH(QString, opener);
    QFETCH(QString, drawing);
    QFETCH(QString, picture);
    QFETCH(bool, baked);
    const auto press = [&p](const QString& name) {
        const auto parts = name.split('.');
        click(p, qPrintable(parts[0]), qPrintable(parts[1]));
    };
    install_raster_baker();
    press(opener);
    const auto parts = picture.split('.');
    const Surface& s = ::picture(p, qPrintable(parts[0]), qPrintable(parts[1]));
    press(drawing);
    while (baked && s.baked_count() == 0) press(drawing);
    Surface::set_baker(nullptr);
    return s;
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
        // Long thin rays across the bands' edges, stepped from their ends.
        QTest::newRow("composite rainbow")
            << QStringList{"arxiki.Command4"} << "arxiki.Picture1" << 600;
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
        // A picture saved on a machine of more cores is the same picture: thin lines pixel for
        // pixel, wide ones up to the rounding of their outline where the clip cuts it.
        const double share = share_far_apart(in_one_piece(s, side), in_bands(s, side), 8);
        QVERIFY2(share == 0, qPrintable(QString::number(share)));
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

    // An SVG of a baked picture embeds the underlay once, as the pixels it holds now, under
    // the listed items as vectors; it shows what the PNG of the same picture shows.
    void svgEmbedsTheUnderlayOnceUnderTheItems_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("baked");
        QTest::newRow("one reflected drawing") << "arxiki.Command6"
                                               << "kafstikh.Command2"
                                               << "kafstikh.eikona" << false;
        QTest::newRow("reflected drawings, baked") << "arxiki.Command6"
                                                   << "kafstikh.Command2"
                                                   << "kafstikh.eikona" << true;
        QTest::newRow("ray crossings, baked") << "arxiki.Command5"
                                              << "arxiki.Command5"
                                              << "cut_rays.client" << true;
    }

    void svgEmbedsTheUnderlayOnceUnderTheItems() {
        Program p;
        const Surface& s = stacked_row(p);
        QFETCH(bool, baked);
        QVERIFY(!s.items().empty());

        const QSize pixels = default_file_size(s);
        const QByteArray svg = encode_picture(s, PictureFormat::svg, pixels, "baked");
        QCOMPARE(svg.count("<image"), baked ? 1 : 0);
        QVERIFY(svg.count("<polyline") > 0);
        if (baked) {
            QByteArray base64;
            const QImage embedded = embedded_image(svg, &base64);
            QVERIFY(same_pixels(embedded, *underlay_image(s)));
            QCOMPARE(base64, raster_underlay(s)->png_base64());
            // The items drawn after the bake come after the image, so they lie over it.
            QVERIFY(svg.lastIndexOf("<polyline") > svg.indexOf("<image"));
        }
        const QImage shown = rendered_svg(svg, pixels);
        QVERIFY(!shown.isNull());
        const double share = share_far_apart(render_image(s, pixels), shown);
        QVERIFY2(share < 0.01, qPrintable(QString::number(share)));
    }

    // A PDF of a baked picture is whole: its cross-references point at its objects, it holds
    // the underlay once, and it shows what Qt's own PDF of the picture shows.
    void pdfEmbedsTheUnderlayOnceUnderTheItems_data() {
        svgEmbedsTheUnderlayOnceUnderTheItems_data();
    }

    void pdfEmbedsTheUnderlayOnceUnderTheItems() {
        Program p;
        const Surface& s = stacked_row(p);
        QFETCH(bool, baked);

        const QSize pixels = default_file_size(s);
        const QByteArray pdf = encode_picture(s, PictureFormat::pdf, pixels, "baked");
        QCOMPARE(broken_cross_references(pdf), QString());
        QCOMPARE(pdf.count("/Subtype /Image"), baked ? 1 : 0);
        if (baked) {
            const QImage& underlay = *underlay_image(s);
            QVERIFY(pdf.contains(QString("/Width %1\n/Height %2\n")
                                     .arg(underlay.width())
                                     .arg(underlay.height())
                                     .toLatin1()));
            QVERIFY(pdf.contains("stream\n" + raster_underlay(s)->pdf_jpeg() + "\nendstream"));
        }
        // As Qt's PDF writer draws the picture with its underlay, up to JPEG's own noise.
        const QImage shown = rendered_pdf(pdf), expected = rendered_pdf(qt_pdf(s, pixels));
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.size(), expected.size());
        const double share = share_far_apart(expected, shown, 16);
        QVERIFY2(share < 0.0001, qPrintable(QString::number(share)));
    }

    // The underlay's encoding is kept between exports, never past a bake that changed it.
    void svgAfterAnotherBakeShowsTheNewUnderlay() {
        Program p;
        install_raster_baker();
        click(p, "arxiki", "Command6");
        Surface& s = picture(p, "kafstikh", "eikona");
        while (s.baked_count() == 0) click(p, "kafstikh", "Command2");
        const QSize pixels = default_file_size(s);
        const QByteArray first = encode_picture(s, PictureFormat::svg, pixels, "first");
        QCOMPARE(encode_picture(s, PictureFormat::svg, pixels, "first"), first);

        // A red diagonal, unlike anything baked so far, until some of it is baked too.
        const std::size_t baked = s.baked_count();
        const auto left = float(s.scale_left()), top = float(s.scale_top());
        const auto right = float(left + s.scale_width()), bottom = float(top + s.scale_height());
        while (s.baked_count() == baked) s.line(left, top, right, bottom, rgb(255, 0, 0));
        Surface::set_baker(nullptr);
        const QByteArray second = encode_picture(s, PictureFormat::svg, pixels, "second");
        const QImage before = embedded_image(first), after = embedded_image(second);
        QVERIFY(!same_pixels(before, after));
        QVERIFY(same_pixels(after, *underlay_image(s)));
    }

    // Several threads asking for the encoding at once all get the whole of it.
    void underlayEncodingIsSharedSafelyBetweenThreads() {
        Program p;
        install_raster_baker();
        click(p, "arxiki", "Command5");
        const Surface& s = picture(p, "cut_rays", "client");
        while (s.baked_count() == 0) click(p, "arxiki", "Command5");
        Surface::set_baker(nullptr);
        const RasterUnderlay& underlay = *raster_underlay(s);
        std::vector<QByteArray> seen(4);
        std::vector<std::thread> threads;
        for (QByteArray& bytes : seen) {
            threads.emplace_back([&underlay, &bytes] { bytes = underlay.png_base64(); });
        }
        for (auto& t : threads) t.join();
        for (const QByteArray& bytes : seen) {
            QVERIFY(same_pixels(QImage::fromData(QByteArray::fromBase64(bytes), "PNG"),
                                underlay.image));
        }
    }
};

QTEST_MAIN(PictureRasterTest)
#include "test_picture_raster.moc"
