// The report's pictures drawn from data: the graphs and the route at the report's sizes.
#include "FileLog.h"
#include "FileVideo.h"
#include "GraphPicture.h"
#include "LogGraphPicture.h"
#include "ReportPictures.h"
#include "RoutePicture.h"
#include "TestCard.h"
#include "vexa_time.h"

#include <QTemporaryDir>
#include <QtTest>

class TestReportPictures : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void eventPicturesShowTheRecording()
    {
        std::vector<TestCard::Frame> frames = TestCard::frames(40, TestCard::utc(2026, 11, 21, 8, 0, 0));
        for (size_t i = 0; i < frames.size(); ++i)
            frames[i].gx = int16_t(i % 2 ? 1500 : -1500);  // X swings; Y and Z stay on the zero line
        QVERIFY(TestCard::writeRecording(dir.filePath("0000000001_e.vdd"), frames));
        QObject owner;
        FileVideo *video = FileVideo::create(dir.path(), "0000000001_e.vdd", FileVideo::Event, &owner);
        QVERIFY(video);

        ReportPainter::Content content;
        ReportPictures::addVideo(content, *video, 5);
        QCOMPARE(content.graph.size(), ReportPictures::GraphSize);
        QCOMPARE(content.map.size(), ReportPictures::MapSize);
        QVERIFY(content.graph != ReportPictures::graph(GraphPicture()));
        QVERIFY(TestCard::countNear(content.graph, Qt::red, 40) > 0);
    }

    void logPicturesShowTheLogs()
    {
        QVERIFY(TestCard::writeLog(dir.filePath("0000000001_a.log"), TestCard::utc(2026, 11, 21, 8, 0, 0), 20));
        QVERIFY(TestCard::writeLog(dir.filePath("0000000002_b.log"), TestCard::utc(2026, 11, 21, 8, 1, 0), 20));
        QObject owner;
        const QList<FileLog *> logs{FileLog::create(dir.path(), "0000000001_a.log", &owner),
                                    FileLog::create(dir.path(), "0000000002_b.log", &owner)};
        QVERIFY(logs[0] && logs[1]);

        ReportPainter::Content content;
        ReportPictures::addLogs(content, logs, *logs[1], 3, nullptr);
        QCOMPARE(content.graph.size(), ReportPictures::GraphSize);
        QCOMPARE(content.logGraph.size(), ReportPictures::LogGraphSize);
        QCOMPARE(content.map.size(), ReportPictures::MapSize);
        QVERIFY(content.logGraph != ReportPictures::logGraph(LogGraphPicture()));
        QVERIFY(content.graph != ReportPictures::graph(GraphPicture()));

        // A zone over the whole drive leaves neither line nor mark on the route.
        const QImage blank = RoutePicture::draw({}, -1, ReportPictures::MapSize);
        QVERIFY(content.map != blank);
        const _vexa_log_info_t &first = logs[0]->logAtIndex(0);
        content.zones.add({nmea_to_degrees(first.latitude), nmea_to_degrees(first.longitude), 100000.0});
        ReportPictures::addLogs(content, logs, *logs[1], 3, nullptr);
        QCOMPARE(content.map, blank);
    }
};

QTEST_MAIN(TestReportPictures)
#include "test_report_pictures.moc"
