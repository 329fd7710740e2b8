#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run finished(QProcess& process) {
    process.waitForFinished(300000);
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Run render(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(RENDER_COMMAND), args);
    return finished(process);
}

// Runs the command from a shell script that sees it as "$R" and the folder as "$D", so that
// a file name can hold bytes that are not UTF-8.
Run render_from_shell(const QString& script, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("R", QStringLiteral(RENDER_COMMAND));
    environment.insert("D", folder);
    process.setProcessEnvironment(environment);
    process.start("/bin/sh", {"-c", script});
    return finished(process);
}

// What a folder holds: each entry's name (its bytes in hex), kind, link target and size.
QStringList listing(const QString& folder) {
    namespace fs = std::filesystem;
    QStringList entries;
    for (const fs::directory_entry& e : fs::directory_iterator(folder.toStdString())) {
        const std::string name = e.path().filename().string();
        QString entry = QByteArray(name.data(), qsizetype(name.size())).toHex();
        if (e.is_symlink()) {
            entry += " -> " + QString::fromStdString(fs::read_symlink(e.path()).string());
        } else if (e.is_regular_file()) {
            entry += " " + QString::number(e.file_size());
        } else if (e.is_directory()) {
            entry += "/";
        }
        entries << entry;
    }
    entries.sort();
    return entries;
}

bool is_kind(const QString& path, mode_t kind) {
    struct stat file {};
    return ::lstat(QFile::encodeName(path).constData(), &file) == 0 &&
           (file.st_mode & S_IFMT) == kind;
}

using Json = nlohmann::json;

// A JSON text as nlohmann-json reads it; a discarded value when it is not JSON.
Json parsed(const QByteArray& text) { return Json::parse(text.toStdString(), nullptr, false); }

Json state(const QStringList& steps) {
    const Run run = render(steps + QStringList{"--json", "-"});
    if (run.status != 0) qWarning("%s", run.err.constData());
    return parsed(run.out);
}

}  // namespace

class RenderCommandTest : public QObject {
    Q_OBJECT

private slots:
    void badInputWritesNothingAndSaysWhy_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown form") << QStringList{"--set", "nowhere.x=1"} << "nowhere";
        QTest::newRow("unknown control") << QStringList{"--click", "arxiki.Command9"} << "Command9";
        QTest::newRow("value out of range")
            << QStringList{"--set", "arxiki.goniatheta=91"} << "goniatheta";
        QTest::newRow("value not a number")
            << QStringList{"--set", "arxiki.arithanak=one"} << "one";
        QTest::newRow("a label cannot be clicked")
            << QStringList{"--click", "arxiki.Label1"} << "Label1";
        QTest::newRow("rows not a number")
            << QStringList{"--click", "theoria.lee_cancel=all"} << "not a number of rows";
        QTest::newRow("rows below 0")
            << QStringList{"--click", "theoria.lee_cancel=-1"} << "not a number of rows";
        QTest::newRow("rows on a button that stops nothing")
            << QStringList{"--click", "arxiki.Command7", "--click", "theoria.lee_start=2"}
            << "stops no long work";
        QTest::newRow("a window not yet opened")
            << QStringList{"--png", "kafstikh.eikona=%1/eikona.png"} << "kafstikh";
        QTest::newRow("not a picture")
            << QStringList{"--svg", "arxiki.Frame1=%1/frame.svg"} << "Frame1";
        QTest::newRow("malformed screen") << QStringList{"--screen", "wide"} << "--screen";
        QTest::newRow("unknown option") << QStringList{"--colour"} << "--colour";
        QTest::newRow("file in a missing folder")
            << QStringList{"--png", "arxiki.Picture1=%1/missing/main.png"} << "missing";
        // A folder that exists but takes no new file shows it only while writing.
        QTest::newRow("file refused while written")
            << QStringList{"--svg", "arxiki.Picture1=/proc/rainbow-main.svg"} << "/proc";
        QTest::newRow("a newline in a value")
            << QStringList{"--set", "arxiki.goniatheta=1\n2"} << "'1\\n2'";
        QTest::newRow("a newline in an option")
            << QStringList{"--colour\r\n"} << "'--colour\\r\\n'";
        QTest::newRow("a folder as the file")
            << QStringList{"--png", "arxiki.Picture1=%1"} << "it is a folder";
        QTest::newRow("size not a number") << QStringList{"--size", "big"} << "--size";
        QTest::newRow("size too small") << QStringList{"--size", "15"} << "16 to 10000";
        QTest::newRow("size too large") << QStringList{"--size", "10001"} << "16 to 10000";
        QTest::newRow("pdf of a window not opened")
            << QStringList{"--pdf", "cut_rays.client=%1/crossing.pdf"} << "cut_rays";
        // Every quoted input is escaped, wherever the message comes from.
        QTest::newRow("a newline in a form clicked")
            << QStringList{"--click", "arxiki\nX.Command1"} << "'arxiki\\nX'";
        QTest::newRow("a newline in a control set")
            << QStringList{"--set", "arxiki.gonia\ntheta=5"} << "'arxiki.gonia\\ntheta'";
        QTest::newRow("ESC and a C1 control in a control")
            << QStringList{"--click", "arxiki.a\x1B\u0085b"} << "'arxiki.a\\x1B\\u0085b'";
        QTest::newRow("a screen beyond the limit of every picture")
            << QStringList{"--screen", "20000x20000"} << "100 to 10000";
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

    // Names that are refused however the folder is reached; nothing is left behind.
    void aFileNamedTwiceIsRefused_data() {
        QTest::addColumn<QStringList>("outputs");
        QTest::newRow("same name")
            << QStringList{"--png", "arxiki.Picture1=%1/a", "--json", "%1/a"};
        QTest::newRow("through the folder's dot")
            << QStringList{"--svg", "arxiki.Picture1=%1/a", "--pdf", "arxiki.Picture1=%1/./a"};
        QTest::newRow("through a link") << QStringList{"--json", "%1/a", "--json", "%1/link"};
        QTest::newRow("standard output twice")
            << QStringList{"--json", "-", "--json", "/dev/stdout"};
    }

    void aFileNamedTwiceIsRefused() {
        QFETCH(QStringList, outputs);
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("link")));
        const QStringList before = listing(dir.path());
        const Run run = render(outputs.replaceInStrings("%1", dir.path()));
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains("named twice"), run.err.constData());
        QVERIFY(run.out.isEmpty());
        QCOMPARE(listing(dir.path()), before);
    }

    void aNameThatIsNotUtf8IsWrittenOnItsBytes() {
        QTemporaryDir dir;
        // The good name is written as it is given ...
        Run run =
            render_from_shell(R"sh($R --png "arxiki.Picture1=$D/$(printf 'a\377')")sh", dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(listing(dir.path()).size(), 1);
        QVERIFY(listing(dir.path()).front().startsWith("61ff "));
        // ... and a failure after it leaves no file of its own behind.
        const QStringList before = listing(dir.path());
        run = render_from_shell(
            R"sh($R --svg "arxiki.Picture1=$D/$(printf 'b\377')" --png "arxiki.Picture1=$D/no/c")sh",
            dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(listing(dir.path()), before);
        // A message names a bad byte as an escape.
        run = render_from_shell(R"sh($R --set "arxiki.goniatheta=$(printf '\377')")sh", dir.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("'\\xFF'"), run.err.constData());
    }

    void streamsAndDevicesAreWrittenInPlace() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/null", dir.filePath("null")));
        QVERIFY(QFile::link("/dev/stdout", dir.filePath("out")));
        const QStringList before = listing(dir.path());

        QProcess process;
        process.start(QStringLiteral(RENDER_COMMAND),
                      {"--png", "arxiki.Picture1=" + dir.filePath("null"), "--json",
                       dir.filePath("out"), "--json", fifo});
        QFile reader(fifo);
        QVERIFY(reader.open(QIODevice::ReadOnly));  // waits for the command to open it
        const QByteArray through_fifo = reader.readAll();
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardError().isEmpty());
        QVERIFY(parsed(through_fifo).is_object());
        QVERIFY(parsed(process.readAllStandardOutput()).is_object());
        QVERIFY(is_kind(fifo, S_IFIFO));
        QCOMPARE(listing(dir.path()), before);
        QVERIFY(is_kind("/dev/null", S_IFCHR));
    }

    void aLinkToAFileKeepsTheLinkAndItsTargetTakesTheContent() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("pictures");
        const QString target = dir.filePath("pictures/main.svg");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(QFile::link("pictures/main.svg", dir.filePath("main.svg")));
        const Run run = render({"--svg", "arxiki.Picture1=" + dir.filePath("main.svg")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("main.svg")).isSymLink());
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("<svg"));
        QCOMPARE(QDir(dir.filePath("pictures")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"main.svg"});
    }

    void namesAtTheSystemsLimitsAreWritten() {
        QTemporaryDir dir;
        // The longest file name, then a path just under the longest path.
        const QString longest_name = dir.filePath(QString(NAME_MAX - 5, 'n') + ".json");
        QString deep = dir.path();
        while (deep.size() + 101 < PATH_MAX - 60) deep += "/" + QString(100, 'd');
        QVERIFY(QDir().mkpath(deep));
        const QString longest_path =
            deep + "/" + QString(PATH_MAX - 2 - deep.size() - 5, 'p') + ".json";
        QCOMPARE(longest_path.size(), PATH_MAX - 1);  // and the closing zero byte
        const Run run = render({"--json", longest_name, "--json", longest_path});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QVERIFY(QFileInfo(longest_name).size() > 1000);
        QVERIFY(QFileInfo(longest_path).size() > 1000);
        QCOMPARE(QDir(deep).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
    }

    void sizeSetsTheLongerSideAndLinesGrowWithIt() {
        QTemporaryDir dir;
        const QString png = dir.filePath("a.png"), pdf = dir.filePath("a.pdf"),
                      small = dir.filePath("small.png");
        const Run run =
            render({"--size", "4000", "--png", "arxiki.Picture1=" + png, "--pdf",
                    "arxiki.Picture1=" + pdf, "--size=300", "--png", "arxiki.Picture1=" + small});
        QCOMPARE(run.status, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(4000, 4000));
        QCOMPARE(QImage(small).size(), QSize(300, 300));
        // The horizontal axis crosses the middle of the picture, left of the drop.
        int axis = 0;
        for (int y = 1900; y < 2100; ++y) axis += image.pixel(300, y) != qRgb(255, 255, 255);
        QVERIFY2(axis >= 4 && axis <= 6, QByteArray::number(axis));
        QProcess pdfinfo;
        pdfinfo.start("pdfinfo", {pdf});
        QVERIFY(pdfinfo.waitForFinished(60000));
        QCOMPARE(pdfinfo.exitCode(), 0);
        QVERIFY(QString(pdfinfo.readAllStandardOutput()).simplified().contains("Pages: 1"));
    }

    void startStateHasTheCaptionAndTheLabels() {
        const Json start = state({});
        const Json& main = start["forms"]["arxiki"];
        QVERIFY(main["caption"] == "OYΡANIO TAVREL            ");
        QVERIFY(main["shown"] == true);
        QVERIFY(!start["forms"].contains("cut_rays"));
        const Json& controls = main["controls"];
        const std::pair<const char*, const char*> labels[] = {
            {"Label1", "γωνία που κάνει η ακτίνα με οριζόντιο=15"},
            {"Label2", "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 1"},
            {"Label3", "every 4th ray in central cone"},
            {"Label4", "No of rays = 1"},
            {"Label5", "Yc =0"},
            {"Label6", "Ysource = 0"}};
        for (const auto& [name, caption] : labels) {
            QCOMPARE(controls[name]["caption"].get<std::string>(), std::string(caption));
        }
        QVERIFY(controls["Label3"]["visible"] == false);
        QVERIFY(!main["pictures"]["Picture1"]["items"].empty());
        QVERIFY(start["settings"]["cut_rays_built"] == false);
    }

    void stepsApplyInOrderAndOpenWindows() {
        const Json after = state({"--set", "arxiki.goniatheta=-30", "--set=arxiki.Option2=1",
                                  "--click", "arxiki.Command5"});
        const Json& main = after["forms"]["arxiki"]["controls"];
        QCOMPARE(main["goniatheta"]["value"].get<int>(), -30);
        QVERIFY(main["Label1"]["caption"].get<std::string>().ends_with("=-30"));
        QVERIFY(main["Option2"]["checked"] == true);
        QVERIFY(main["Option1"]["checked"] == false);
        QVERIFY(after["forms"].contains("cut_rays"));
        QVERIFY(after["settings"]["cut_rays_built"] == true);
        QCOMPARE(after["settings"]["refractive_index"].get<double>(), 1.5);
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
            for (int x = 0; x < image.width(); x += 4)
                coloured += image.pixel(x, y) != qRgb(255, 255, 255);
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
        QVERIFY(files.size() >= 4);
        for (const QString& file : files) {
            QTest::newRow(file.toUtf8().constData()) << examples.filePath(file);
        }
    }

    // Each example is a guided lesson of four or more titled scenes, in English and Greek;
    // `--scene K` gives the state of the steps of its first K scenes given as arguments, the
    // whole lesson that of all of them. A whole Lee diagram costs about a minute of processor
    // time (ten under the sanitizers): a lesson that starts one is compared with its Cancel
    // recorded after 2 rows, on a small screen.
    void lessonGivesTheStateOfItsStepsGivenAsArguments() {
        QFETCH(QString, lesson);
        QFile file(lesson);
        QVERIFY(file.open(QIODevice::ReadOnly));
        Json whole = parsed(file.readAll());
        QStringList screen;
        for (Json& scene : whole["scenes"]) {
            Json& steps = scene["steps"];
            for (std::size_t i = 0; i < steps.size(); ++i) {
                if (steps[i]["control"] != "lee_start") continue;
                if (i + 1 < steps.size() && steps[i + 1]["control"] == "lee_cancel") continue;
                steps.insert(steps.begin() + std::ptrdiff_t(i) + 1, Json{{"action", "click"},
                                                                         {"form", "theoria"},
                                                                         {"control", "lee_cancel"},
                                                                         {"rows", 2}});
                screen = QStringList{"--screen", "640x480"};
            }
        }
        QTemporaryDir dir;
        if (!screen.isEmpty()) {
            lesson = dir.filePath(QStringLiteral("with-cancel.json"));
            QFile copy(lesson);
            QVERIFY(copy.open(QIODevice::WriteOnly));
            copy.write(QByteArray::fromStdString(whole.dump()));
        }
        const Json scenes = whole["scenes"];
        QVERIFY(scenes.size() >= 4);
        QStringList args = screen;
        for (std::size_t k = 0; k < scenes.size(); ++k) {
            const Json& scene = scenes[k];
            for (const char* language : {"en", "el"}) {
                QVERIFY(!scene["title"].value(language, std::string()).empty());
                QVERIFY(!scene["note"].value(language, std::string()).empty());
            }
            for (const Json& step : scene["steps"]) {
                const QString target = QString::fromStdString(
                    step["form"].get<std::string>() + "." + step["control"].get<std::string>());
                if (step["action"] == "set") {
                    args << "--set" << target + "=" + QString::number(step["value"].get<int>());
                } else if (step.contains("rows")) {
                    args << "--click" << target + "=" + QString::number(step["rows"].get<int>());
                } else {
                    args << "--click" << target;
                }
            }
            if (k + 1 == scenes.size()) break;  // the whole lesson, below
            const Json at_scene =
                state(screen + QStringList{"--lesson", lesson, "--scene", QString::number(k + 1)});
            QVERIFY(at_scene.is_object() && !at_scene.empty());
            QVERIFY(at_scene == state(args));
        }
        const Json replayed = state(screen + QStringList{"--lesson", lesson});
        QVERIFY(replayed.is_object() && !replayed.empty());
        QVERIFY(replayed == state(args));
        QVERIFY(state(screen + QStringList{"--lesson", lesson, "--scene",
                                           QString::number(scenes.size())}) == replayed);
        // Further steps follow the lesson, wherever --lesson stands.
        const QStringList more{"--set", "arxiki.psipigi=30"};
        QVERIFY(state(screen + more + QStringList{"--lesson", lesson}) == state(args + more));
    }

    void sceneOutsideTheLessonWritesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        const QString primary = QStringLiteral(LESSONS_DIR "/primary-bow.json");
        QTest::newRow("no lesson") << QStringList{"--scene", "1"} << "needs a lesson";
        QTest::newRow("scene 0") << QStringList{"--lesson", primary, "--scene", "0"} << "from 1";
        QTest::newRow("not a number")
            << QStringList{"--lesson", primary, "--scene", "two"} << "'two'";
        QTest::newRow("beyond the last")
            << QStringList{"--lesson", primary, "--scene", "9"} << "has 5 scenes";
        QTest::newRow("twice") << QStringList{"--lesson", primary, "--scene", "1", "--scene", "2"}
                               << "once";
    }

    void sceneOutsideTheLessonWritesNothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        const Run run = render(args + QStringList{"--json", "-"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(named.toUtf8()), run.err.constData());
    }

    void malformedLessonWritesNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("named");
        const QByteArray head = R"({"version": 1, "screen": {"width": 1920, "height": 1080}, )";
        QTest::newRow("not JSON") << QByteArray("steps: none") << "not JSON";
        QTest::newRow("not UTF-8") << head + "\"steps\": [\"\xff\"]}"
                                   << "UTF-8";
        QTest::newRow("value out of range")
            << head + R"("steps": [{"action": "set", "form": "arxiki", "control": "arithanak",
                          "value": 3}]})"
            << "arithanak";
        QTest::newRow("a window not open")
            << head +
                   R"("steps": [{"action": "click", "form": "cut_rays", "control": "Command1"}]})"
            << "cut_rays";
        QTest::newRow("a number beyond a double")
            << QByteArray(R"({"version": 1e400, "screen": {}, "steps": []})") << "overflow";
        QTest::newRow("a screen beyond the limit of every picture")
            << QByteArray(R"({"version": 1, "screen": {"width": 20000, "height": 20000},
                              "steps": []})")
            << "10000";
        QTest::newRow("a newline in a form's name")
            << head + R"("steps": [{"action": "click", "form": "a\nb", "control": "c"}]})"
            << "'a\\nb'";
    }

    void malformedLessonWritesNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, named);
        QTemporaryDir lessons, outputs;
        QFile lesson(lessons.filePath("bad.json"));
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.write(text);
        lesson.close();
        const Run run =
            render({"--lesson", lesson.fileName(), "--json", outputs.filePath("state.json"),
                    "--png", "arxiki.Picture1=" + outputs.filePath("main.png")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(named.toUtf8()), run.err.constData());
        QCOMPARE(QDir(outputs.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
    }

    // Standard output that takes nothing (a full disk, a closed stream) is a failure.
    void aStandardOutputThatCannotBeWrittenFails_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("full") << R"("$R" --json - > /dev/full)";
        QTest::newRow("closed") << R"("$R" --json - >&-)";
    }

    void aStandardOutputThatCannotBeWrittenFails() {
        QFETCH(QString, script);
        QTemporaryDir dir;
        const Run run = render_from_shell(script, dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains("standard output"), run.err.constData());
    }

    void helpIsNotAnError() {
        const Run run = render({"--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith("usage: rainbow-render"));
        QVERIFY(run.out.contains("--lesson FILE"));
    }

    // The help names every window, every control (a scroll bar with its range) and every
    // picture that the state of a program with every window open holds.
    void helpNamesEveryWindowControlAndPicture() {
        const Run help = render({"--help"});
        // "  FORM  caption", then "    CONTROL  kind ...", then "    pictures:" and
        // "      PICTURE  role".
        QMap<QString, QMap<QString, QString>> listed;
        QString form;
        for (const QString& line : QString::fromUtf8(help.out).split(QLatin1Char('\n'))) {
            const QString name = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
            const qsizetype indent = line.size() - line.trimmed().size();
            if (name.isEmpty() || !line.startsWith(QLatin1Char(' ')) || name == "pictures:") {
                continue;
            }
            if (indent == 2 && !name.startsWith(QLatin1Char('-'))) {
                form = name;
                listed[form];
            } else if ((indent == 4 || indent == 6) && !form.isEmpty()) {
                listed[form][name] = line.trimmed().mid(name.size()).trimmed();
            }
        }
        const Run state = render({"--click", "arxiki.Command5", "--click", "arxiki.Command6",
                                  "--click", "arxiki.Command7", "--json", "-"});
        QCOMPARE(state.status, 0);
        const Json forms = parsed(state.out)["forms"];
        QCOMPARE(forms.size(), std::size_t(4));
        for (const auto& [form_name, form] : forms.items()) {
            const QString f = QString::fromStdString(form_name);
            QVERIFY2(listed.contains(f), qPrintable(f));
            const auto& names = listed[f];
            for (const auto& [control_name, control] : form["controls"].items()) {
                const QString c = QString::fromStdString(control_name);
                const QString where = f + "." + c;
                QVERIFY2(names.contains(c), qPrintable(where));
                if (control["kind"] == "scrollbar") {
                    const QString range = QStringLiteral("scrollbar %1 to %2")
                                              .arg(control["min"].get<int>())
                                              .arg(control["max"].get<int>());
                    QVERIFY2(names[c].startsWith(range), qPrintable(where + ": " + range));
                }
            }
            for (const auto& [picture, items] : form["pictures"].items()) {
                QVERIFY2(names.contains(QString::fromStdString(picture)),
                         qPrintable(f + "." + QString::fromStdString(picture)));
            }
        }
    }
};

QTEST_MAIN(RenderCommandTest)
#include "test_render_command.moc"
