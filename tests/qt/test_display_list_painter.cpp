#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <numbers>

#include "forms/surface.h"
#include "qt/display_list_painter.h"
#include "qt/fonts.h"
#include "qt/pdf_picture.h"
#include "qt/picture_files.h"
#include "qt/svg_picture.h"

using namespace rainbow;

namespace {

// A 100 x 100 pixel picture whose user coordinates run from 0 to 100, y upward.
Surface square_picture() {
    Surface s(1500, 1500);
    s.scale(0, 100, 100, 0);
    return s;
}

QImage paint(const Surface& s, std::size_t first = 0, QImage image = {}) {
    if (image.isNull()) {
        image = QImage(100, 100, QImage::Format_RGB32);
        image.fill(Qt::black);
    }
    QPainter painter(&image);
    paint_display_list(painter, s, QSizeF(image.size()), first);
    return image;
}

// Whether a pixel within `slack` pixels of (x, y) is close to `color`.
bool near_pixel_of(const QImage& image, int x, int y, QColor color, int slack = 1) {
    for (int dy = -slack; dy <= slack; ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            const QColor c = image.pixelColor(x + dx, y + dy);
            if (std::abs(c.red() - color.red()) < 60 && std::abs(c.green() - color.green()) < 60 &&
                std::abs(c.blue() - color.blue()) < 60)
                return true;
        }
    }
    return false;
}

bool is_white(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Qt::white; }

// The 100-unit picture painted at the reference side, where pens and text have their designed
// sizes in pixels; `at_reference` gives the pixel of a point of the 100-pixel picture.
constexpr double reference_zoom = reference_side_pixels / 100;
QImage paint_at_reference(const Surface& s) {
    const int side = int(reference_side_pixels);
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    paint_display_list(painter, s, QSizeF(image.size()));
    return image;
}
int at_reference(double pixel) { return int(pixel * reference_zoom); }

}  // namespace

class DisplayListPainterTest : public QObject {
    Q_OBJECT

private slots:
    void lineLandsWhereTheScalePutsIt() {
        Surface s = square_picture();
        s.line(10, 70, 90, 70, rgb(255, 0, 0));
        const QImage image = paint(s);
        QVERIFY(near_pixel_of(image, 50, 30, Qt::red));
        QVERIFY(near_pixel_of(image, 15, 30, Qt::red));
        QVERIFY(is_white(image, 50, 60));  // the area was erased to white
        QVERIFY(is_white(image, 5, 30));   // before the start of the line
        QVERIFY(is_white(image, 95, 30));  // after its end
    }

    void scaleItemsSwitchTheCoordinates() {
        Surface s = square_picture();
        s.line(0, 80, 100, 80, rgb(255, 0, 0));
        s.scale(0, 0, 10, 10);  // y downward now, ten units across
        s.line(5, 0, 5, 10, rgb(0, 0, 255));
        const QImage image = paint(s);
        QVERIFY(near_pixel_of(image, 10, 20, Qt::red));
        QVERIFY(near_pixel_of(image, 50, 70, Qt::blue));
        QVERIFY(is_white(image, 20, 50));
    }

    // An image fills the rectangle between its corners, its first row along y1, with no seam
    // between its pixels however large it is painted.
    void imagesFillTheirCornersFirstRowAlongY1() {
        Surface s = square_picture();  // y upward
        // Two rows of two pixels: red and green on the first row (at y1 = 80, the top), blue
        // and yellow below.
        s.image(20, 80, 60, 40, 2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});
        const QImage image = paint(s);
        QCOMPARE(image.pixelColor(25, 25), QColor(Qt::red));    // user (25, 75)
        QCOMPARE(image.pixelColor(55, 25), QColor(Qt::green));  // user (55, 75)
        QCOMPARE(image.pixelColor(25, 55), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(55, 55), QColor(Qt::yellow));
        QVERIFY(is_white(image, 10, 50));  // outside the corners
        QVERIFY(is_white(image, 70, 50));
        QVERIFY(is_white(image, 40, 10));
        // Painted four times as large, a one-colour image has no seams: every pixel inside is
        // that colour.
        Surface plain = square_picture();
        plain.image(0, 100, 100, 0, 3, 3, std::vector<std::uint8_t>(27, 200));
        QImage large(400, 400, QImage::Format_RGB32);
        QPainter painter(&large);
        paint_display_list(painter, plain, QSizeF(large.size()));
        painter.end();
        for (int y = 2; y < 398; y += 7)
            for (int x = 2; x < 398; x += 7)
                QCOMPARE(large.pixelColor(x, y), QColor(200, 200, 200));
        // The vector exports carry it as an image, not as lines or cells.
        const QByteArray svg = svg_picture(s, QSize(100, 100), "image", 96);
        QVERIFY(svg.contains("<image"));
        QVERIFY(!pdf_picture(s, QSize(100, 100), "image", 96).isEmpty());
    }

    void arcsRunCounterClockwiseFromTheRight() {
        Surface s = square_picture();
        s.draw_width = 3;
        s.arc(50, 50, 40, rgb(0, 0, 255), 0, float(std::numbers::pi / 2));
        const QImage image = paint_at_reference(s);
        const double d = 40 / std::numbers::sqrt2;
        const auto at = [](double pixel) { return at_reference(pixel); };
        QVERIFY(near_pixel_of(image, at(50 + d), at(50 - d), Qt::blue));  // upper right
        QVERIFY(is_white(image, at(50 - d), at(50 + d)));                 // lower left
        QVERIFY(is_white(image, at(50 - d), at(50 - d)));                 // upper left
    }

    void circlesTakeTheFillAndARadiusInXUnits() {
        Surface s(3000, 1500);  // 200 x 100 pixels
        s.scale(0, 10, 20, 0);  // ten pixels per unit on both axes
        s.fill_style = 0;
        s.fill_color = rgb(0, 255, 0);
        s.circle(10, 5, 3, rgb(0, 0, 0));
        QImage image(200, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        paint_display_list(painter, s, QSizeF(image.size()));
        painter.end();
        QCOMPARE(image.pixelColor(100, 50), QColor(Qt::green));
        QVERIFY(near_pixel_of(image, 130, 50, Qt::black));
        QVERIFY(is_white(image, 140, 50));
    }

    void dotsAreDrawWidthPixelsAcross() {
        Surface s = square_picture();
        s.draw_width = 3;
        s.pset(50.5f, 49.5f, rgb(255, 0, 0));
        const QImage image = paint_at_reference(s);
        int red = 0;
        for (int y = at_reference(45); y < at_reference(55); ++y)
            for (int x = at_reference(45); x < at_reference(55); ++x)
                red += image.pixelColor(x, y) == QColor(Qt::red);
        QCOMPARE(red, 9);
    }

    void textHangsFromItsPositionInItsColour() {
        Surface s = square_picture();
        s.fore_color = rgb(0, 0, 255);
        s.current_x = 10;
        s.current_y = 80;
        s.print("ΘΩΣ γωνία");
        const QImage image = paint_at_reference(s);
        const int top = at_reference(20);
        int above = 0, below = 0;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < top - 1; ++y) above += !is_white(image, x, y);
            for (int y = top; y < top + 16; ++y)
                below += image.pixelColor(x, y).blue() > 150 && image.pixelColor(x, y).red() < 100;
        }
        QCOMPARE(above, 0);
        QVERIFY(below > 20);
        // The stand-in font exists and has the Greek letters.
        const QFont font = picture_font(11);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(QFontMetricsF(font).inFontUcs4(U'ω'));
    }

    void aRaisedTextHidesTheLinesUnderItOnlyWithinItsBox() {
        // At the pictures' reference size, where text has its usual height.
        const int side = 810;
        const double pixels_per_unit = side / 100.0;
        Surface s = square_picture();
        s.fore_color = rgb(0, 0, 0);
        s.draw_width = 3;
        const double row = 168;  // about the middle of a line of text hanging from row 162
        s.line(0, float(100 - row / pixels_per_unit), 100, float(100 - row / pixels_per_unit));
        const std::size_t first = s.items().size();
        s.fore_color = rgb(255, 0, 0);
        s.current_x = 10;
        s.current_y = 80;
        s.print("INCIDENCE");
        s.raise_texts(first, white);
        QImage image(side, side, QImage::Format_RGB32);
        image = paint(s, 0, image);
        // Between the letters the line is gone; past the text's end it is still drawn.
        int black_in_box = 0;
        for (int x = 85; x < 130; ++x) black_in_box += image.pixelColor(x, int(row)).black() > 200;
        QCOMPARE(black_in_box, 0);
        QVERIFY(near_pixel_of(image, 790, int(row), Qt::black, 0));
    }

    void paintingInTwoStepsEqualsPaintingAtOnce() {
        Surface s = square_picture();
        s.line(0, 0, 100, 100, rgb(255, 0, 0));
        s.draw_style = LineStyle::dashed;
        s.circle(30, 60, 10, rgb(0, 128, 0));
        const std::size_t half = s.items().size();
        s.scale(-1, 1, 1, -1);
        s.line(-1, 0, 1, 0.5f, rgb(0, 0, 255));
        s.current_x = 0;
        s.current_y = 0;
        s.print("n = 1,33");
        const QImage once = paint(s);
        Surface first_part = square_picture();
        first_part.line(0, 0, 100, 100, rgb(255, 0, 0));
        first_part.draw_style = LineStyle::dashed;
        first_part.circle(30, 60, 10, rgb(0, 128, 0));
        QCOMPARE(first_part.items().size(), half);
        const QImage twice = paint(s, half, paint(first_part));
        QCOMPARE(twice, once);
    }

    void farAwayCoordinatesAreCutToThePicture() {
        Surface s = square_picture();
        s.draw_style = LineStyle::dotted;
        s.line(-1e30f, 50, 1e30f, 50, rgb(255, 0, 0));
        s.circle(50, 50, 1e30f);
        const QImage image = paint(s);
        int red = 0;
        for (int x = 0; x < 100; ++x) red += near_pixel_of(image, x, 50, Qt::red, 0);
        QVERIFY(red > 20);
    }

    void pensGrowWithThePicturesSideInWholeDevicePixels_data() {
        QTest::addColumn<int>("side");      // in the painter's units
        QTest::addColumn<double>("ratio");  // device pixels per unit
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("device_pixels");
        QTest::newRow("reference, width 1") << 810 << 1.0 << 1 << 1;
        QTest::newRow("reference, width 3") << 810 << 1.0 << 3 << 3;
        QTest::newRow("slide of 4000 pixels") << 4000 << 1.0 << 1 << 5;
        QTest::newRow("twice the reference, even width") << 1620 << 1.0 << 2 << 4;
        QTest::newRow("small picture keeps one pixel") << 300 << 1.0 << 1 << 1;
        QTest::newRow("reference on a screen of ratio 2") << 405 << 2.0 << 3 << 3;
        QTest::newRow("ratio 2, never under a device pixel") << 200 << 2.0 << 1 << 1;
    }

    void pensGrowWithThePicturesSideInWholeDevicePixels() {
        QFETCH(int, side);
        QFETCH(double, ratio);
        QFETCH(int, width);
        QFETCH(int, device_pixels);
        Surface s = square_picture();
        s.draw_width = width;
        s.line(0, 50, 100, 50, rgb(0, 0, 255));
        QImage image(QSize(side, side) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        paint_display_list(painter, s, QSizeF(side, side));
        painter.end();
        // Every covered pixel is wholly covered: the count is exact.
        int covered = 0, partly = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(image.width() / 3, y);
            covered += c == QColor(Qt::blue);
            partly += c != QColor(Qt::blue) && c != QColor(Qt::white);
        }
        QCOMPARE(covered, device_pixels);
        QCOMPARE(partly, 0);
    }

    void textGrowsWithTheSideButNotUnderTheSmallestSize() {
        const auto ink_height = [](int side, double min_text) {
            Surface s = square_picture();
            s.current_x = 5;
            s.current_y = 90;
            s.print("ΘΩΣ|");
            QImage image(side, side, QImage::Format_RGB32);
            QPainter painter(&image);
            paint_display_list(painter, s, QSizeF(side, side), 0, min_text);
            painter.end();
            int first = -1, last = -1;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side / 2; ++x) {
                    if (!is_white(image, x, y)) {
                        if (first < 0) first = y;
                        last = y;
                        break;
                    }
                }
            }
            return last - first + 1;
        };
        const int reference = ink_height(810, 0);
        QVERIFY(reference >= 8);
        QVERIFY(std::abs(ink_height(1620, 0) - 2 * reference) <= 2);
        QVERIFY(ink_height(405, 0) < reference);
        // A reader's smallest size: half the picture, the reference's text.
        QVERIFY(std::abs(ink_height(405, 11) - reference) <= 1);
    }

    void aWidePlotGrowsItsTextAndPensWithItsWidth_data() {
        QTest::addColumn<int>("width");  // of a picture six times as wide as it is tall
        QTest::addColumn<int>("growth");
        QTest::newRow("at its reference width") << 900 << 1;
        QTest::newRow("twice as wide") << 1800 << 2;
    }

    void aWidePlotGrowsItsTextAndPensWithItsWidth() {
        QFETCH(int, width);
        QFETCH(int, growth);
        const auto paint_plot = [](int side_x, int side_y, const Growth& g) {
            Surface s(900 * 15, 150 * 15);
            s.set_growth(g);
            s.scale(0, 0, 900, 150);
            s.line(0, 120, 900, 120, rgb(0, 0, 255));
            s.current_x = 10;
            s.current_y = 10;
            s.print("ΘΩΣ|");
            QImage image(side_x, side_y, QImage::Format_RGB32);
            QPainter painter(&image);
            paint_display_list(painter, s, QSizeF(side_x, side_y));
            painter.end();
            return image;
        };
        const auto ink_rows = [](const QImage& image, int columns, auto is_ink) {
            int first = -1, last = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < columns; ++x) {
                    if (is_ink(image.pixelColor(x, y))) {
                        if (first < 0) first = y;
                        last = y;
                        break;
                    }
                }
            }
            return last - first + 1;
        };
        const auto text_ink = [](QColor c) { return c.blue() < 128 && c.red() < 128; };
        const auto blue = [](QColor c) { return c == QColor(Qt::blue); };
        // The designed text, as a square picture at the reference side draws it.
        Surface square(1500, 1500);
        square.scale(0, 0, 100, 100);
        square.current_x = 5;
        square.current_y = 5;
        square.print("ΘΩΣ|");
        QImage reference(810, 810, QImage::Format_RGB32);
        QPainter painter(&reference);
        paint_display_list(painter, square, QSizeF(810, 810));
        painter.end();
        const int designed = ink_rows(reference, 200, text_ink);

        const QImage plot = paint_plot(width, width / 6, Growth{true, 900});
        QVERIFY(std::abs(ink_rows(plot, width / 8, text_ink) - growth * designed) <= growth);
        QCOMPARE(ink_rows(plot.copy(width / 2, 0, 1, plot.height()), 1, blue), growth);
        // Grown with its short side it would be a fraction of that.
        QVERIFY(ink_rows(paint_plot(width, width / 6, Growth{}), width / 8, text_ink) <
                growth * designed / 2);
    }

    void imagesForFilesAreAtLeast600PixelsAndKeepTheShape() {
        Surface s(3000, 1500);  // 200 x 100 at 15 twips a pixel
        s.line(0, 750, 3000, 750, rgb(255, 0, 0));
        const QImage image = render_image(s, default_file_size(s));
        QCOMPARE(image.size(), QSize(600, 300));
        QVERIFY(near_pixel_of(image, 300, 150, Qt::red, 2));
        QVERIFY(render_image(Surface{}, QSize(100, 100)).isNull());
    }
};

QTEST_MAIN(DisplayListPainterTest)
#include "test_display_list_painter.moc"
