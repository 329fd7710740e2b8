#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/surface.h"
#include "qt/form_view.h"
#include "qt/picture_actions.h"
#include "qt/picture_files.h"
#include "qt/picture_widget.h"
#include "qt/program_view.h"
#include "qt/translations.h"

using namespace rainbow;

namespace {

// A picture of 300 x 200 pixels with a diagonal, shown by a widget of that size.
struct ShownPicture {
    Surface surface{4500, 3000};
    PictureWidget widget;
    PictureActions actions{widget, true};
    ShownPicture() {
        surface.scale(0, 0, 3, 2);
        surface.line(0, 0, 3, 2, rgb(255, 0, 0));
        widget.set_surface(&surface);
        widget.resize(300, 200);
    }
};

QString pdfinfo(const QString& file) {
    QProcess process;
    process.start("pdfinfo", {file});
    process.waitForFinished(30000);
    return process.exitCode() == 0 ? QString(process.readAllStandardOutput()).simplified()
                                   : QString();
}

}  // namespace

class PictureActionsTest : public QObject {
    Q_OBJECT

private slots:
    // Every picture is offered under a name of its own that says what it is, in the user's
    // language, and fit for a file name.
    void everyPictureHasAHumanFileName_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale(QLocale::English);
        QTest::newRow("Greek") << QLocale(QLocale::Greek);
    }
    void everyPictureHasAHumanFileName() {
        QFETCH(QLocale, locale);
        install_translations(*QCoreApplication::instance(), locale);
        Program program;
        for (const char* window : {"cut_rays", "kafstikh", "theoria"}) program.open_window(window);
        QSet<QString> stems;
        const QString unknown = picture_file_stem("arxiki", "no such picture");
        for (Form* form : program.forms()) {
            QStringList pictures;
            if (form->client_surface() != nullptr) pictures << "client";
            for (const auto& c : form->controls()) {
                if (c->kind() == ControlKind::picture)
                    pictures << QString::fromStdString(c->name());
            }
            for (const QString& picture : pictures) {
                const QString stem =
                    picture_file_stem(QString::fromStdString(form->name()), picture);
                const QString where =
                    QString::fromStdString(form->name()) + "." + picture + ": " + stem;
                QVERIFY2(stem != unknown && !stems.contains(stem), qPrintable(where));
                QVERIFY2(!stem.contains(QLatin1Char(' ')) && !stem.contains(QLatin1Char('/')),
                         qPrintable(where));
                stems.insert(stem);
            }
        }
        QCOMPARE(stems.size(), 8);
        QCOMPARE(picture_file_stem("arxiki", "Picture1"),
                 locale.language() == QLocale::English
                     ? QStringLiteral("rainbow-main-picture")
                     : QStringLiteral("ουράνιο-τόξο-κύρια-εικόνα"));
        install_translations(*QCoreApplication::instance(), QLocale(QLocale::English));
    }

    void everyPictureHasTheMenuAndTheActionsOthersAdd_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("main window") << "arxiki";
        QTest::newRow("ray-crossing window") << "cut_rays";
        QTest::newRow("caustics window") << "kafstikh";
    }

    void everyPictureHasTheMenuAndTheActionsOthersAdd() {
        QFETCH(QString, form);
        Program program(Screen{});
        ProgramView view(program);
        auto* help = new QAction("Help", &view);
        view.add_picture_action(help);
        for (const char* button : {"Command5", "Command6"}) {
            static_cast<CommandButton*>(program.find_form("arxiki")->find(button))->click();
        }
        view.sync();
        const FormView* shown = view.view_of(form.toStdString());
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->picture_menus().size(), std::size_t(1));
        const PictureActions& menu = *shown->picture_menus().front();
        const auto* picture = qobject_cast<QWidget*>(menu.parent());
        QCOMPARE(picture->contextMenuPolicy(), Qt::ActionsContextMenu);
        const QList<QAction*> actions = picture->actions();
        QCOMPARE(actions.first(), menu.copy_action());
        QCOMPARE(actions.last(), help);  // added before the window was opened
        QCOMPARE(menu.copy_action()->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(menu.save_action()->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(menu.print_action()->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(menu.copy_action()->shortcutContext(), Qt::WindowShortcut);
        // One added later reaches the open windows too, once.
        auto* lesson = new QAction("Save lesson", &view);
        view.add_picture_action(lesson);
        view.add_picture_action(lesson);
        QCOMPARE(picture->actions().last(), lesson);
        QCOMPARE(picture->actions().count(lesson), 1);
    }

    void copyPutsThePictureOnTheClipboardAtItsSize() {
        ShownPicture shown;
        QGuiApplication::clipboard()->clear();
        shown.actions.copy_action()->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(300, 200) * shown.widget.devicePixelRatioF());
        // Painted afresh, not taken from the screen: the line is there.
        QVERIFY(copied.pixelColor(150 * copied.width() / 300, 100 * copied.height() / 200).red() >
                200);
    }

    void savedPicturesHaveTheAskedSize_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("pixels");
        const auto kind = [](SaveSize::Kind k) { return int(k); };
        QTest::newRow("PNG as shown")
            << "a.png" << kind(SaveSize::Kind::shown) << 0 << QSize(300, 200);
        QTest::newRow("PNG twice")
            << "a.PNG" << kind(SaveSize::Kind::twice) << 0 << QSize(600, 400);
        QTest::newRow("PNG four times")
            << "a.png" << kind(SaveSize::Kind::four_times) << 0 << QSize(1200, 800);
        QTest::newRow("PNG by width")
            << "a.png" << kind(SaveSize::Kind::width) << 1000 << QSize(1000, 667);
        QTest::newRow("SVG twice")
            << "a.svg" << kind(SaveSize::Kind::twice) << 0 << QSize(600, 400);
        QTest::newRow("PDF twice")
            << "a.pdf" << kind(SaveSize::Kind::twice) << 0 << QSize(600, 400);
    }

    void savedPicturesHaveTheAskedSize() {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(int, width);
        QFETCH(QSize, pixels);
        ShownPicture shown;
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        const QSize asked = saved_pixels(QSize(300, 200), {SaveSize::Kind(kind), width});
        QCOMPARE(asked, pixels);
        QString error;
        QVERIFY2(shown.actions.save(path, asked, &error), qPrintable(error));
        if (file.endsWith(".svg")) {
            QFile svg(path);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const QByteArray text = svg.readAll();
            QVERIFY(text.contains(QString("width=\"%1").arg(pixels.width()).toUtf8()));
        } else if (file.endsWith(".pdf")) {
            // 96 pixels to the inch, 72 points.
            const QString info = pdfinfo(path);
            QVERIFY2(info.contains(QString("Page size: %1 x %2 pts")
                                       .arg(pixels.width() * 3 / 4)
                                       .arg(pixels.height() * 3 / 4)),
                     qPrintable(info));
        } else {
            QCOMPARE(QImage(path).size(), pixels);
        }
    }

    void aNameWithoutAPictureEndingSavesNothing() {
        ShownPicture shown;
        QTemporaryDir dir;
        QString error;
        QVERIFY(!shown.actions.save(dir.filePath("a.bmp"), QSize(300, 200), &error));
        QVERIFY(error.contains(".png"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void printingMakesAPageThatPdfinfoReads() {
        ShownPicture shown;
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        shown.actions.print(printer);
        QVERIFY(pdfinfo(dir.filePath("printed.pdf")).contains("Pages: 1"));
    }
};

QTEST_MAIN(PictureActionsTest)
#include "test_picture_actions.moc"
