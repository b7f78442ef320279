#include "CsvExport.h"
#include "GeoJsonExport.h"
#include "GpxExport.h"
#include "KmlExport.h"
#include "MovieExport.h"
#include "TestCard.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <ctime>
#include <memory>

namespace {

_vexa_log_info_t record(bool valid, double lat, double lon, uint8_t used, uint8_t inView, float hdop)
{
    _vexa_log_info_t r{};
    r.time = TestCard::utc(2013, 7, 5, 9, 8, 7);
    r.gsensor_x = 12, r.gsensor_y = -34, r.gsensor_z = 1010;
    r.gps_valid = valid, r.latitude = lat, r.longitude = lon;
    r.speed = 88.9f, r.course = 270.5f, r.altitude = 35.7f;
    r.satellites_used = used, r.satellites_in_view = inView, r.hdop = hdop;
    return r;
}

// What ogrinfo says of a file (summary with -so), or an empty text when it failed.
QByteArray ogrinfo(const QStringList &args)
{
    int code = -1;
    const QByteArray out = TestCard::run(QStringLiteral("ogrinfo"), QStringList{QStringLiteral("-ro"), QStringLiteral("-al")} + args, &code);
    return code == 0 ? out : QByteArray();
}

void setZone(const char *zone)
{
    qputenv("TZ", zone);
    tzset();
}

} // namespace

struct Intervals { QList<int> seconds; int point{}; int placemarks{}; int trackPoints{}; };

struct Headings { double course{}; int view{}; int icon{}; };

// open: pieces without the zone; hidden: and with it
struct Hidden { QString format; QByteArray piece; int open{}; int hidden{}; };

class TestTrackExport : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::vector<std::unique_ptr<vexa_log_file>> files_;

    // Logs of the given lengths, each going on where the one before ended, starting
    // 2013-07-05 09:08:07 UTC.
    TrackExport::Logs logs(const QList<int> &seconds, double knots = 10.0, double course = 90.0)
    {
        TrackExport::Logs out;
        int64_t start = time_to_seconds(TestCard::utc(2013, 7, 5, 9, 8, 7));
        for (const int length : seconds) {
            const QString path = dir_.filePath(QStringLiteral("%1.log").arg(files_.size()));
            auto file = std::make_unique<vexa_log_file>();
            const bool written = TestCard::writeLog(path, seconds_to_time(start), length, knots, course);
            start += length;
            if (!written || !file->load(qPrintable(path)))
                return {};
            out.push_back(file.get());
            files_.push_back(std::move(file));
        }
        return out;
    }

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }
    void init() { setZone("Asia/Seoul"); }

    void csvLines_data()
    {
        QTest::addColumn<_vexa_log_info_t>("r");
        QTest::addColumn<QByteArray>("line");
        const QByteArray local = "2013.07.05 18:08:07,12,-34,1010,,";
        QTest::newRow("fix") << record(true, 3730.0, 12700.0, 7, 9, 0.9f)
                             << local + "Y,37.500000,127.000000,35,88,270,7/9(0.90),2013.07.05 09:08:07\n";
        QTest::newRow("south west") << record(true, -3730.0, -12700.0, 7, 9, 0.9f)
                                    << local + "Y,-37.500000,-127.000000,35,88,270,7/9(0.90),2013.07.05 09:08:07\n";
        QTest::newRow("no fix") << record(false, 0, 0, 4, 9, 1.2f) << local + "N,,,,,,4/9(1.20),\n";
        // A position that is not finite or lies off the globe is no fix.
        QTest::newRow("NaN latitude") << record(true, std::nan(""), 12700.0, 4, 9, 1.2f) << local + "N,,,,,,4/9(1.20),\n";
        QTest::newRow("1e308 longitude") << record(true, 3730.0, 1e308, 4, 9, 1.2f) << local + "N,,,,,,4/9(1.20),\n";
        QTest::newRow("latitude 91.5") << record(true, 9130.0, 12700.0, 4, 9, 1.2f) << local + "N,,,,,,4/9(1.20),\n";
        _vexa_log_info_t empty{};
        empty.time = TestCard::utc(2013, 7, 5, 9, 8, 7);
        empty.gsensor_z = 1000;
        QTest::newRow("empty") << empty << QByteArray("2013.07.05 18:08:07,0,0,1000,,,,,,,,,\n");
    }
    void csvLines()
    {
        QFETCH(_vexa_log_info_t, r);
        QFETCH(QByteArray, line);
        QCOMPARE(CsvExport::line(r, DisplayFormat()), line);
    }

    void defaultNameIsUtc_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("localTime");
        QTest::newRow("Seoul") << QByteArray("Asia/Seoul") << QByteArray("2013.07.05 18:08:07");
        QTest::newRow("New York") << QByteArray("America/New_York") << QByteArray("2013.07.05 05:08:07");
    }
    void defaultNameIsUtc()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, localTime);
        setZone(zone.constData());
        const TrackExport::Logs two = logs({3});
        QCOMPARE(TrackExport::defaultName(two), QStringLiteral("20130705_090807"));
        QVERIFY(CsvExport::line(two.front()->record_at(0), DisplayFormat()).startsWith(localTime));
    }

    // Cancel after the first record of the second of three logs keeps whole lines.
    void csvCancelKeepsWhatWasWritten()
    {
        const TrackExport::Logs three = logs({5, 5, 5});
        const QString path = dir_.filePath(QStringLiteral("cancel.csv"));
        std::atomic_bool cancel{false};
        QString count;
        const TrackExport::Result result = CsvExport::write(path, three, DisplayFormat(), cancel, [&](qint64 done, qint64, const QString &c) {
            count = c;
            if (c == u"1/3" && done == 1)
                cancel = true;
        });
        QVERIFY(result.written && result.cancelled);
        QCOMPARE(count, QStringLiteral("2/3"));
        const QByteArray text = TestCard::readFile(path);
        QCOMPARE(text.count('\n'), 6);
        QVERIFY(text.endsWith('\n'));
    }

    void unwritablePathFails()
    {
        const std::atomic_bool cancel{false};
        for (const QString &path : {dir_.path(), dir_.filePath(QStringLiteral("missing/out.csv"))}) {
            const TrackExport::Result result = CsvExport::write(path, logs({2}), DisplayFormat(), cancel);
            QVERIFY(!result.written);
            QVERIFY(!result.error.isEmpty());
        }
        QVERIFY(QFileInfo(dir_.path()).isDir());
    }

    void kmlIntervals_data()
    {
        QTest::addColumn<Intervals>("row");
        QTest::newRow("10 and 5") << Intervals{{25}, 10, 3, 5};
        QTest::newRow("empty interval") << Intervals{{25}, 0, 25, 5};
        // Marks at 0 and 10 s in the first log, then at 20 s (not 12 s) in the second.
        QTest::newRow("across logs") << Intervals{{12, 15}, 10, 3, 6};
    }
    void kmlIntervals()
    {
        QFETCH(Intervals, row);
        KmlExport::Options options;
        options.pointSeconds = row.point;
        const std::atomic_bool cancel{false};
        const TrackExport::Result r =
            KmlExport::write(dir_.filePath(QStringLiteral("i.kml")), logs(row.seconds), options, cancel);
        QVERIFY(r.written);
        QCOMPARE(r.placemarks, row.placemarks);
        QCOMPARE(r.trackPoints, row.trackPoints);
        // KML writes longitude first, in the line as in the marks.
        QVERIFY(TestCard::readFile(dir_.filePath(QStringLiteral("i.kml"))).contains("<coordinates>126.970000,37.525000,0 "));
    }

    void headings_data()
    {
        QTest::addColumn<Headings>("row");
        QTest::newRow("270.5") << Headings{270.5, -90, 90};
        QTest::newRow("45") << Headings{45.0, 45, -135};
    }
    void headings()
    {
        QFETCH(Headings, row);
        QCOMPARE(KmlExport::viewHeading(row.course), row.view);
        QCOMPARE(KmlExport::iconHeading(row.course), row.icon);
    }

    void badPositionsAreLeftOutOfTracks()
    {
        const QString path = dir_.filePath(QStringLiteral("bad.log"));
        QVERIFY(TestCard::writeLog(path, TestCard::utc(2013, 7, 5, 9, 8, 7), 3));
        QByteArray text = TestCard::readFile(path);
        text.replace(text.indexOf("3731.5000"), 9, "1e308");
        text.replace(text.lastIndexOf("12658.2000"), 10, "99999.9999");
        QVERIFY(TestCard::writeFile(path, text));
        vexa_log_file log;
        QVERIFY(log.load(qPrintable(path)));
        const std::atomic_bool cancel{false};
        const QString gpx = dir_.filePath(QStringLiteral("bad.gpx")), kml = dir_.filePath(QStringLiteral("bad.kml"));
        QCOMPARE(GpxExport::write(gpx, {&log}, QStringLiteral("test"), cancel).records, 1);
        KmlExport::Options options;
        options.pointSeconds = 0;
        QCOMPARE(KmlExport::write(kml, {&log}, options, cancel).placemarks, 1);
        for (const QString &file : {gpx, kml}) {
            const QString written = QString::fromUtf8(TestCard::readFile(file));
            QVERIFY(!written.contains(QRegularExpression(QStringLiteral("\\b(nan|inf)\\b|0{12}"),
                                                         QRegularExpression::CaseInsensitiveOption)));
        }
    }

    // 54 knots is 100 km/h: shown as 62 MPH, while the arrow stands 100 high.
    void kmlInMph()
    {
        const QString path = dir_.filePath(QStringLiteral("mph.kml"));
        const std::atomic_bool cancel{false};
        KmlExport::Options options;
        options.format = DisplayFormat(DisplayFormat::Imperial, 0);
        QVERIFY(KmlExport::write(path, logs({1}, 54.0), options, cancel).written);
        const QByteArray kml = TestCard::readFile(path);
        QVERIFY(kml.contains("Speed&nbsp;:&nbsp;62&nbsp;MPH"));
        QVERIFY(kml.contains(",100.00"));
        QVERIFY(kml.endsWith("</Folder>\n</kml>\n"));
    }

    // The KML's gx:Track is only added: without it the rest of the file is the same.
    void kmlGxTrackIsOnlyAdded()
    {
        const TrackExport::Logs two = logs({4, 3});
        const std::atomic_bool cancel{false};
        const QString plain = dir_.filePath(QStringLiteral("plain.kml")), gx = dir_.filePath(QStringLiteral("gx.kml"));
        KmlExport::Options options;
        QVERIFY(KmlExport::write(plain, two, options, cancel).written);
        options.gxTrack = true;
        QVERIFY(KmlExport::write(gx, two, options, cancel).written);
        QByteArray text = TestCard::readFile(gx);
        QCOMPARE(text.count("<when>"), 7);
        QCOMPARE(text.count("<gx:coord>"), 7);
        QCOMPARE(text.count("<gx:value>"), 7);
        const qsizetype from = text.indexOf("<Schema id=\"TrackData\">"), to = text.lastIndexOf("</Folder>\n</kml>");
        QVERIFY(from > 0 && to > from);
        text.remove(from, to - from).replace(" xmlns:gx=\"http://www.google.com/kml/ext/2.2\"", "");
        QCOMPARE(text, TestCard::readFile(plain));
    }

    // GPX speeds in m/s and courses, the gx:Track and the GeoJSON, as GDAL reads them.
    void newTracksOpenInGdal()
    {
        const TrackExport::Logs two = logs({4, 3}, 54.0, 45.0);  // 54 knots: 27.78 m/s
        const std::atomic_bool cancel{false};
        const QString gpx = dir_.filePath(QStringLiteral("s.gpx")), kml = dir_.filePath(QStringLiteral("s.kml"));
        const QString json = dir_.filePath(QStringLiteral("s.geojson"));
        QVERIFY(GpxExport::write(gpx, two, QStringLiteral("test"), cancel).written);
        KmlExport::Options options;
        options.gxTrack = true;
        QVERIFY(KmlExport::write(kml, two, options, cancel).written);
        QCOMPARE(GeoJsonExport::write(json, two, {}, cancel).records, 7);
        const QJsonArray features = QJsonDocument::fromJson(TestCard::readFile(json))[u"features"].toArray();
        QCOMPARE(features.size(), 2);
        const QJsonObject times = features[1][u"properties"][u"coordinateProperties"].toObject();
        QCOMPARE(times[u"times"][0].toString(), QStringLiteral("2013-07-05T09:08:11Z"));
        QCOMPARE(times[u"speeds"].toArray().size(), 3);

        if (QStandardPaths::findExecutable(QStringLiteral("ogrinfo")).isEmpty())
            QSKIP("GDAL's ogrinfo is not installed");
        const QByteArray points = ogrinfo({QStringLiteral("--config"), QStringLiteral("GPX_USE_EXTENSIONS"),
                                           QStringLiteral("YES"), gpx, QStringLiteral("track_points")});
        QVERIFY2(points.contains("Feature Count: 7") && points.contains("gpxtpx_TrackPointExtension (String) = <gpxtpx:speed>27.78</gpxtpx:speed>"
                                 "<gpxtpx:course>45.0</gpxtpx:course>"),
                 points.left(3000).constData());
        QVERIFY2(ogrinfo({QStringLiteral("-so"), kml}).contains("Feature Count: 1"), kml.toUtf8().constData());
        const QByteArray geo = ogrinfo({json});
        QVERIFY2(geo.contains("Feature Count: 2") && geo.contains("LINESTRING"), geo.constData());
    }

    // A zone on the way leaves its positions out of every track format and of a movie's
    // subtitles; GPX segments, KML lines and gx:Tracks and GeoJSON lines end there and go on after it.
    void privacyZoneLeavesPointsOut_data()
    {
        QTest::addColumn<Hidden>("row");
        QTest::newRow("gpx") << Hidden{"gpx", "<trkseg>", 1, 2};
        QTest::newRow("kml") << Hidden{"kml", "<LineString", 2, 4};
        QTest::newRow("gx:Track") << Hidden{"kml", "<gx:Track>", 1, 2};
        QTest::newRow("geojson") << Hidden{"geojson", QByteArray("\"MultiLineString\""), 0, 1};
        QTest::newRow("csv") << Hidden{"csv", {}, 0, 0};
        QTest::newRow("srt") << Hidden{"srt", "\u00b0N", 8, 7};
    }
    void privacyZoneLeavesPointsOut()
    {
        QFETCH(Hidden, row);
        // North, 0.01' (18.5 m) a second, one picture a second.
        std::vector<TestCard::Frame> records = TestCard::frames(8, TestCard::utc(2013, 7, 5, 9, 8, 7), 1000);
        for (size_t i = 0; i < records.size(); ++i) {
            records[i].gps = true, records[i].latitude = 3731.5 + 0.01 * double(i), records[i].longitude = 12658.2;
            records[i].framesPerSecond = 1;
        }
        const QString logPath = dir_.filePath(QStringLiteral("moving.log"));
        const QString vddPath = dir_.filePath(QStringLiteral("moving.vdd"));
        vexa_log_file log;
        QVERIFY(TestCard::writeLogRecords(logPath, records) && log.load(qPrintable(logPath)));
        QVERIFY(row.format != u"srt" || TestCard::writeRecording(vddPath, records));
        const TrackExport::Logs one{&log};
        const _vexa_log_info_t &start = log.record_at(0), &fourth = log.record_at(3);
        PrivacyZones zones;
        zones.add({nmea_to_degrees(fourth.latitude), nmea_to_degrees(fourth.longitude), 10.0});
        const auto write = [&](const QString &path, const PrivacyZones &z) {
            const std::atomic_bool cancel{false};
            KmlExport::Options kml;
            kml.pointSeconds = 0, kml.lineSeconds = 0, kml.gxTrack = true, kml.zones = z;
            MovieOptions movie;
            movie.subtitles = true, movie.captions.zones = z;
            if (row.format == u"gpx")
                return GpxExport::write(path, one, QStringLiteral("test"), cancel, {}, z).written;
            if (row.format == u"kml")
                return KmlExport::write(path, one, kml, cancel).written;
            if (row.format == u"geojson")
                return GeoJsonExport::write(path, one, {{}, z}, cancel).written;
            if (row.format == u"srt")
                return MovieExport::run(vddPath, path.chopped(3) + QStringLiteral("mp4"), movie, cancel).ok;
            return CsvExport::write(path, one, DisplayFormat(), cancel, {}, nullptr, z).written;
        };
        const QString openPath = dir_.filePath(QStringLiteral("open.") + row.format);
        const QString hiddenPath = dir_.filePath(QStringLiteral("hidden.") + row.format);
        QVERIFY(write(openPath, {}) && write(hiddenPath, zones));
        // Five decimals: a prefix of the tracks' six, the subtitles' own.
        const QByteArray inside = QByteArray::number(nmea_to_degrees(fourth.latitude), 'f', 5);
        const QByteArray outside = QByteArray::number(nmea_to_degrees(start.latitude), 'f', 5);
        QVERIFY(TestCard::readFile(openPath).contains(inside));
        QVERIFY(!TestCard::readFile(hiddenPath).contains(inside));
        QVERIFY(TestCard::readFile(hiddenPath).contains(outside));
        if (!row.piece.isEmpty()) {
            QCOMPARE(TestCard::readFile(openPath).count(row.piece), row.open);
            QCOMPARE(TestCard::readFile(hiddenPath).count(row.piece), row.hidden);
        }
        if (row.format == u"geojson" && !QStandardPaths::findExecutable(QStringLiteral("ogrinfo")).isEmpty())
            QVERIFY(ogrinfo({hiddenPath}).contains("MULTILINESTRING"));
    }
};

QTEST_GUILESS_MAIN(TestTrackExport)
#include "test_TrackExport.moc"
