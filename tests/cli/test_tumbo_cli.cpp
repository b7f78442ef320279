#include "CameraSettings.h"
#include "TestCard.h"
#include "FramePayload.h"
#include "RecordingWriter.h"
#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Result {
    int code = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

Result cli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TUMBO_CLI_PATH), args);
    Result r;
    if (!process.waitForFinished(240000))
        return r;
    r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

using TestCard::readFile;
using TestCard::writeFile;

QString timeText(const _vexa_time_t &t)
{
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.year, t.month, t.day, t.hour, t.minute,
                             t.second, t.millisecond);
}

// A recording of the given pictures, one a tenth of a second, without a GPS fix.
bool writePictures(const QString &vdd, const QList<QImage> &pictures)
{
    std::vector<TestCard::Frame> frames = TestCard::frames(int(pictures.size()), TestCard::utc(2026, 11, 21, 8, 0, 0));
    for (qsizetype i = 0; i < pictures.size(); ++i)
        frames[size_t(i)].picture = pictures[i];
    return TestCard::writeRecording(vdd, frames);
}

} // namespace

struct Row { QStringList args; int code{}; QString why; };

class TestTumboCli : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString card_;
    QJsonArray files_;
    QString good_;  // a recording of two grey frames
    QString keep_;  // a file no failing command may touch
    QByteArray huge_ = "[SET]\r\nPASSWORD=7737\r\n" + QByteArray(70000, 'x');  // settings too big to read

    QString path(const QString &relative) const { return card_ + u'/' + relative; }
    // CARD, DIR, GOOD, KEEP and FULL stand for the generated card, the scratch folder, a good
    // recording, a file that must stay untouched and the card's log of too many records.
    QStringList expanded(QStringList args) const
    {
        for (QString &arg : args) {
            arg.replace("CARD", card_).replace("DIR", dir_.path()).replace("GOOD", good_).replace("KEEP", keep_);
            arg.replace("FULL", generated("full-log").value("path").toString());
        }
        return args;
    }
    QJsonObject generated(const QString &awkward, const QString &list = QString()) const
    {
        for (const QJsonValue &v : files_) {
            const QJsonObject f = v.toObject();
            if (f.value("awkward").toString() == awkward && (list.isEmpty() || f.value("list").toString() == list))
                return f;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("TZ", "Europe/Berlin");  // the list rows show local time
        QVERIFY(QFileInfo(QStringLiteral(TUMBO_CLI_PATH)).isExecutable());
        card_ = dir_.path() + QStringLiteral("/card");
        const Result r = cli({"generate-card", card_, "--seed", "5", "--events", "2", "--normals", "3", "--seconds",
                              "4", "--fps", "5", "--resolution", "96x72", "--clock", "--awkward"});
        QCOMPARE(r.code, 0);
        files_ = r.json().value("files").toArray();
        QCOMPARE(files_.size(), 2 + 3 + 1 + 10);
        for (const QJsonValue &v : files_)
            QVERIFY(QFileInfo::exists(path(v.toObject().value("path").toString())));
        good_ = dir_.path() + "/0000000053_good.vdd";
        QVERIFY(writePictures(good_, {TestCard::solid(QSize(32, 32), Qt::gray), TestCard::solid(QSize(32, 32), Qt::gray)}));
        keep_ = dir_.path() + "/keep.png";
        QVERIFY(QDir().mkpath(dir_.path() + "/bare") && QDir().mkpath(dir_.path() + "/huge/config"));
        QVERIFY(writeFile(dir_.path() + "/huge/config/set.dat", huge_));
        // A log without private sentences, a frame without image data and a file of garbage.
        QVERIFY(writeFile(dir_.path() + "/0000000001_plain.log",
                          "$GPRMC,080000.000,A,4808.0000,N,01134.0000,E,10.0,90.0,211126,,,A*00\r\n"));
        RecordingWriter writer;
        writer.addFrame(QByteArray("\xFF\xD8\xFF\xD9", 4), FramePayload::build(FrameStamp{1795248000}, DriveSample{}));
        QVERIFY(writeFile(dir_.path() + "/0000000054_broken.vdd", writer.data()));
        QVERIFY(writeFile(dir_.path() + "/0000000055_garbage.vdd", QByteArray(4096, '\x5A')));
    }

    // The frames and the log records as the readers give them (first and last of each).
    void framesAndLogMatchTheReaders()
    {
        const QString vdd = path(generated("", "normal").value("path").toString());
        const Result r = cli({"frames", vdd});
        QCOMPARE(r.code, 0);
        vexa_vdd_file file;
        QVERIFY(file.open(QFile::encodeName(vdd).constData(), QFile::encodeName(vdd.chopped(3) + "vdx").constData()));
        QCOMPARE(r.json().value("sequence").toInteger(), file.sequence_number());
        QCOMPARE(r.json().value("duration_seconds").toInt(), 4);
        const QJsonArray frames = r.json().value("frames").toArray();
        QCOMPARE(frames.size(), 20);
        for (int i : {0, 19}) {
            const _vexa_video_frame_header_t &h = file.header_at(uint64_t(i));
            QCOMPARE(frames[i]["offset"].toInteger(), qint64(h.offset));
            QCOMPARE(frames[i]["time"].toString(), timeText(h.time));
            QCOMPARE(frames[i]["latitude"].toDouble(), double(h.latitude));  // exact: doubles round-trip
            QCOMPARE(frames[i]["gsensor_y"].toInt(), int(h.gsensor_y));
        }

        const QString relative = generated("", "log").value("path").toString();
        const QJsonObject o = cli({"log", path(relative)}).json();
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(path(relative)).constData()));
        QCOMPARE(o.value("distance_m").toDouble(), log.distance());
        const QJsonArray records = o.value("records").toArray();
        QCOMPARE(records.size(), 12);
        for (int i : {0, 11}) {
            const _vexa_log_info_t &rec = log.record_at(uint64_t(i));
            QCOMPARE(records[i]["time"].toString(), timeText(rec.time));
            QCOMPARE(records[i]["speed"].toDouble(), double(rec.speed));  // the stored float, widened
            QCOMPARE(records[i]["latitude"].toDouble(), double(rec.latitude));
        }
    }

    // The run rule is the recording model's; here its triggers reach the output, for a
    // recording in any folder.
    void triggersFollowTheRunRuleInAnyFolder()
    {
        // Frames 0-4 and 20-25 carry a trigger: only the run at 20 is listed.
        std::vector<TestCard::Frame> frames = TestCard::frames(30, TestCard::utc(2026, 11, 21, 8, 0, 0));
        for (int i = 0; i < 30; ++i)
            frames[size_t(i)].eventType = (i <= 4 || (i >= 20 && i <= 25)) ? 2 : 0;
        const QString vdd = dir_.path() + QStringLiteral("/0000000042_run.vdd");
        QVERIFY(TestCard::writeRecording(vdd, frames, TestCard::solid(QSize(16, 16), Qt::gray), SidecarForm::None));
        const Result r = cli({"frames", vdd});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.json().value("triggers").toArray(), QJsonArray({20}));
        QCOMPARE(r.json().value("index_event_type").toInt(), 2);
    }

    void cardListsWhatTheViewerLoads()
    {
        const Result r = cli({"card", card_});
        QCOMPARE(r.code, 0);
        const QJsonObject o = r.json();
        QCOMPARE(o.value("valid").toBool(), true);
        const QJsonArray events = o.value("event").toArray();
        QCOMPARE(events.size(), 3);
        QCOMPARE(events[0].toObject().value("event_type").toInt(), 1);
        QVERIFY(events[2].toObject().value("file").toString().startsWith(u"archive/"));
        // Listed in name order, each with the frames and start it was made with.
        const QJsonArray normals = o.value("normal").toArray();
        QCOMPARE(normals.size(), 9);
        QHash<QString, QJsonObject> made;
        for (const QJsonValue &f : files_)
            made.insert(f["path"].toString(), f.toObject());
        QStringList names;
        for (const QJsonValue &n : normals) {
            names << n["file"].toString();
            const QJsonObject f = made.value("CH1/normal/" + names.last());
            QCOMPARE(QPair(n["frames"].toInt(), n["start"].toString()), QPair(f["count"].toInt(), f["start"].toString()));
        }
        QVERIFY(std::is_sorted(names.begin(), names.end()));

        const QJsonArray logs = o.value("log").toArray();
        QCOMPARE(logs.size(), 3);  // regular, LF-only and the one with a time gap
        QCOMPARE(logs[0].toObject().value("records").toInt(), 12);
        const QJsonArray skipped = o.value("skipped").toArray();
        QCOMPARE(skipped.size(), 1);
        QCOMPARE(skipped[0].toObject().value("file").toString(), generated("full-log").value("path").toString());
        QVERIFY(skipped[0].toObject().value("reason").toString().contains(u"3610"));
    }

    // Which files count is the folder scanner's (tested with the folder model); here an
    // empty recording is listed without frames or start, and a folder that is no card is empty.
    void cardShowsEmptyRecordingsAndFolders()
    {
        QTemporaryDir dir;
        QVERIFY(TestCard::generate(dir.path(), 1, 1, 0));
        QVERIFY(writeFile(dir.path() + "/CH1/normal/0000000099_empty.vdd", QByteArray()));
        const Result r = cli({"card", dir.path()});
        QCOMPARE(r.code, 0);
        const QJsonArray normals = r.json().value("normal").toArray();
        QCOMPARE(normals.size(), 2);
        QCOMPARE(normals[1]["frames"].toInt(), 0);
        QVERIFY(normals[1]["start"].isNull());

        const QJsonObject none = cli({"card", dir_.path() + "/bare"}).json();
        QCOMPARE(none.value("valid").toBool(), false);
        QVERIFY(none.value("event").toArray().isEmpty() && none.value("rows")["event"].toArray().isEmpty());
    }

    void configReadsAndWritesTheSettings()
    {
        const Result before = cli({"config", card_});
        QCOMPARE(before.code, 0);
        QList<qsizetype> at;  // the camera's keys in its order, then ours
        for (const std::string &key : CameraSettings::keys())
            at << before.out.indexOf("\"" + QByteArray::fromStdString(key) + "\":");
        for (const char *key : {"\"PIN\":", "\"clock\":", "\"version\":"})
            at << before.out.indexOf(key);
        QVERIFY(!at.contains(-1) && std::is_sorted(at.begin(), at.end()));
        QJsonObject o = before.json();
        QCOMPARE(o.value("BEEPERROR").toInt(), 5);
        QCOMPARE(o.value("clock").toInteger(), qint64(1795248000));

        const Result set = cli({"config", card_, "--set", "PIN=1234", "--set", "POSTRECINT1=5", "--set",
                                "VEHICLEID=M-AB 1234"});
        QCOMPARE(set.code, 0);
        o = cli({"config", card_}).json();
        QCOMPARE(o.value("PRERECINT1").toInt(), 5);  // follows the after-event rate
        QCOMPARE(set.json(), o);  // the command prints what it wrote
        const QByteArray text = readFile(card_ + "/config/set.dat");
        QVERIFY(text.startsWith("[SET]\r\nPOSTFIELD1=4\r\nPOSTRECINT1=5\r\nPRERECINT1=5\r\n"));
        QVERIFY(text.contains("\r\nPASSWORD=8439\r\n"));
        QVERIFY(!QFileInfo::exists(card_ + "/config/set.dat.bak"));

        QCOMPARE(cli({"config", card_, "--set", "PIN=0"}).json().value("PASSWORD").toInt(), 0);
        // Without a config folder reading gives the defaults (writing fails, see below).
        QCOMPARE(cli({"config", dir_.path() + "/bare"}).json().value("POSTSIZE1").toInt(), 64);
    }

    // Flips and captions are the recording model's; here the options reach it.
    void renderWritesTheChosenFrame()
    {
        const QSize size(64, 48);
        const QString vdd = dir_.path() + "/0000000051_render.vdd";
        QVERIFY(writePictures(vdd, {TestCard::quarters(size), TestCard::solid(size, QColor(200, 40, 160))}));
        const QString png = dir_.path() + "/flip.png";
        Result r = cli({"render", vdd, "0", png, "--flip", "1"});
        QCOMPARE(r.json().value("width").toInt(), size.width());
        QVERIFY(TestCard::near(QImage(png).pixelColor(0, 0), Qt::blue, 24));
        const QImage plain(png);
        QCOMPARE(cli({"render", vdd, "0", png, "--flip", "1", "--date"}).code, 0);
        QVERIFY(QImage(png) != plain);

        // -1 stands for the last frame; JPEG output is a JPEG of the frame's size.
        const QString jpeg = dir_.path() + "/last.jpg";
        QCOMPARE(cli({"render", vdd, "-1", jpeg}).json().value("frame").toInt(), 1);
        const QImage image(jpeg, "jpeg");
        QCOMPARE(image.size(), size);
        QVERIFY(TestCard::near(image.pixelColor(32, 24), QColor(200, 40, 160), 24));
    }

    // Date and duration texts are the folder model's; here the rows line up with the lists,
    // take the date format and stay English whatever language the environment asks for.
    void cardRowsShowTheListTexts()
    {
        QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
        german.insert("LANG", "de_DE.UTF-8");
        german.insert("LANGUAGE", "de");
        german.insert("LC_ALL", "de_DE.UTF-8");
        const QJsonObject o = cli({"card", card_, "--date-format", "1"}, german).json();
        QCOMPARE(o.value("rows").toObject().keys(), QStringList({"event", "log", "normal"}));
        for (const QString type : {"event", "normal", "log"}) {
            const QJsonArray listed = o.value(type).toArray();
            const QJsonArray rows = o.value("rows")[type].toArray();
            QCOMPARE(rows.size(), listed.size());
            for (int i = 0; i < rows.size(); ++i) {
                QCOMPARE(rows[i]["idx"].toInt(), i);
                QCOMPARE(rows[i]["seq"].toString(), QString::number(listed[i]["sequence"].toInteger()));
            }
        }
        QCOMPARE(o.value("rows")["event"][0]["col3"].toString(), QStringLiteral("G-sensor"));
        QCOMPARE(o.value("rows")["normal"][0]["col2"].toString(), QStringLiteral("11.21.2026 09:00:00"));
    }

    // Help and version need no display, no card and no session; a command's help lists its
    // options.
    void helpExitsWithZero_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("shows");
        QTest::newRow("--help") << QStringList{"--help"} << "export-kml OUT.kml LOG...";
        QTest::newRow("--version") << QStringList{"--version"} << "tumbo-cli 1.";
        QTest::newRow("help render") << QStringList{"help", "render"} << "--flip 0-3";
        QTest::newRow("render --help") << QStringList{"render", "--help"} << "--date-format 0-2";
        QTest::newRow("help all") << QStringList{"help", "all"} << "--awkward[=LIST]";
    }
    void helpExitsWithZero()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, shows);
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            bare.remove(name);
        const Result r = cli(args, bare);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(shows.toUtf8()), r.out.constData());
        QVERIFY2(r.err.isEmpty(), r.err.constData());  // not even Qt's runtime-folder warning
    }

    // --compact puts the same document on one line.
    void compactIsOneLine()
    {
        const Result indented = cli({"card", card_});
        const Result compact = cli({"card", card_, "--compact"});
        QCOMPARE(compact.code, 0);
        QCOMPARE(compact.out.count('\n'), 1);
        QVERIFY(indented.out.count('\n') > 1);
        QCOMPARE(compact.json(), indented.json());
    }

    // One drive is one trip with its files all listed (the figures are the trip model's).
    void tripsOfOneDrive()
    {
        const QString card = dir_.path() + QStringLiteral("/drive");
        QCOMPARE(cli({"generate-card", card, "--seed", "3", "--events", "1", "--normals", "3", "--seconds", "4",
                      "--fps", "5", "--resolution", "96x72"}).code, 0);
        const Result r = cli({"trips", card, "--units", "1"});
        QCOMPARE(r.code, 0);
        const QJsonArray trips = r.json().value("trips").toArray();
        QCOMPARE(trips.size(), 1);
        const QJsonObject trip = trips[0].toObject();
        QCOMPARE(trip.value("logs").toArray().size(), 1);
        QCOMPARE(trip.value("recordings").toArray().size(), 4);
        QVERIFY(trip.value("distance_m").toDouble() > 0);
        QVERIFY(trip.value("start").toString().endsWith("+01:00"));
        QCOMPARE(trip.value("speed_unit").toString(), QStringLiteral("mph"));
        for (const char *key : {"start_position", "end_position", "duration_s", "moving_s", "average_speed", "top_speed", "events"})
            QVERIFY2(trip.contains(key), key);
    }

    // A command that cannot do its work exits with 1 and says why; wrong usage exits with 2
    // and the usage. Either way nothing is printed on stdout and no file changes.
    void failuresChangeNothing_data()
    {
        QTest::addColumn<Row>("row");
        const QList<QPair<QStringList, QString>> failures = {
            {{"frames", "DIR/missing.vdd"}, "missing.vdd"},
            {{"log", "CARD/FULL"}, "3610"},
            {{"log", "DIR/0000000001_plain.log"}, "$REZEZ"},
            {{"log", "DIR/nothing.log"}, "unreadable"},
            {{"card", "DIR/nowhere"}, "not a folder"},
            {{"config", "DIR/nowhere"}, "not a folder"},
            {{"config", "CARD", "--set", "VEHICLEID=A=B"}, "VEHICLEID"},
            {{"config", "DIR/bare", "--set", "RECMOD=1"}, "set.dat"},
            // Settings that cannot be read are not replaced by defaults plus the change.
            {{"config", "DIR/huge", "--set", "RECMOD=1"}, "64 KB"},
            {{"render", "GOOD", "2", "KEEP"}, "tumbo-cli:"},
            {{"render", "DIR/0000000055_garbage.vdd", "0", "KEEP"}, "tumbo-cli:"},
            {{"render", "DIR/0000000054_broken.vdd", "0", "KEEP", "--date"}, "tumbo-cli:"},
            {{"render", "GOOD", "0", "DIR/no/such/folder/out.png"}, "tumbo-cli:"},
            {{"generate-card", "CARD"}, "not empty"},
        };
        for (const auto &[args, why] : failures)
            QTest::newRow(qPrintable(args.join(u' '))) << Row{args, 1, why};
        // Wrong usage, one of each rule: command, arguments, an option's command, value and
        // range, the settings' keys and values, the picture format, the generator's lists.
        const QList<QStringList> usage = {
            {}, {"bogus"}, {"frames", "a.vdd", "b.vdd"}, {"card", "CARD", "--flip", "1"},
            {"card", "CARD", "--date-format", "3"}, {"card", "CARD", "--units"},
            {"config", "CARD", "--set", "RECMOD"}, {"config", "CARD", "--set", "NOSUCHKEY=1"},
            {"config", "CARD", "--set", "PIN=12"}, {"config", "CARD", "--set", "PRERECINT1=5"},
            {"render", "GOOD", "first", "KEEP"}, {"render", "GOOD", "0", "DIR/out.bmp"},
            {"generate-card", "DIR/x", "--awkward=padding,nonsense"},
            {"trips", "CARD", "--gap", "x"},
        };
        for (const QStringList &args : usage)
            QTest::newRow(qPrintable("usage: " + args.join(u' '))) << Row{args, 2, "usage: tumbo-cli"};
    }

    void failuresChangeNothing()
    {
        QFETCH(Row, row);
        QVERIFY(writeFile(keep_, "untouched"));
        const QByteArray settings = readFile(card_ + "/config/set.dat");
        const Result r = cli(expanded(row.args));
        QCOMPARE(r.code, row.code);
        QVERIFY2(r.err.contains(row.code == 1 ? "tumbo-cli: " : "usage: ") && r.err.contains(row.why.toUtf8()),
                 r.err.constData());
        QVERIFY(r.out.isEmpty());
        QCOMPARE(readFile(keep_), QByteArray("untouched"));
        QCOMPARE(readFile(card_ + "/config/set.dat"), settings);
        QCOMPARE(readFile(dir_.path() + "/huge/config/set.dat"), huge_);
        QVERIFY(!QFileInfo::exists(dir_.path() + "/x") && !QFileInfo::exists(dir_.path() + "/out.bmp"));
    }
};

QTEST_GUILESS_MAIN(TestTumboCli)
#include "test_tumbo_cli.moc"
