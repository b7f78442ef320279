// Trips split by the gap rule on a table of files, and a generated card's trip figures
// against the logs' own distance.

#include "FileManager.h"
#include "TestCard.h"
#include "TripBuilder.h"

#include <QTemporaryDir>
#include <QtTest>

struct File {
    bool isLog;
    int from, to;  // seconds after the first file's start
};
Q_DECLARE_METATYPE(File)

namespace {

TripBuilder::Source sourceOf(const File &f)
{
    TripBuilder::Source s;
    s.isLog = f.isLog;
    s.startMsec = 1'780'000'000'000 + f.from * 1000LL;
    s.endMsec = 1'780'000'000'000 + f.to * 1000LL;
    return s;
}

} // namespace

class TestTripBuilder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }

    void splitsByGap_data()
    {
        QTest::addColumn<QList<File>>("files");
        QTest::addColumn<QList<int>>("filesPerTrip");
        QTest::newRow("4:59 joins") << QList<File>{{false, 0, 60}, {false, 359, 419}} << QList<int>{2};
        QTest::newRow("5:00 joins") << QList<File>{{false, 0, 60}, {false, 360, 420}} << QList<int>{2};
        QTest::newRow("5:01 splits") << QList<File>{{false, 0, 60}, {false, 361, 421}} << QList<int>{1, 1};
        QTest::newRow("log overlaps recordings")
            << QList<File>{{false, 0, 60}, {true, 30, 1000}, {false, 900, 960}, {false, 1301, 1361}}
            << QList<int>{3, 1};
        QTest::newRow("out of order") << QList<File>{{false, 2000, 2060}, {false, 0, 60}, {false, 100, 160}}
                                      << QList<int>{2, 1};
        QTest::newRow("one file") << QList<File>{{true, 0, 600}} << QList<int>{1};
        QTest::newRow("no file") << QList<File>{} << QList<int>{};
    }

    void splitsByGap()
    {
        QFETCH(QList<File>, files);
        QFETCH(QList<int>, filesPerTrip);
        std::vector<TripBuilder::Source> sources;
        for (const File &f : files)
            sources.push_back(sourceOf(f));
        const TripBuilder::Trips trips = TripBuilder::build(sources, TripBuilder::defaultGapSeconds, {});
        QList<int> counts;
        for (const TripBuilder::Trip &t : trips)
            counts.append(int(t.sources.size()));
        QCOMPARE(counts, filesPerTrip);
    }

    // The logs cover the drive, so the trip's distance is theirs, not the recordings' too.
    void figuresOfGeneratedCard()
    {
        QTemporaryDir dir;
        QVERIFY(TestCard::generate(dir.path(), 2, 6, 1));
        FileManager files;
        QVERIFY(files.loadFiles(dir.path()));
        double logDistance = 0;
        for (const FileLog *log : files.logs())
            logDistance += log->distance();
        QVERIFY(logDistance > 0);

        const TripBuilder::Trips trips =
            TripBuilder::build(TripBuilder::sourcesOf(files), TripBuilder::defaultGapSeconds, {});
        QCOMPARE(trips.size(), size_t(1));
        const TripBuilder::Trip &trip = trips.front();
        QCOMPARE(trip.distanceM, logDistance);
        QCOMPARE(trip.sources.size(), size_t(files.eventVideos().size() + files.normalVideos().size() + 1));
        QVERIFY(trip.movingSeconds > 0 && trip.movingSeconds <= trip.durationSeconds());
        QVERIFY(trip.topSpeedKmh > 0);
        QVERIFY(trip.hasPositions);
        for (const FileVideo *video : files.normalVideos())
            QVERIFY2(!video->isIndexed(), "trips must not read a recording's full index");
    }
};

QTEST_MAIN(TestTripBuilder)
#include "test_TripBuilder.moc"
