#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run render(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(RENDER_COMMAND), args);
    process.waitForFinished(60000);
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QJsonObject state(const QStringList& steps) {
    const Run run = render(steps + QStringList{"--json", "-"});
    if (run.status != 0) qWarning("%s", run.err.constData());
    return QJsonDocument::fromJson(run.out).object();
}

}  // namespace

class RenderCommandTest : public QObject {
    Q_OBJECT

private slots:
    void badInputWritesNothingAndSaysWhy_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown form") << QStringList{"--set", "nowhere.x=1"} << "nowhere";
        QTest::newRow("unknown control") << QStringList{"--click", "arxiki.Command9"}
                                         << "Command9";
        QTest::newRow("value out of range") << QStringList{"--set", "arxiki.goniatheta=91"}
                                            << "goniatheta";
        QTest::newRow("value not a number") << QStringList{"--set", "arxiki.arithanak=one"}
                                            << "one";
        QTest::newRow("a label cannot be clicked") << QStringList{"--click", "arxiki.Label1"}
                                                   << "Label1";
        QTest::newRow("a window not yet opened")
            << QStringList{"--png", "kafstikh.eikona=%1/eikona.png"} << "kafstikh";
        QTest::newRow("not a picture") << QStringList{"--svg", "arxiki.Frame1=%1/frame.svg"}
                                       << "Frame1";
        QTest::newRow("malformed screen") << QStringList{"--screen", "wide"} << "--screen";
        QTest::newRow("unknown option") << QStringList{"--colour"} << "--colour";
        QTest::newRow("file in a missing folder")
            << QStringList{"--png", "arxiki.Picture1=%1/missing/main.png"} << "missing";
        // A folder that exists but takes no new file shows it only while writing.
        QTest::newRow("file refused while written")
            << QStringList{"--svg", "arxiki.Picture1=/proc/rainbow-main.svg"} << "/proc";
    }

    void badInputWritesNothingAndSaysWhy() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QTemporaryDir dir;
        // A good output given first must not be written either.
        QStringList all{"--json", dir.filePath("state.json")};
        for (const QString& a : args) all << QString(a).replace("%1", dir.path());
        const Run run = render(all);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(named.toUtf8()), run.err.constData());
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
    }

    void startStateHasTheCaptionAndTheLabels() {
        const QJsonObject start = state({});
        const QJsonObject main = start["forms"]["arxiki"].toObject();
        QCOMPARE(main["caption"].toString(), QStringLiteral("OYΡANIO TAVREL            "));
        QVERIFY(main["shown"].toBool());
        QVERIFY(!start["forms"].toObject().contains("cut_rays"));
        const QJsonObject controls = main["controls"].toObject();
        const std::pair<const char*, const char*> labels[] = {
            {"Label1", "γωνία που κάνει η ακτίνα με οριζόντιο=15"},
            {"Label2", "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 1"},
            {"Label3", "every 4th ray in central cone"},
            {"Label4", "No of rays = 1"},
            {"Label5", "Yc =0"},
            {"Label6", "Ysource = 0"}};
        for (const auto& [name, caption] : labels) {
            QCOMPARE(controls[name]["caption"].toString(), QString::fromUtf8(caption));
        }
        QVERIFY(!controls["Label3"]["visible"].toBool());
        QVERIFY(!main["pictures"]["Picture1"]["items"].toArray().isEmpty());
        QCOMPARE(start["settings"]["cut_rays_built"].toBool(), false);
    }

    void stepsApplyInOrderAndOpenWindows() {
        const QJsonObject after = state({"--set", "arxiki.goniatheta=-30", "--set=arxiki.Option2=1",
                                         "--click", "arxiki.Command5"});
        const QJsonObject main = after["forms"]["arxiki"]["controls"].toObject();
        QCOMPARE(main["goniatheta"]["value"].toInt(), -30);
        QVERIFY(main["Label1"]["caption"].toString().endsWith("=-30"));
        QVERIFY(main["Option2"]["checked"].toBool());
        QVERIFY(!main["Option1"]["checked"].toBool());
        QVERIFY(after["forms"].toObject().contains("cut_rays"));
        QVERIFY(after["settings"]["cut_rays_built"].toBool());
        QCOMPARE(after["settings"]["refractive_index"].toDouble(), 1.5);
    }

    void picturesAreWrittenAsPngAndSvg() {
        QTemporaryDir dir;
        const QString png = dir.filePath("main.png"), svg = dir.filePath("crossing.svg");
        const Run run = render({"--screen", "1280x1024", "--click", "arxiki.Command5", "--png",
                                "arxiki.Picture1=" + png, "--svg", "cut_rays.client=" + svg});
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        const QImage image(png);
        QVERIFY(image.width() >= 600);
        QCOMPARE(image.width(), image.height());  // the main picture is square
        int coloured = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4) coloured += image.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY(coloured > 50);
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("<path") || text.contains("<polyline"));
    }

    void lessonGivesTheStateOfItsStepsGivenAsArguments_data() {
        QTest::addColumn<QString>("lesson");
        const QDir examples(QStringLiteral(LESSONS_DIR));
        const QStringList files = examples.entryList({"*.json"}, QDir::Files);
        QVERIFY(files.size() >= 3);
        for (const QString& file : files) {
            QTest::newRow(file.toUtf8().constData()) << examples.filePath(file);
        }
    }

    void lessonGivesTheStateOfItsStepsGivenAsArguments() {
        QFETCH(QString, lesson);
        QFile file(lesson);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList args;
        for (const QJsonValue step : QJsonDocument::fromJson(file.readAll())["steps"].toArray()) {
            const QString target = step["form"].toString() + "." + step["control"].toString();
            if (step["action"] == QStringLiteral("set")) {
                args << "--set" << target + "=" + QString::number(step["value"].toInt());
            } else {
                args << "--click" << target;
            }
        }
        QVERIFY(!args.isEmpty());
        const QJsonObject replayed = state({"--lesson", lesson});
        QVERIFY(!replayed.isEmpty());
        QCOMPARE(replayed, state(args));
        // Further steps follow the lesson, wherever --lesson stands.
        const QStringList more{"--set", "arxiki.psipigi=30"};
        QCOMPARE(state(more + QStringList{"--lesson", lesson}), state(args + more));
    }

    void malformedLessonWritesNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("named");
        const QByteArray head = R"({"version": 1, "screen": {"width": 1920, "height": 1080}, )";
        QTest::newRow("not JSON") << QByteArray("steps: none") << "not JSON";
        QTest::newRow("not UTF-8") << head + "\"steps\": [\"\xff\"]}" << "UTF-8";
        QTest::newRow("value out of range")
            << head + R"("steps": [{"action": "set", "form": "arxiki", "control": "arithanak",
                          "value": 3}]})"
            << "arithanak";
        QTest::newRow("a window not open")
            << head + R"("steps": [{"action": "click", "form": "cut_rays", "control": "Command1"}]})"
            << "cut_rays";
    }

    void malformedLessonWritesNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, named);
        QTemporaryDir lessons, outputs;
        QFile lesson(lessons.filePath("bad.json"));
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.write(text);
        lesson.close();
        const Run run = render({"--lesson", lesson.fileName(), "--json",
                                outputs.filePath("state.json"), "--png",
                                "arxiki.Picture1=" + outputs.filePath("main.png")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(named.toUtf8()), run.err.constData());
        QCOMPARE(QDir(outputs.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
    }

    void helpIsNotAnError() {
        const Run run = render({"--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith("usage: rainbow-render"));
    }
};

QTEST_MAIN(RenderCommandTest)
#include "test_render_command.moc"
