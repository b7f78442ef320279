#include "CameraSettings.h"
#include "CardGenerator.h"
#include "FramePayload.h"
#include "RecordingWriter.h"
#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

#include <QBuffer>
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

Result cli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(TUMBO_CLI_PATH), args);
    Result r;
    if (!process.waitForFinished(240000))
        return r;
    r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString timeText(const _vexa_time_t &t)
{
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.year, t.month, t.day, t.hour, t.minute,
                             t.second, t.millisecond);
}

// Keys appear in the output in this order.
bool inOrder(const QByteArray &text, const QStringList &keys)
{
    qsizetype at = -1;
    for (const QString &key : keys) {
        const qsizetype next = text.indexOf("\"" + key.toUtf8() + "\":", at + 1);
        if (next < 0 || next < at)
            return false;
        at = next;
    }
    return true;
}

} // namespace

class TestTumboCli : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString card_;
    QJsonArray files_;

    QString path(const QString &relative) const { return card_ + u'/' + relative; }
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
        QVERIFY(QFileInfo(QStringLiteral(TUMBO_CLI_PATH)).isExecutable());
        card_ = dir_.path() + QStringLiteral("/card");
        const Result r = cli({"generate-card", card_, "--seed", "5", "--events", "2", "--normals", "3", "--seconds",
                              "4", "--fps", "5", "--resolution", "96x72", "--clock", "--awkward"});
        QCOMPARE(r.code, 0);
        QVERIFY(inOrder(r.out, {"folder", "seed", "files"}));
        files_ = r.json().value("files").toArray();
        QCOMPARE(files_.size(), 2 + 3 + 1 + 10);
        for (const QJsonValue &v : files_)
            QVERIFY(QFileInfo::exists(path(v.toObject().value("path").toString())));
    }

    void framesMatchTheReader()
    {
        const QString relative = generated("", "normal").value("path").toString();
        const Result r = cli({"frames", path(relative)});
        QCOMPARE(r.code, 0);
        QVERIFY(inOrder(r.out, {"path", "sequence", "frame_count", "index_event_type", "duration_seconds",
                                "triggers", "frames"}));
        QVERIFY(inOrder(r.out, {"index", "offset", "length", "time", "day_of_week", "record_phase", "gsensor_x",
                                "gsensor_y", "gsensor_z", "gps_valid", "latitude", "longitude", "speed",
                                "altitude", "course", "event_type", "aux_60", "aux_61", "aux_64"}));

        vexa_vdd_file file;
        QVERIFY(file.open(QFile::encodeName(path(relative)).constData(),
                          QFile::encodeName(path(relative).chopped(3) + "vdx").constData()));
        const QJsonObject o = r.json();
        QCOMPARE(o.value("sequence").toInteger(), file.sequence_number());
        QCOMPARE(o.value("frame_count").toInt(), 20);
        QCOMPARE(o.value("duration_seconds").toInt(), 4);
        const QJsonArray frames = o.value("frames").toArray();
        QCOMPARE(frames.size(), 20);
        for (int i = 0; i < frames.size(); ++i) {
            const QJsonObject f = frames[i].toObject();
            const _vexa_video_frame_header_t &h = file.header_at(uint64_t(i));
            QCOMPARE(f.value("index").toInt(), i);
            QCOMPARE(f.value("offset").toInteger(), qint64(h.offset));
            QCOMPARE(f.value("time").toString(), timeText(h.time));
            QCOMPARE(f.value("latitude").toDouble(), double(h.latitude));  // exact: doubles round-trip
            QCOMPARE(f.value("longitude").toDouble(), double(h.longitude));
            QCOMPARE(f.value("gsensor_y").toInt(), int(h.gsensor_y));
            QCOMPARE(f.value("record_phase").toInt(), 1);
        }
    }

    void triggersFollowTheRunRuleInAnyFolder()
    {
        // Frames 0-4 and 20-25 carry a trigger: only the run at 20 is listed.
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "JPEG"));
        RecordingWriter writer;
        for (int i = 0; i < 30; ++i) {
            FrameStamp stamp;
            stamp.utcSeconds = 1795248000 + i / 10;
            stamp.frameInSecond = i % 10;
            stamp.eventType = (i <= 4 || (i >= 20 && i <= 25)) ? 2 : 0;
            writer.addFrame(buffer.data(), FramePayload::build(stamp, DriveSample{}));
        }
        const QString vdd = dir_.path() + QStringLiteral("/0000000042_run.vdd");
        QVERIFY(writeAll(vdd, writer.data()));
        const Result r = cli({"frames", vdd});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.json().value("triggers").toArray(), QJsonArray({20}));
        QCOMPARE(r.json().value("sequence").toInt(), 42);
        QCOMPARE(r.json().value("index_event_type").toInt(), 2);

        // An event recording triggers from frame 0 on, so nothing is listed.
        const Result event = cli({"frames", path(generated("", "event").value("path").toString())});
        QCOMPARE(event.json().value("triggers").toArray(), QJsonArray());
        QCOMPARE(event.json().value("index_event_type").toInt(), 1);
    }

    void framesOfAMissingFileFail()
    {
        const Result r = cli({"frames", dir_.path() + "/missing.vdd"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("missing.vdd"));
    }

    void logMatchesTheReader()
    {
        const QString relative = generated("", "log").value("path").toString();
        const Result r = cli({"log", path(relative)});
        QCOMPARE(r.code, 0);
        QVERIFY(inOrder(r.out, {"path", "sequence", "count", "distance_m", "duration_seconds", "records"}));
        QVERIFY(inOrder(r.out, {"time", "day_of_week", "drl_code", "gsensor_x", "gsensor_y", "gsensor_z",
                                "gps_valid", "latitude", "longitude", "speed", "course", "satellites_used", "hdop",
                                "altitude", "satellites_in_view"}));
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(path(relative)).constData()));
        const QJsonObject o = r.json();
        QCOMPARE(o.value("count").toInt(), 12);
        QCOMPARE(o.value("distance_m").toDouble(), log.distance());
        const QJsonArray records = o.value("records").toArray();
        QCOMPARE(records.size(), 12);
        for (int i = 0; i < records.size(); ++i) {
            const QJsonObject j = records[i].toObject();
            const _vexa_log_info_t &rec = log.record_at(uint64_t(i));
            QCOMPARE(j.value("time").toString(), timeText(rec.time));
            QCOMPARE(j.value("speed").toDouble(), double(rec.speed));  // the stored float, widened
            QCOMPARE(j.value("hdop").toDouble(), double(rec.hdop));
            QCOMPARE(j.value("latitude").toDouble(), double(rec.latitude));
        }
    }

    void logRefusalsSayWhy()
    {
        const Result full = cli({"log", path(generated("full-log").value("path").toString())});
        QCOMPARE(full.code, 1);
        QVERIFY(full.err.contains("3610"));

        const QString plain = dir_.path() + "/0000000001_plain.log";
        QVERIFY(writeAll(plain, "$GPRMC,080000.000,A,4808.0000,N,01134.0000,E,10.0,90.0,211126,,,A*00\r\n"));
        const Result none = cli({"log", plain});
        QCOMPARE(none.code, 1);
        QVERIFY(none.err.contains("$REZEZ"));

        const Result missing = cli({"log", dir_.path() + "/nothing.log"});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.err.contains("unreadable"));
    }

    void cardListsWhatTheViewerLoads()
    {
        const Result r = cli({"card", card_});
        QCOMPARE(r.code, 0);
        QVERIFY(inOrder(r.out, {"valid", "event", "normal", "log", "skipped"}));
        QVERIFY(inOrder(r.out, {"file", "sequence", "frames", "start", "duration_seconds", "event_type"}));
        const QJsonObject o = r.json();
        QCOMPARE(o.value("valid").toBool(), true);

        const QJsonArray events = o.value("event").toArray();
        QCOMPARE(events.size(), 3);
        QCOMPARE(events[0].toObject().value("event_type").toInt(), 1);
        QVERIFY(events[0].toObject().value("file").toString() < events[1].toObject().value("file").toString());
        QVERIFY(events[2].toObject().value("file").toString().startsWith(u"archive/"));

        const QJsonArray normals = o.value("normal").toArray();
        QCOMPARE(normals.size(), 9);
        QStringList names;
        for (const QJsonValue &v : normals) {
            const QJsonObject n = v.toObject();
            names << n.value("file").toString();
            const QJsonObject made = [&] {
                for (const QJsonValue &f : files_) {
                    if (f.toObject().value("path").toString() == QStringLiteral("CH1/normal/") + n.value("file").toString())
                        return f.toObject();
                }
                return QJsonObject();
            }();
            QCOMPARE(n.value("frames").toInt(), made.value("count").toInt());
            QCOMPARE(n.value("start").toString(), made.value("start").toString());
        }
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);

        const QJsonArray logs = o.value("log").toArray();
        QCOMPARE(logs.size(), 3);  // regular, LF-only and the one with a time gap
        QCOMPARE(logs[0].toObject().value("records").toInt(), 12);
        const QJsonArray skipped = o.value("skipped").toArray();
        QCOMPARE(skipped.size(), 1);
        QCOMPARE(skipped[0].toObject().value("file").toString(), generated("full-log").value("path").toString());
        QVERIFY(skipped[0].toObject().value("reason").toString().contains(u"3610"));
    }

    void cardShowsEmptyRecordingsAndSurvivesLinkLoops()
    {
        QTemporaryDir dir;
        CardGenerator::Options options;
        options.eventCount = 1;
        options.normalCount = 1;
        options.recordingSeconds = 1;
        options.resolution = QSize(32, 32);
        options.reusePictures = true;
        QVERIFY(CardGenerator(options).generate(dir.path()));
        QVERIFY(writeAll(dir.path() + "/CH1/normal/0000000099_empty.vdd", QByteArray()));
        QVERIFY(QFile::link(dir.path() + "/CH1/event", dir.path() + "/CH1/event/loop"));
        const Result r = cli({"card", dir.path()});
        QCOMPARE(r.code, 0);
        const QJsonObject o = r.json();
        QCOMPARE(o.value("event").toArray().size(), 1);
        const QJsonArray normals = o.value("normal").toArray();
        QCOMPARE(normals.size(), 2);
        QCOMPARE(normals[1].toObject().value("frames").toInt(), 0);
        QVERIFY(normals[1].toObject().value("start").isNull());
    }

    void cardOfAnotherFolder()
    {
        QTemporaryDir empty;
        const Result r = cli({"card", empty.path()});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.json().value("valid").toBool(), false);
        QCOMPARE(r.json().value("event").toArray().size(), 0);
        QCOMPARE(cli({"card", empty.path() + "/nowhere"}).code, 1);
    }

    void configReadsAndWritesTheSettings()
    {
        const Result before = cli({"config", card_});
        QCOMPARE(before.code, 0);
        QStringList order;
        for (const std::string &key : CameraSettings::keys())
            order << QString::fromStdString(key);
        QVERIFY(inOrder(before.out, order + QStringList{"PIN", "clock", "version"}));
        QJsonObject o = before.json();
        QCOMPARE(o.value("POSTFIELD1").toInt(), 4);
        QCOMPARE(o.value("BEEPERROR").toInt(), 5);
        QCOMPARE(o.value("VEHICLEID").toString(), QString());
        QCOMPARE(o.value("PIN").toInt(), 0);
        QCOMPARE(o.value("clock").toInteger(), qint64(1795248000));
        QVERIFY(o.value("version").toString().contains(u'_'));

        const Result set = cli({"config", card_, "--set", "PIN=1234", "--set", "POSTRECINT1=5", "--set",
                                "VEHICLEID=M-AB 1234"});
        QCOMPARE(set.code, 0);
        o = cli({"config", card_}).json();
        QCOMPARE(o.value("PIN").toInt(), 1234);
        QCOMPARE(o.value("PASSWORD").toInt(), 3 * 1234 + 4737);
        QCOMPARE(o.value("POSTRECINT1").toInt(), 5);
        QCOMPARE(o.value("PRERECINT1").toInt(), 5);
        QCOMPARE(o.value("VEHICLEID").toString(), QStringLiteral("M-AB 1234"));
        QCOMPARE(set.json(), o);  // the command prints what it wrote
        const QByteArray text = readAll(card_ + "/config/set.dat");
        QVERIFY(text.startsWith("[SET]\r\nPOSTFIELD1=4\r\nPOSTRECINT1=5\r\nPRERECINT1=5\r\n"));
        QVERIFY(text.contains("\r\nPASSWORD=8439\r\n"));
        QVERIFY(!QFileInfo::exists(card_ + "/config/set.dat.bak"));

        QCOMPARE(cli({"config", card_, "--set", "PIN=0"}).json().value("PASSWORD").toInt(), 0);
    }

    void configRefusesBadChanges()
    {
        const QByteArray original = readAll(card_ + "/config/set.dat");
        for (const QStringList &args : {QStringList{"--set", "RECMOD"}, QStringList{"--set", "NOSUCHKEY=1"},
                                        QStringList{"--set", "PIN=12"}, QStringList{"--set", "RECMOD=two"},
                                        QStringList{"--set", "PRERECINT1=5"}, QStringList{"--set"},
                                        QStringList{"--frob"}}) {
            const Result r = cli(QStringList{"config", card_} + args);
            QVERIFY2(r.code == 2, qPrintable(args.join(u' ')));
            QVERIFY(r.err.contains("usage"));
        }
        QCOMPARE(readAll(card_ + "/config/set.dat"), original);

        QCOMPARE(cli({"config", dir_.path() + "/nowhere"}).code, 1);
        QTemporaryDir bare;  // no config folder: reading gives defaults, writing fails
        QCOMPARE(cli({"config", bare.path()}).json().value("POSTSIZE1").toInt(), 64);
        const Result write = cli({"config", bare.path(), "--set", "RECMOD=1"});
        QCOMPARE(write.code, 1);
        QVERIFY(write.out.isEmpty());
    }

    void wrongUsageExitsWithTwo()
    {
        const QList<QStringList> wrong = {
            {},
            {"bogus"},
            {"frames"},
            {"frames", "a.vdd", "b.vdd"},
            {"log"},
            {"card"},
            {"generate-card"},
            {"generate-card", dir_.path() + "/x", "--fps", "0"},
            {"generate-card", dir_.path() + "/x", "--sidecar", "sideways"},
            {"generate-card", dir_.path() + "/x", "--awkward=padding,nonsense"},
            {"generate-card", dir_.path() + "/x", "--resolution", "big"},
            {"generate-card", dir_.path() + "/x", "--seed"},
        };
        for (const QStringList &args : wrong) {
            const Result r = cli(args);
            QVERIFY2(r.code == 2, qPrintable(args.join(u' ')));
            QVERIFY(r.err.contains("usage: tumbo-cli"));
            QVERIFY(r.out.isEmpty());
        }
        QVERIFY(!QFileInfo::exists(dir_.path() + "/x"));
        const Result used = cli({"generate-card", card_});
        QCOMPARE(used.code, 1);
        QVERIFY(used.err.contains("not empty"));
    }
};

QTEST_GUILESS_MAIN(TestTumboCli)
#include "test_tumbo_cli.moc"
