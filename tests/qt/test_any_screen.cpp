// Every window of the desktop program on the screen this test is run on (its size and
// QT_SCALE_FACTOR come from the environment; CMake runs it on several): each window lies in
// the desktop's work area, every control in the part of its window that is shown, no two
// controls that the designed layout keeps apart overlap, and their text stays readable.
#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/program.h"
#include "forms/form.h"
#include "qt/form_view.h"
#include "qt/program_view.h"
#include "qt/screen_fit.h"
#include "rainbow/main_window.h"

using namespace rainbow;

namespace {

// The smallest text that a person is expected to read on a school screen, in logical pixels.
constexpr int smallest_readable_pixels = 8;

// Opens every window the way a user does: from the main window's buttons.
void open_every_window(ProgramView& view) {
    FormView& main = *view.view_of("arxiki");
    for (const char* button : {"Command5", "Command6", "Command7"}) {
        qobject_cast<QAbstractButton*>(main.widget_for(button))->click();
    }
    // The construction's ray selector appears in the main window.
    qobject_cast<QAbstractButton*>(main.widget_for("Command1"))->click();
}

// The program as the desktop program starts it on this test's screen, every window open.
struct OnThisScreen {
    QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    Program program{
        layout_screen(area.size(), QGuiApplication::primaryScreen()->logicalDotsPerInchX())};
    ProgramView view{program};
    OnThisScreen() {
        open_every_window(view);
        QCoreApplication::processEvents();
    }
};

QByteArray placed_at(const std::string& name, const QRect& r) {
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(QString::fromStdString(name))
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toUtf8();
}

QRect global_rect(const QWidget& w) { return QRect(w.mapToGlobal(QPoint(0, 0)), w.size()); }

// What the window shows of its client area, on the screen.
QRect shown_area(const FormView& view) {
    const auto* scroll = qobject_cast<const QScrollArea*>(view.window()->centralWidget());
    const QWidget& viewport =
        scroll != nullptr ? *scroll->viewport() : *view.window()->centralWidget();
    return global_rect(viewport).intersected(view.window()->screen()->availableGeometry());
}

bool overlap(const Geometry& a, const Geometry& b, double tolerance) {
    return a.left + tolerance < b.left + b.width && b.left + tolerance < a.left + a.width &&
           a.top + tolerance < b.top + b.height && b.top + tolerance < a.top + a.height;
}

}  // namespace

class AnyScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        qInfo("work area %dx%d logical pixels, %g device pixels per pixel",
              screen->availableGeometry().width(), screen->availableGeometry().height(),
              screen->devicePixelRatio());
    }

    // The screen the windows are laid out for keeps the work area's shape and is never
    // narrower than the narrowest that the layout keeps apart.
    void theLayoutScreenIsTheWorkAreaOrWiderOfItsShape() {
        const struct {
            QSize area;
            double dpi;
            QSizeF twips;
        } rows[] = {{{1920, 1080}, 96, {28800, 16200}}, {{1200, 700}, 96, {18000, 10500}},
                    {{800, 600}, 96, {18000, 13500}},   {{960, 540}, 96, {18000, 10125}},
                    {{960, 540}, 192, {9000, 5062.5}},  {{0, 0}, 96, {18000, 18000}}};
        for (const auto& row : rows) {
            const Screen screen = layout_screen(row.area, row.dpi);
            QCOMPARE(QSizeF(screen.width_twips, screen.height_twips), row.twips);
        }
        // Scaled down only to fit, never up, never to nothing.
        QCOMPARE(fit_scale({1000, 500}, {2000, 2000}), 1.0);
        QCOMPARE(fit_scale({1000, 500}, {800, 2000}), 0.8);
        QCOMPARE(fit_scale({1000, 500}, {800, 300}), 0.6);
        QCOMPARE(fit_scale({1000, 500}, {1, 1}), 0.1);
        QCOMPARE(fit_scale({1000, 500}, {0, 0}), 1.0);
        // A control's text follows the window down to 6 pt, or its own smaller design.
        QCOMPARE(scaled_points(12, 0.75), 9.0);
        QCOMPARE(scaled_points(8.25, 0.5), 6.0);
        QCOMPARE(scaled_points(5, 0.5), 5.0);
        QCOMPARE(scaled_points(8.25, 1), 8.25);
    }

    void everyWindowFitsTheWorkArea() {
        OnThisScreen on;
        const QRect area = on.area;
        QCOMPARE(on.view.views().size(), std::size_t(4));
        for (const auto& v : on.view.views()) {
            const std::string name = v->form().name();
            QVERIFY2(v->window()->isVisible(), name.c_str());
            // A frame of whole device pixels may reach a fraction of a logical pixel further.
            QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(v->window()->frameGeometry()),
                     (placed_at(name, v->window()->frameGeometry()) + " inner " +
                      placed_at("", v->window()->geometry()) + " state " +
                      QByteArray::number(int(v->window()->windowState())))
                         .constData());
            // A screen as large as the usual one shows every window as designed.
            if (area.width() >= 1920 && area.height() >= 1080) QCOMPARE(v->view_scale(), 1.0);
            if (area.width() < narrowest_laid_out_screen) QVERIFY(v->view_scale() < 1);
        }
    }

    void everyControlIsOnTheScreenApartAndReadable() {
        OnThisScreen on;
        // The same windows on the usual 1920 x 1080 screen, as designed.
        Program usual_program;
        MainWindow& usual_main = usual_program.arxiki();
        for (CommandButton* button : {&usual_main.Command5, &usual_main.Command6,
                                      &usual_main.Command7, &usual_main.Command1}) {
            button->click();
        }
        // RAINBOW_SCREENSHOTS=DIR keeps a picture of the whole screen with each window in
        // front (on a real display such as Xvfb), to look at.
        const QString screenshots = qEnvironmentVariable("RAINBOW_SCREENSHOTS");
        for (const auto& v : on.view.views()) {
            v->activate();
            QVERIFY(QTest::qWaitForWindowExposed(v->window()));
            QCoreApplication::processEvents();
            const Form& form = v->form();
            if (!screenshots.isEmpty()) {
                QTest::qWait(300);
                QGuiApplication::primaryScreen()->grabWindow(0).save(
                    screenshots + QLatin1Char('/') + QString::fromStdString(form.name()) +
                    QStringLiteral(".png"));
            }
            const QRect shown = shown_area(*v);
            struct Placed {
                const Control* control;
                QRect rect;
            };
            std::vector<Placed> placed;
            for (const auto& owned : form.controls()) {
                const Control& c = *owned;
                if (c.kind() == ControlKind::menu || c.kind() == ControlKind::menuitem) continue;
                const std::string name = form.name() + "." + c.name();
                QWidget* w = v->widget_for(c.name());
                QVERIFY2(w != nullptr, name.c_str());
                if (!c.visible) continue;
                const QRect r = global_rect(*w);
                QVERIFY2(!r.isEmpty(), name.c_str());
                QVERIFY2(shown.contains(r),
                         (placed_at(name, r) + " is outside " + placed_at("", shown)).constData());
                if (c.kind() != ControlKind::picture && c.kind() != ControlKind::scrollbar) {
                    QVERIFY2(QFontInfo(w->font()).pixelSize() >= smallest_readable_pixels,
                             name.c_str());
                }
                if (c.container.empty()) placed.push_back({&c, r});
            }
            // Two controls the design keeps apart (by more than a twip) stay apart. The windows
            // are laid out for a screen on which only the controls that overlap on the usual
            // screen overlap (the ray selectors under END, the caustics' options under their
            // button).
            const Form& usual = *usual_program.find_form(form.name());
            for (std::size_t i = 0; i < placed.size(); ++i) {
                for (std::size_t j = i + 1; j < placed.size(); ++j) {
                    const Control& a = *placed[i].control;
                    const Control& b = *placed[j].control;
                    if (overlap(form.to_twips(a.geometry()), form.to_twips(b.geometry()), 1)) {
                        const Geometry usual_a = usual.to_twips(usual.find(a.name())->geometry());
                        const Geometry usual_b = usual.to_twips(usual.find(b.name())->geometry());
                        QVERIFY2(overlap(usual_a, usual_b, 1),
                                 (form.name() + ": " + a.name() + " over " + b.name()).c_str());
                        continue;
                    }
                    QVERIFY2(!placed[i].rect.intersects(placed[j].rect),
                             (form.name() + ": " + a.name() + " and " + b.name()).c_str());
                }
            }
        }
    }
};

QTEST_MAIN(AnyScreenTest)
#include "test_any_screen.moc"
