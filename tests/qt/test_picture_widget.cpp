#include <QtTest>
#include <memory>

#include "forms/surface.h"
#include "qt/picture_widget.h"

using namespace rainbow;

namespace {

// A 200-unit square picture with a 3-pixel pen, shown by a widget of `side` pixels.
std::unique_ptr<PictureWidget> show(Surface& s, int side = 200) {
    s = Surface(3000, 3000);
    s.scale(0, 0, 200, 200);
    s.draw_width = 3;
    auto w = std::make_unique<PictureWidget>();
    w->resize(side, side);
    w->set_surface(&s);
    return w;
}

// The widget's pixels at its device pixel ratio, as the screen shows them.
QImage shown(PictureWidget& w) { return w.grab().toImage(); }

// The colour at a point given in the widget's logical pixels.
QColor at(const QImage& image, double x, double y) {
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio), int(y * ratio));
}

bool reddish(QColor c) { return c.red() > 200 && c.green() < 120 && c.blue() < 120; }
bool bluish(QColor c) { return c.blue() > 200 && c.red() < 120 && c.green() < 120; }

}  // namespace

class PictureWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheDisplayListAtTheScreensPixelRatio() {
        Surface s;
        auto w = show(s);
        s.line(0, 100, 200, 100, rgb(255, 0, 0));
        const QImage image = shown(*w);
        QCOMPARE(image.size(), QSize(200, 200) * w->devicePixelRatioF());
        QVERIFY(reddish(at(image, 100, 100)));
        QCOMPARE(at(image, 100, 50), QColor(Qt::white));
    }

    void newItemsAreAddedToTheCacheAndClearingRebuildsIt() {
        Surface s;
        auto w = show(s);
        s.line(0, 50, 200, 50, rgb(255, 0, 0));
        shown(*w);
        QCOMPARE(w->rebuilds(), std::size_t(1));

        // Many redraws stacked on the picture: each paints only what is new.
        for (int i = 0; i < 20; ++i) s.line(0, 100, 200, 100, rgb(0, 0, 255));
        QImage image = shown(*w);
        QCOMPARE(w->rebuilds(), std::size_t(1));
        QCOMPARE(w->items_painted(), s.items().size());
        QVERIFY(reddish(at(image, 100, 50)));
        QVERIFY(bluish(at(image, 100, 100)));

        s.cls();
        s.line(0, 150, 200, 150, rgb(0, 0, 255));
        image = shown(*w);
        QCOMPARE(w->rebuilds(), std::size_t(2));
        QCOMPARE(at(image, 100, 50), QColor(Qt::white));
        QVERIFY(bluish(at(image, 100, 150)));
    }

    void resizingRepaintsTheWholeListAtTheNewSize() {
        Surface s;
        auto w = show(s, 100);
        s.line(0, 100, 200, 100, rgb(255, 0, 0));
        shown(*w);
        w->resize(300, 300);
        const QImage image = shown(*w);
        QCOMPARE(w->rebuilds(), std::size_t(2));
        QVERIFY(reddish(at(image, 250, 150)));
    }
};

QTEST_MAIN(PictureWidgetTest)
#include "test_picture_widget.moc"
