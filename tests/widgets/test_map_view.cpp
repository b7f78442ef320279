// The script calls each map operation sends, as recorded from the one sending function;
// no browser engine is started (the view is never painted).
#include "MapPageObject.h"
#include "MapTestCard.h"
#include "MapView.h"
#include "FileLog.h"

#include <QJsonValue>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

struct RouteRow { QString type; qint64 frame{}; QStringList calls; };

struct PageRow { QJsonValue value; bool ok{}; qint64 integer{}; };

class TestMapView : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    FileManager _fileManager;

    // The calls of every evaluation sent while running the operation, one per entry.
    template <typename Operation>
    QStringList sent(MapView &map, Operation operation)
    {
        QSignalSpy spy(&map, &MapView::scriptSent);
        operation();
        QStringList calls;
        for (const QList<QVariant> &arguments : spy)
            for (QString line : arguments[0].toString().split('\n', Qt::SkipEmptyParts))
                calls << line.chopped(1);
        return calls;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(loadMapCard(_dir, _fileManager));
    }

    void route_data()
    {
        QTest::addColumn<RouteRow>("row");
        // Normal: every 15 s and the last frame; event: every 1 s from the first position.
        QTest::newRow("normal") << RouteRow{"normal", 200,
            {"waitLoad()", "clearRoute()", "addRoute(48.000000, 11.500000, 0)",
             "addRoute(48.150000, 11.500000, 150)", "addRoute(48.300000, 11.500000, 300)",
             "addRoute(48.450000, 11.500000, 450)", "addRoute(48.599000, 11.500000, 599)",
             "drawRoute()", "waitDone()", "moveCenter(48.200000, 11.500000)"}};
        // The chosen frame has no position: centred on the first that has.
        QTest::newRow("event") << RouteRow{"event", 3,
            {"waitLoad()", "clearRoute()", "addRoute(48.015000, 11.500000, 15)",
             "addRoute(48.025000, 11.500000, 25)", "addRoute(48.029000, 11.500000, 29)",
             "drawRoute()", "waitDone()", "moveCenter(48.015000, 11.500000)"}};
    }
    void route()
    {
        QFETCH(RouteRow, row);
        MapView map(nullptr, &_fileManager);
        FileVideo *video = _fileManager.videoAtIndex(0, row.type);
        QCOMPARE(sent(map, [&] { map.loadWithFileVideo(video, row.frame); }), row.calls);
        QVERIFY(map.isWebViewShown());
        // The frame report that follows for the same frame does not centre again.
        const _vexa_video_frame_header_t &h = video->headerAtIndex(row.frame);
        if (h.gps_valid)
            QCOMPARE(sent(map, [&] { map.moveCenterWithLatitude(h.latitude, h.longitude); }),
                     QStringList());
    }

    // The loaded logs' route: one line through both, a point every 5 s and each log's
    // last record, each carrying its record's time.
    void logRoute()
    {
        QTemporaryDir dir;
        QVERIFY(TestCard::writeLog(dir.filePath("1.log"), TestCard::utc(2026, 5, 1, 8, 0, 0), 12));
        QVERIFY(TestCard::writeLog(dir.filePath("2.log"), TestCard::utc(2026, 5, 1, 9, 0, 0), 3));
        std::unique_ptr<FileLog> first(FileLog::create(dir.path(), "1.log"));
        std::unique_ptr<FileLog> second(FileLog::create(dir.path(), "2.log"));
        QVERIFY(first && second);
        MapView map(nullptr, &_fileManager);
        const QStringList calls = sent(map, [&] { map.loadWithLogRoute({first.get(), second.get()}); });
        QCOMPARE(calls.first(), "waitLoad()");
        QCOMPARE(calls.value(1), "clearRoute()");
        QCOMPARE(calls.filter("addRoute(").size(), 4 + 2);
        QCOMPARE(calls.value(calls.size() - 2), "drawRoute()");
        QVERIFY2(calls.value(calls.size() - 3).endsWith(", 1777626002000)"), qPrintable(calls.join('|')));
    }

    // A log's harsh braking is marked where it starts, carrying that record's time.
    void logEventMark()
    {
        QTemporaryDir dir;
        std::vector<TestCard::Frame> records = TestCard::frames(6, TestCard::utc(2026, 5, 1, 8, 0, 0), 1000);
        const uint16_t kmh[] = {60, 60, 45, 30, 30, 30};
        for (size_t i = 0; i < records.size(); ++i) {
            records[i].gps = true;
            records[i].latitude = 4800.0 + 0.01 * double(i);
            records[i].longitude = 1130.0;
            records[i].speed = kmh[i];
        }
        QVERIFY(TestCard::writeLogRecords(dir.filePath("1.log"), records));
        std::unique_ptr<FileLog> log(FileLog::create(dir.path(), "1.log"));
        QVERIFY(log);
        MapView map(nullptr, &_fileManager);
        const QStringList marks = sent(map, [&] { map.loadWithLogRoute({log.get()}); }).filter("addEventMark(");
        QCOMPARE(marks.size(), 1);
        QVERIFY2(marks.first().startsWith("addEventMark(48.000167, 11.500000, 1777622401000, "), qPrintable(marks.first()));
    }

    void routeWithoutPositionHidesMap()
    {
        MapView map(nullptr, &_fileManager);
        map.loadWithFileVideo(_fileManager.videoAtIndex(0, "normal"), 0);
        QCOMPARE(sent(map, [&] { map.loadWithFileVideo(_fileManager.videoAtIndex(1, "event"), 0); }),
                 (QStringList{"waitLoad()", "clearRoute()", "drawRoute()", "waitDone()"}));
        QVERIFY(!map.isWebViewShown());
        QCOMPARE(sent(map, [&] { map.clear(); }), (QStringList{"clearCamera()", "clearRoute()"}));
    }

    void cameras()
    {
        MapView map(nullptr, &_fileManager);
        // Event 1 has no position and is skipped; the camera stands at the first
        // post-event frame with a position.
        QCOMPARE(sent(map, [&] { map.loadWithData({0, 1}, "event"); }),
                 (QStringList{"waitLoad()", "clearCamera()", "addCamera(48.015000, 11.500000, 0, 15)",
                              "waitDone()"}));
        QCOMPARE(sent(map, [&] { map.loadWithData({0}, "normal"); }),
                 (QStringList{"waitLoad()", "clearCamera()", "addCamera(48.000000, 11.500000, 0, 0)",
                              "waitDone()"}));
        QCOMPARE(sent(map, [&] { map.loadWithData({}, "event"); }),
                 (QStringList{"waitLoad()", "clearCamera()", "waitDone()"}));
        const QList<LogGuide> logCameras{{0, _fileManager.videoAtIndex(0, "event"), 20, 1777622400000},
                                          {0, _fileManager.videoAtIndex(1, "event"), 0, 5}};
        QCOMPARE(sent(map, [&] { map.loadWithLogs(logCameras, -1); }),
                 (QStringList{"waitLoad()", "clearCamera()",
                              "addLogCamera(48.020000, 11.500000, 1777622400000)", "waitDone()"}));
        QVERIFY(map.isWebViewShown());
    }

    void centre()
    {
        MapView map(nullptr, &_fileManager);
        QCOMPARE(sent(map, [&] { map.moveCenterWithLatitude(0.0, 0.0); }), QStringList());
        QCOMPARE(sent(map, [&] {
                     map.moveCenterWithLatitude(-3330.0, -7030.0);
                     map.moveCenterWithLatitude(-3330.0, -7030.0);
                 }),
                 QStringList{"moveCenter(-33.500000, -70.500000)"});
        // A corrupt card's position is never sent.
        QCOMPARE(sent(map, [&] { map.moveCenterWithLatitude(qQNaN(), 99999.0); }), QStringList());
    }

    void pageValues_data()
    {
        QTest::addColumn<PageRow>("row");
        QTest::newRow("number") << PageRow{QJsonValue(15), true, 15};
        QTest::newRow("fraction") << PageRow{QJsonValue(-2.9), true, -2};
        QTest::newRow("text") << PageRow{QJsonValue("42"), true, 42};
        QTest::newRow("too large") << PageRow{QJsonValue(1e300), false, 0};
        QTest::newRow("not a number") << PageRow{QJsonValue("x"), false, 0};
        QTest::newRow("null") << PageRow{QJsonValue(), false, 0};
    }
    void pageValues()
    {
        QFETCH(PageRow, row);
        qint64 out = 0;
        QCOMPARE(MapPageObject::integer(row.value, &out), row.ok);
        QCOMPARE(out, row.integer);
    }
};

QTEST_MAIN(TestMapView)
#include "test_map_view.moc"
