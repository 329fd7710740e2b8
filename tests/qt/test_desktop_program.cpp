#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    bool normal_exit = false;
    int code = -1;
    QByteArray out, err;
};

Run run(const QStringList& args, const QProcessEnvironment& env, const QString& program,
        int timeout_ms = 30000) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(timeout_ms)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit, process.exitCode(),
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QProcessEnvironment without_display() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    return env;
}

const QString program = QStringLiteral(DESKTOP_PROGRAM);

}  // namespace

class DesktopProgramTest : public QObject {
    Q_OBJECT

private slots:
    void argumentsAreHelpOrAnError() {
        const Run help = run({"--help"}, without_display(), program);
        QVERIFY(help.normal_exit);
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.startsWith("usage: rainbow"));
        const Run wrong = run({"--fast"}, without_display(), program);
        QCOMPARE(wrong.code, 2);
        QVERIFY(wrong.err.startsWith("usage: rainbow"));
    }

    void withoutADisplayItSaysSoAndStops_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("no display named") << QString();
        QTest::newRow("a display nobody serves") << QStringLiteral(":97");
    }

    void withoutADisplayItSaysSoAndStops() {
        QFETCH(QString, display);
        QProcessEnvironment env = without_display();
        if (!display.isEmpty()) env.insert("DISPLAY", display);
        const Run r = run({}, env, program);
        QVERIFY(r.normal_exit);  // no crash, no abort
        QVERIFY(r.code != 0);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("rainbow: "));
    }

    void startsAndStaysUpOnARealDisplay() {
        const QString xvfb_run = QStandardPaths::findExecutable("xvfb-run");
        if (xvfb_run.isEmpty()) QSKIP("xvfb-run is not installed");
        const bool can_shoot = !QStandardPaths::findExecutable("import").isEmpty();
        QTemporaryDir dir;
        const QString shot = dir.filePath("screen.png");
        // Starts the program, waits, checks that it still runs, photographs the screen.
        const QString script = QStringLiteral(
            "\"$1\" & pid=$!; sleep 4; kill -0 $pid || exit 3; "
            "if [ \"$3\" = 1 ]; then import -window root \"$2\"; fi; kill $pid; exit 0");
        // The last session is kept in a folder of the test, not the user's.
        QProcessEnvironment env = without_display();
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        const Run r = run({"-a", "-s", "-screen 0 1280x800x24", "sh", "-c", script, "sh", program,
                           shot, can_shoot ? "1" : "0"},
                          env, xvfb_run, 60000);
        QVERIFY2(r.normal_exit && r.code == 0, r.err.constData());
        if (!can_shoot) return;
        const QImage image(shot);
        QCOMPARE(image.size(), QSize(1280, 800));
        // The main window's picture: a large white square with the scene drawn on it.
        int white = 0, coloured = 0;
        for (int y = 0; y < 800; y += 8) {
            for (int x = 0; x < 1280; x += 8) {
                const QRgb p = image.pixel(x, y);
                white += p == qRgb(255, 255, 255);
                coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            }
        }
        QVERIFY2(white > 2000, qPrintable(QString::number(white)));
        QVERIFY(coloured > 20);
    }
};

QTEST_MAIN(DesktopProgramTest)
#include "test_desktop_program.moc"
