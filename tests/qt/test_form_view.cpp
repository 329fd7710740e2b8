#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "app/program.h"
#include "app/step.h"
#include "forms/form.h"
#include "qt/form_view.h"
#include "qt/picture_actions.h"
#include "qt/picture_widget.h"
#include "qt/program_view.h"
#include "qt/window_switcher.h"
#include "rainbow/main_window.h"

using namespace rainbow;

namespace {

// A host for one form on its own: takes and counts the steps and syncs the view after each.
class OneFormHost : public FormViewHost {
public:
    FormView* view = nullptr;
    int actions = 0;
    void take_step(const Step& step) override {
        checked_step(view->form(), step)();
        ++actions;
        if (view) view->sync();
    }
    void close_requested(Form& form) override { form.shown = false; }
    Screen screen() const override { return Screen{}; }
};

template <class W>
W* widget(const FormView& view, const char* name) {
    auto* w = qobject_cast<W*>(view.widget_for(name));
    if (w == nullptr) qWarning("no widget %s of the expected kind", name);
    return w;
}

// Twips as the view shows them: logical pixels, scaled down with the whole form where the
// screen is too small for it.
int logical_pixels(const FormView& view, double twips) {
    return int(std::lround(twips * view.window()->logicalDpiX() / 1440.0 * view.view_scale()));
}

}  // namespace

class FormViewTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfTheMainWindowGetsOneWidget() {
        Program p;
        ProgramView view(p);
        FormView* main = view.view_of("arxiki");
        QVERIFY(main != nullptr);
        QVERIFY(main->window()->isVisible());
        QCOMPARE(main->window()->windowTitle(), QStringLiteral("OYΡANIO TAVREL            "));
        int visible_controls = 0;
        for (const auto& c : main->form().controls()) {
            QWidget* w = main->widget_for(c->name());
            QVERIFY2(w != nullptr, c->name().c_str());
            QVERIFY(main->window()->isAncestorOf(w));
            QCOMPARE(w->isVisibleTo(main->window()), c->visible);
            visible_controls += c->visible;
        }
        // Nothing else is shown on the client area besides the controls' widgets.
        int visible_widgets = 0;
        for (const auto& c : main->form().controls()) {
            visible_widgets += main->widget_for(c->name())->isVisibleTo(main->window());
        }
        QCOMPARE(visible_widgets, visible_controls);

        // Places come from the model: twips at the screen's logical resolution.
        const auto& picture = p.arxiki().Picture1;
        const QRect r = main->widget_for("Picture1")->geometry();
        QCOMPARE(r.left(), logical_pixels(*main, picture.left()));
        QCOMPARE(r.width(), logical_pixels(*main, picture.width()));
        QCOMPARE(r.height(), r.width());
        // The water and glass options sit inside their frame.
        QCOMPARE(main->widget_for("Option1")->parentWidget(), main->widget_for("Frame1"));
        QCOMPARE(main->widget_for("Option1")->geometry().top(),
                 logical_pixels(*main, p.arxiki().Option1.top()));
        QCOMPARE(widget<QLabel>(*main, "Label2")->text(),
                 QStringLiteral("# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 1"));
    }

    void aUsersChangeReachesTheModelAndEveryWidgetFollows() {
        Program p;
        ProgramView view(p);
        FormView& main = *view.view_of("arxiki");
        auto* angle = widget<QScrollBar>(main, "goniatheta");
        const std::uint64_t generation = p.arxiki().Picture1.surface().generation();
        angle->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(p.arxiki().goniatheta.value(), 16);
        QVERIFY(widget<QLabel>(main, "Label1")->text().endsWith(QStringLiteral("=16")));
        QVERIFY(p.arxiki().Picture1.surface().generation() != generation);

        // The number of rays runs from 80 at the top to 1 at the bottom.
        auto* rays = widget<QScrollBar>(main, "arithaktinon");
        QCOMPARE(rays->value(), rays->maximum());
        rays->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(p.arxiki().arithaktinon.value(), 80);
        QCOMPARE(widget<QLabel>(main, "Label4")->text(), QStringLiteral("No of rays = 80"));

        // Options: the model keeps one of each group chosen, the buttons show it.
        widget<QRadioButton>(main, "parallel")->click();
        QVERIFY(p.arxiki().parallel.value());
        QVERIFY(!widget<QRadioButton>(main, "pointsource")->isChecked());
        widget<QRadioButton>(main, "parallel")->click();  // clicking the chosen one again
        QVERIFY(widget<QRadioButton>(main, "parallel")->isChecked());
        QVERIFY(widget<QRadioButton>(main, "Option1")->isChecked());
    }

    void tabReachesEveryScrollBarAndTheArrowKeysMoveIt() {
        Program p;
        ProgramView view(p);
        FormView& main = *view.view_of("arxiki");
        main.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.window()));
        QSet<QWidget*> reached;
        for (int i = 0; i < 40; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : main.window(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget());
        }
        for (const char* name : {"goniatheta", "arithaktinon", "Ycthesi", "psipigi", "arithanak"}) {
            QVERIFY2(reached.contains(main.widget_for(name)), name);
        }

        // One step of the arrow keys is one small change, whichever way round the bar runs.
        struct Row {
            const char* bar;
            Qt::Key key;
            int value;
        };
        for (const Row& row :
             {Row{"goniatheta", Qt::Key_Down, 16}, Row{"arithanak", Qt::Key_Right, 2},
              Row{"arithaktinon", Qt::Key_Up, 2}, Row{"Ycthesi", Qt::Key_Up, -1}}) {
            QWidget* bar = main.widget_for(row.bar);
            bar->setFocus();
            QTest::keyClick(bar, row.key);
            QCOMPARE(static_cast<ScrollBar*>(p.arxiki().form().find(row.bar))->value(), row.value);
        }
    }

    void aButtonOfAnOpenWindowBringsItToTheFront() {
        Program p;
        ProgramView view(p);
        auto* open_crossing =
            qobject_cast<QAbstractButton*>(view.view_of("arxiki")->widget_for("Command5"));
        open_crossing->click();
        QMainWindow* crossing = view.view_of("cut_rays")->window();
        QVERIFY(QTest::qWaitForWindowActive(crossing));
        QMainWindow* main = view.view_of("arxiki")->window();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        open_crossing->click();
        QVERIFY(QTest::qWaitForWindowActive(crossing));
    }

    void ctrlTabAndTheWindowsMenuBringEachOpenWindowToTheFront() {
        Program p;
        ProgramView view(p);
        FormView& main = *view.view_of("arxiki");
        // Only the main window is open: Ctrl+Tab stays on it, the menu lists it.
        QAction* windows = view.switcher().menu_action();
        QVERIFY(main.picture_menus().front()->copy_action() != nullptr);
        QVERIFY(main.widget_for("Picture1")->actions().contains(windows));
        const auto listed = [&] {
            emit windows->menu()->aboutToShow();
            QStringList names;
            for (QAction* a : windows->menu()->actions()) names << a->objectName();
            return names;
        };
        QCOMPARE(listed(), QStringList{"arxiki"});

        for (const char* button : {"Command5", "Command6"}) {
            qobject_cast<QAbstractButton*>(main.widget_for(button))->click();
        }
        QMainWindow* crossing = view.view_of("cut_rays")->window();
        QMainWindow* caustics = view.view_of("kafstikh")->window();
        QVERIFY(QTest::qWaitForWindowActive(caustics));
        QCOMPARE(listed(), (QStringList{"arxiki", "cut_rays", "kafstikh"}));
        // Every picture's menu has the submenu, in every window.
        QVERIFY(view.view_of("cut_rays")->client_picture()->actions().contains(windows));

        // In the order the windows were opened, round and round, both ways.
        struct Row {
            QKeyCombination keys;
            QMainWindow* comes_to_front;
        };
        for (const Row& row :
             {Row{Qt::CTRL | Qt::Key_Tab, main.window()}, Row{Qt::CTRL | Qt::Key_Tab, crossing},
              Row{Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, main.window()},
              Row{Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, caustics}}) {
            QTest::keySequence(QApplication::activeWindow(), QKeySequence(row.keys));
            QVERIFY(QTest::qWaitForWindowActive(row.comes_to_front));
        }

        // A window closed leaves the list; the entry chosen comes to the front.
        crossing->close();
        QCOMPARE(listed(), (QStringList{"arxiki", "kafstikh"}));
        windows->menu()->actions().front()->trigger();
        QVERIFY(QTest::qWaitForWindowActive(main.window()));
        QVERIFY(!p.ended());
    }

    void windowsCreatedByAButtonGetTheirViewsAndTheFocus() {
        Program p;
        ProgramView view(p);
        QVERIFY(view.view_of("cut_rays") == nullptr);
        qobject_cast<QAbstractButton*>(view.view_of("arxiki")->widget_for("Command5"))->click();
        FormView* crossing = view.view_of("cut_rays");
        QVERIFY(crossing != nullptr);
        QVERIFY(crossing->window()->isVisible());
        QVERIFY(crossing->client_picture() != nullptr);
        QVERIFY(crossing->window()->menuBar()->actions().size() >= 1);

        // Closing it puts it away; the button brings it back.
        crossing->window()->close();
        QVERIFY(!crossing->window()->isVisible());
        qobject_cast<QAbstractButton*>(view.view_of("arxiki")->widget_for("Command5"))->click();
        QVERIFY(crossing->window()->isVisible());

        // Closing the main window ends the program.
        QSignalSpy ended(&view, &ProgramView::ended);
        view.view_of("arxiki")->window()->close();
        QVERIFY(p.ended());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!crossing->window()->isVisible());
    }

    void anyFormShowsGenerically() {
        Form form("demo", "Demo", Geometry{0, 0, 6000, 4500});
        Surface& client = form.make_client_surface();
        client.scale(-10, 10, 10, -10);
        auto& bar = form.add<ScrollBar>("reversed", Geometry{-10, 10, 2, 10}, true, 30, 10, 25);
        int changes = 0;
        bar.on_change = [&] { ++changes; };
        form.add<Menu>("menu", "KINDS");
        auto& a = form.add<MenuItem>("a", "menu", "A", true);
        auto& b = form.add<MenuItem>("b", "menu", "B");
        a.on_click = [&] {
            a.checked = true;
            b.checked = false;
        };
        b.on_click = [&] {
            a.checked = false;
            b.checked = true;
        };
        form.add<Label>("shown", Geometry{0, 0, 5, 5}, "text").back_color = rgb(255, 192, 192);
        form.show();

        OneFormHost host;
        FormView view(form, host);
        host.view = &view;

        // Geometry in the client area's user units becomes pixels of the client area.
        const QRect r = view.widget_for("reversed")->geometry();
        QCOMPARE(r.topLeft(), QPoint(0, 0));
        QVERIFY(std::abs(r.height() - view.client_picture()->height() / 2) <= 1);
        QCOMPARE(view.client_picture()->width(), logical_pixels(view, form.client_width_twips()));

        // Min 30 at the top: the widget's top shows 30, its bottom 10.
        auto* scroll = widget<QScrollBar>(view, "reversed");
        QCOMPARE(scroll->value(), 15);
        scroll->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(bar.value(), 10);
        QCOMPARE(changes, 1);
        // A change from code pulls the value into the new range; the view follows it without
        // firing the event again.
        bar.set_max(12);
        view.sync();
        QCOMPARE(changes, 2);
        QCOMPARE(bar.value(), 12);
        QCOMPARE(scroll->minimum(), 12);
        QCOMPARE(scroll->maximum(), 30);
        QCOMPARE(scroll->value(), 30);

        QAction* item_b = view.action_for("b");
        QVERIFY(view.action_for("a")->isChecked());
        item_b->trigger();
        QVERIFY(b.checked);
        QVERIFY(item_b->isChecked());
        QVERIFY(!view.action_for("a")->isChecked());
        QCOMPARE(host.actions, 2);

        auto* label = widget<QLabel>(view, "shown");
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 192, 192));
        form.caption = "Renamed";
        form.find("shown")->visible = false;
        view.sync();
        QCOMPARE(view.window()->windowTitle(), QStringLiteral("Renamed"));
        QVERIFY(!label->isVisibleTo(view.window()));
    }
};

QTEST_MAIN(FormViewTest)
#include "test_form_view.moc"
