#include "CameraSettings.h"
#include "CardGenerator.h"
#include "FramePayload.h"
#include "RecordingWriter.h"
#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
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

QByteArray jpegOf(const QImage &image)
{
    return RecordingWriter::encodeJpeg(image, 95);
}

// A recording of the given JPEG pictures, one a tenth of a second, without a GPS fix;
// writes base.vdd and base.vdx.
bool writeRecording(const QString &base, const QList<QByteArray> &jpegs)
{
    RecordingWriter writer;
    for (int i = 0; i < jpegs.size(); ++i) {
        FrameStamp stamp;
        stamp.utcSeconds = 1795248000 + i / 10;
        stamp.frameInSecond = i % 10;
        writer.addFrame(jpegs[i], FramePayload::build(stamp, DriveSample{}));
    }
    return writeAll(base + ".vdd", writer.data())
        && writeAll(base + ".vdx", RecordingWriter::sidecar(writer.headers(), SidecarForm::New));
}

// Red top left, green top right, blue bottom left, white bottom right.
QImage quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::white);
    return image;
}

QImage solid(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool near(QRgb a, QColor b)
{
    return std::abs(qRed(a) - b.red()) <= 24 && std::abs(qGreen(a) - b.green()) <= 24
        && std::abs(qBlue(a) - b.blue()) <= 24;
}

bool isYellow(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 90;
}

// Bounds of the yellow pixels in rows top .. bottom - 1 (the whole picture by default).
QRect yellowBounds(const QImage &image, int top = 0, int bottom = -1)
{
    if (bottom < 0)
        bottom = image.height();
    QRect bounds;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isYellow(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Rows of the caption line at height y above the bottom edge of a picture h high.
QRect lineRows(int y, int w, int h)
{
    return QRect(5, h - y - 15, w - 10, 15);
}

QString localText(const QString &utcIso, const char *format)
{
    QDateTime t = QDateTime::fromString(utcIso, Qt::ISODateWithMs);
    return t.toTimeZone(QTimeZone("Europe/Berlin")).toString(QLatin1String(format));
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
        qputenv("TZ", "Europe/Berlin");  // the list rows show local time
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
        // Found as the viewer finds them: any letter case, never through a link to a file.
        const QString event = dir.path() + "/CH1/event/" + QDir(dir.path() + "/CH1/event").entryList({"*.vdd"})[0];
        QVERIFY(QFile::copy(event, dir.path() + "/CH1/event/0000000098.VDD"));
        QTemporaryDir outside;
        QVERIFY(QFile::copy(event, outside.path() + "/elsewhere.vdd"));
        QVERIFY(QFile::link(outside.path() + "/elsewhere.vdd", dir.path() + "/CH1/event/0000000097.vdd"));
        const Result r = cli({"card", dir.path()});
        QCOMPARE(r.code, 0);
        const QJsonObject o = r.json();
        const QJsonArray events = o.value("event").toArray();
        QCOMPARE(events.size(), 2);
        QCOMPARE(events[1].toObject().value("file").toString(), "0000000098.VDD");
        QCOMPARE(o.value("rows")["event"].toArray().size(), 2);
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
        const Result vehicle = cli({"config", card_, "--set", "VEHICLEID=A=B"});
        QCOMPARE(vehicle.code, 1);
        QVERIFY(vehicle.err.contains("VEHICLEID"));
        QCOMPARE(readAll(card_ + "/config/set.dat"), original);

        QCOMPARE(cli({"config", dir_.path() + "/nowhere"}).code, 1);
        QTemporaryDir bare;  // no config folder: reading gives defaults, writing fails
        QCOMPARE(cli({"config", bare.path()}).json().value("POSTSIZE1").toInt(), 64);
        const Result write = cli({"config", bare.path(), "--set", "RECMOD=1"});
        QCOMPARE(write.code, 1);
        QVERIFY(write.out.isEmpty());
        // Settings that cannot be read are not replaced by defaults plus the change.
        const QByteArray huge = "[SET]\r\nPASSWORD=7737\r\n" + QByteArray(70000, 'x');
        QVERIFY(QDir().mkpath(bare.path() + "/config") && writeAll(bare.path() + "/config/set.dat", huge));
        QCOMPARE(cli({"config", bare.path(), "--set", "RECMOD=1"}).code, 1);
        QCOMPARE(readAll(bare.path() + "/config/set.dat"), huge);
    }

    void renderFlipsTheFrameOnly()
    {
        const QSize size(64, 48);
        const QByteArray corners = jpegOf(quarters(size));
        const QColor last(200, 40, 160);
        const QString base = dir_.path() + "/0000000051_render";
        QVERIFY(writeRecording(base, {corners, jpegOf(solid(size, Qt::gray)), jpegOf(solid(size, last))}));
        const QImage decoded = QImage::fromData(corners, "JPEG").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!decoded.isNull());

        // Corner colours after each flip: top left, top right, bottom left, bottom right.
        const QList<QList<QColor>> expected = {
            {Qt::red, Qt::green, Qt::blue, Qt::white},
            {Qt::blue, Qt::white, Qt::red, Qt::green},
            {Qt::green, Qt::red, Qt::white, Qt::blue},
            {Qt::white, Qt::blue, Qt::green, Qt::red},
        };
        for (int flip = 0; flip < 4; ++flip) {
            const QString out = dir_.path() + QStringLiteral("/flip%1.png").arg(flip);
            const Result r = cli({"render", base + ".vdd", "0", out, "--flip", QString::number(flip)});
            QCOMPARE(r.code, 0);
            QCOMPARE(r.json().value("frame").toInt(), 0);
            QCOMPARE(r.json().value("width").toInt(), size.width());
            QCOMPARE(r.json().value("height").toInt(), size.height());
            const QImage image(out);
            QCOMPARE(image.size(), size);
            const int right = size.width() - 1;
            const int bottom = size.height() - 1;
            QVERIFY2(near(image.pixel(0, 0), expected[flip][0]), qPrintable(QString::number(flip)));
            QVERIFY(near(image.pixel(right, 0), expected[flip][1]));
            QVERIFY(near(image.pixel(0, bottom), expected[flip][2]));
            QVERIFY(near(image.pixel(right, bottom), expected[flip][3]));
            // Without captions the picture is the decoded frame, pixel for pixel.
            const QImage want = decoded.mirrored(flip == 2 || flip == 3, flip == 1 || flip == 3);
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32), want);
        }

        // -1 stands for the last frame; JPEG output is a JPEG of the frame's size.
        const QString jpeg = dir_.path() + "/last.jpg";
        const Result r = cli({"render", base + ".vdd", "-1", jpeg});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.json().value("frame").toInt(), 2);
        QImageReader reader(jpeg);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), size);
        QVERIFY(near(image.pixel(size.width() / 2, size.height() / 2), last));
    }

    void renderPutsCaptionsOnTheirLines()
    {
        // A uniform frame without a GPS fix: yellow can only come from the captions.
        const QSize size(400, 300);
        const int w = size.width();
        const int h = size.height();
        const QString vdd = dir_.path() + "/0000000052_captions.vdd";
        QVERIFY(writeRecording(vdd.chopped(4), {jpegOf(solid(size, QColor(40, 60, 110)))}));
        const auto render = [&](const QStringList &flags) {
            const QString out = dir_.path() + "/captions.png";
            QFile::remove(out);
            const Result r = cli(QStringList{"render", vdd, "0", out} + flags);
            return r.code == 0 ? QImage(out).convertToFormat(QImage::Format_RGB32) : QImage();
        };
        QVERIFY(yellowBounds(render({})).isNull());

        struct Case {
            QStringList flags;
            int firstLine;  // heights of the lowest and highest line above the bottom edge
            int lastLine;
            bool rightAligned;
        };
        const QList<Case> cases = {
            {{"--date"}, 5, 5, false},
            {{"--sensor"}, 20, 50, false},
            {{"--date", "--sensor"}, 5, 50, false},
            {{"--latlng"}, 5, 5, true},  // the no-fix text
        };
        for (const Case &c : cases) {
            const QString name = c.flags.join(u' ');
            const QImage image = render(c.flags);
            QVERIFY2(!image.isNull(), qPrintable(name));
            const int top = lineRows(c.lastLine, w, h).top() - 2;
            const int bottom = lineRows(c.firstLine, w, h).bottom() + 3;
            const QRect all = yellowBounds(image);
            QVERIFY2(!all.isNull(), qPrintable(name));
            QVERIFY2(all.top() >= top && all.bottom() < bottom, qPrintable(name));
            if (c.rightAligned) {
                QVERIFY2(all.right() >= w - 9 && all.right() <= w - 4, qPrintable(name));
                QVERIFY(all.left() > w / 2);
            } else {
                QVERIFY2(all.left() >= 4 && all.left() <= 9, qPrintable(name));
                QVERIFY(all.right() < w / 2);
            }
            // Every line between the two holds text of its own.
            for (int y = c.firstLine; y <= c.lastLine; y += 15) {
                const QRect line = lineRows(y, w, h);
                QVERIFY2(!yellowBounds(image, line.top() + 2, line.bottom() - 1).isNull(),
                         qPrintable(name + QStringLiteral(" line %1").arg(y)));
            }
        }

        // The vehicle text hangs from 18 pixels below the top edge.
        const QRect vehicle = yellowBounds(render({"--vehicle", "M-AB 1234"}));
        QVERIFY(!vehicle.isNull());
        QVERIFY(vehicle.top() >= 0 && vehicle.bottom() <= 20);
        QVERIFY(vehicle.left() >= 4 && vehicle.left() <= 9);

        // --date-format changes the date line and nothing else.
        const QImage yearFirst = render({"--date", "--sensor"});
        const QImage monthFirst = render({"--date", "--sensor", "--date-format", "1"});
        const QRect dateLine = lineRows(5, w, h);
        QCOMPARE(yearFirst.copy(0, 0, w, dateLine.top() - 2), monthFirst.copy(0, 0, w, dateLine.top() - 2));
        QVERIFY(yearFirst.copy(dateLine) != monthFirst.copy(dateLine));
    }

    void renderFailuresLeaveTheOutputAlone()
    {
        const QSize size(32, 32);
        const QString good = dir_.path() + "/0000000053_good";
        QVERIFY(writeRecording(good, {jpegOf(solid(size, Qt::gray)), jpegOf(solid(size, Qt::gray))}));
        // A frame whose picture has no image data at all.
        const QString broken = dir_.path() + "/0000000054_broken";
        QVERIFY(writeRecording(broken, {QByteArray("\xFF\xD8\xFF\xFE\x00\x04zz\xFF\xD9", 10)}));
        const QString garbage = dir_.path() + "/0000000055_garbage.vdd";
        QVERIFY(writeAll(garbage, QByteArray(4096, '\x5A')));

        const QString keep = dir_.path() + "/keep.png";
        const QByteArray precious("not to be touched");
        QVERIFY(writeAll(keep, precious));

        const QList<QStringList> failing = {
            {"render", good + ".vdd", "2", keep},
            {"render", good + ".vdd", "-2", keep},
            {"render", good + ".vdd", "99999999999", keep},
            {"render", dir_.path() + "/missing.vdd", "0", keep},
            {"render", garbage, "0", keep},
            {"render", broken + ".vdd", "0", keep, "--date"},
            {"render", good + ".vdd", "0", dir_.path() + "/no/such/folder/out.png"},
        };
        for (const QStringList &args : failing) {
            const Result r = cli(args);
            QVERIFY2(r.code == 1, qPrintable(args.join(u' ')));
            QVERIFY(r.out.isEmpty());
            QVERIFY(r.err.contains("tumbo-cli:"));
            QCOMPARE(readAll(keep), precious);
        }

        const QList<QStringList> wrong = {
            {"render"},
            {"render", good + ".vdd", "0"},
            {"render", good + ".vdd", "first", keep},
            {"render", good + ".vdd", "0", dir_.path() + "/out.bmp"},
            {"render", good + ".vdd", "0", keep, "extra"},
            {"render", good + ".vdd", "0", keep, "--flip", "4"},
            {"render", good + ".vdd", "0", keep, "--flip"},
            {"render", good + ".vdd", "0", keep, "--units", "3"},
            {"render", good + ".vdd", "0", keep, "--date-format", "-1"},
            {"render", good + ".vdd", "0", keep, "--bold"},
        };
        for (const QStringList &args : wrong) {
            const Result r = cli(args);
            QVERIFY2(r.code == 2, qPrintable(args.join(u' ')));
            QVERIFY(r.err.contains("usage: tumbo-cli"));
            QVERIFY(r.out.isEmpty());
            QCOMPARE(readAll(keep), precious);
        }
        QVERIFY(!QFileInfo::exists(dir_.path() + "/out.bmp"));
    }

    void cardRowsShowTheListTexts()
    {
        // Starts just before local midnight in summer: a wrong zone or offset shows in the date.
        QTemporaryDir dir;
        const QString card = dir.path() + "/card";
        const Result made = cli({"generate-card", card, "--events", "2", "--normals", "2", "--seconds", "60",
                                 "--log-seconds", "119", "--fps", "1", "--resolution", "32x32",
                                 "--reuse-pictures", "--start", "2026-07-31T21:59:50"});
        QCOMPARE(made.code, 0);
        QHash<QString, QJsonObject> madeFiles;
        for (const QJsonValue &v : made.json().value("files").toArray())
            madeFiles.insert(v.toObject().value("path").toString(), v.toObject());

        const QMap<int, QString> eventTexts = {{1, "G-sensor"}, {2, "Manual switch"}};
        const QList<std::pair<QStringList, const char *>> formats = {
            {{}, "yyyy.MM.dd HH:mm:ss"},
            {{"--date-format", "1"}, "MM.dd.yyyy HH:mm:ss"},
            {{"--date-format", "2"}, "dd.MM.yyyy HH:mm:ss"},
        };
        // The texts stay English whatever language the environment asks for.
        QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
        german.insert("LANG", "de_DE.UTF-8");
        german.insert("LANGUAGE", "de");
        german.insert("LC_ALL", "de_DE.UTF-8");
        for (const auto &[options, format] : formats) {
            const Result r = cli(QStringList{"card", card} + options, german);
            QCOMPARE(r.code, 0);
            QVERIFY(inOrder(r.out, {"valid", "skipped", "rows"}));
            const QJsonObject o = r.json();
            const QJsonObject rows = o.value("rows").toObject();
            QCOMPARE(rows.keys(), QStringList({"event", "log", "normal"}));
            int eventRows = 0;
            for (const QString type : {"event", "normal", "log"}) {
                const QJsonArray listed = o.value(type).toArray();
                const QJsonArray typeRows = rows.value(type).toArray();
                QCOMPARE(typeRows.size(), listed.size());
                for (int i = 0; i < typeRows.size(); ++i) {
                    const QJsonObject row = typeRows[i].toObject();
                    const QJsonObject file = listed[i].toObject();
                    const QString prefix = type == u"log" ? QStringLiteral("log/") : "CH1/" + type + u'/';
                    const QJsonObject generated = madeFiles.value(prefix + file.value("file").toString());
                    QVERIFY(!generated.isEmpty());
                    QCOMPARE(row.value("idx").toInt(), i);
                    QCOMPARE(row.value("seq").toString(), QString::number(generated.value("sequence").toInt()));
                    QCOMPARE(row.value("col2").toString(), localText(generated.value("start").toString(), format));
                    if (type == u"event") {
                        ++eventRows;
                        QCOMPARE(row.value("col3").toString(),
                                 eventTexts.value(generated.value("event_type").toInt(), "?"));
                    } else {
                        // 60 s and 119 s both show as one whole minute.
                        QCOMPARE(row.value("col3").toString(), QStringLiteral("1 min"));
                    }
                }
            }
            QCOMPARE(eventRows, 2);
        }
        QCOMPARE(cli({"card", card}).json().value("rows")["normal"][0]["col2"].toString(),
                 QStringLiteral("2026.07.31 23:59:50"));

        // One second less is counted in seconds.
        QTemporaryDir shorter;
        QCOMPARE(cli({"generate-card", shorter.path() + "/card", "--events", "1", "--normals", "1", "--seconds",
                      "59", "--log-seconds", "59", "--fps", "1", "--resolution", "32x32", "--reuse-pictures"})
                     .code,
                 0);
        const QJsonObject rows = cli({"card", shorter.path() + "/card"}, german).json().value("rows").toObject();
        QCOMPARE(rows["normal"][0]["col3"].toString(), QStringLiteral("59 sec"));
        QCOMPARE(rows["log"][0]["col3"].toString(), QStringLiteral("59 sec"));
    }

    void cardRowsRefuseBadOptions()
    {
        for (const QStringList &options : {QStringList{"--date-format", "3"}, QStringList{"--units", "-1"},
                                           QStringList{"--units"}, QStringList{"--date-format", "x"},
                                           QStringList{"--flip", "1"}}) {
            const Result r = cli(QStringList{"card", card_} + options);
            QVERIFY2(r.code == 2, qPrintable(options.join(u' ')));
            QVERIFY(r.out.isEmpty());
        }
        // Rows line up with the lists, sub-folders and awkward files included.
        const QJsonObject o = cli({"card", card_, "--units", "1"}).json();
        for (const QString type : {"event", "normal", "log"}) {
            const QJsonArray listed = o.value(type).toArray();
            const QJsonArray rows = o.value("rows")[type].toArray();
            QCOMPARE(rows.size(), listed.size());
            for (int i = 0; i < rows.size(); ++i)
                QCOMPARE(rows[i]["seq"].toString(), QString::number(listed[i]["sequence"].toInteger()));
        }
        QTemporaryDir empty;
        const QJsonObject none = cli({"card", empty.path()}).json().value("rows").toObject();
        QCOMPARE(none.value("event").toArray().size() + none.value("normal").toArray().size()
                     + none.value("log").toArray().size(),
                 0);
        QCOMPARE(none.keys().size(), 3);
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
