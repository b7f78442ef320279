// The driving events of generated logs and recordings with manoeuvres at known seconds, and
// their near misses; the camera clock offset of frames stamped ahead of GPS.

#include "ClockOffset.h"
#include "DrivingEvents.h"
#include "FolderScanner.h"
#include "TestCard.h"
#include "vexa_log_file.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using Kind = DrivingEvents::Kind;

// One second of a drive: speed in km/h (negative: no fix), course, and a G value on x in mg.
struct Second {
    int kmh;
    int course = 0;
    int gx = 0;
};

struct Expected {
    Kind kind;
    int firstSecond, lastSecond;
    double peak;
};

std::vector<Second> steady(int count, int kmh, int course = 0)
{
    return std::vector<Second>(size_t(count), Second{kmh, course});
}

std::vector<Second> speeds(std::initializer_list<int> kmh)
{
    std::vector<Second> out;
    for (int v : kmh)
        out.push_back({v});
    return out;
}

std::vector<Second> courses(int kmh, std::initializer_list<int> degrees)
{
    std::vector<Second> out;
    for (int c : degrees)
        out.push_back({kmh, c});
    return out;
}

// fps frames a second; the first frame of every second carries its G value.
std::vector<TestCard::Frame> framesOf(const std::vector<Second> &drive, int fps)
{
    std::vector<TestCard::Frame> out = TestCard::framesAt(int(drive.size()) * fps, TestCard::utc(2026, 5, 4, 10, 0, 0), fps);
    for (size_t i = 0; i < out.size(); ++i) {
        const Second &s = drive[i / size_t(fps)];
        out[i].gps = s.kmh >= 0;
        out[i].latitude = 3731.5;
        out[i].longitude = 12658.2;
        out[i].speed = uint16_t(std::max(s.kmh, 0));
        out[i].course = uint16_t(s.course);
        out[i].gx = int16_t(i % size_t(fps) == 0 ? s.gx : 0);
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Second>)
Q_DECLARE_METATYPE(std::vector<Expected>)

struct Row { std::vector<Second> drive; double speedLimit{}; std::vector<Expected> expected; };

class TestDrivingEvents : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }

    void events_data()
    {
        QTest::addColumn<Row>("row");

        QTest::newRow("braking") << Row{speeds({50, 50, 50, 38, 26, 26}), 0.0, {{Kind::Brake, 2, 4, -3.33}}};
        QTest::newRow("acceleration") << Row{speeds({20, 20, 30, 40, 50, 50}), 0.0, {{Kind::Accel, 1, 4, 2.78}}};
        QTest::newRow("braking one second only") << Row{speeds({50, 50, 38, 38, 38}), 0.0, {}};
        QTest::newRow("gap in the fixes") << Row{speeds({50, 50, 38, -1, 26, 14, 14}), 0.0, {}};
        QTest::newRow("right corner") << Row{courses(36, {0, 0, 20, 40, 60, 60}), 0.0,
            {{Kind::CornerRight, 1, 4, 3.49}}};
        QTest::newRow("left corner through north") << Row{courses(36, {30, 30, 10, 350, 330, 330}), 0.0,
            {{Kind::CornerLeft, 1, 4, 3.49}}};
        QTest::newRow("gentle turn through north") << Row{courses(36, {340, 340, 350, 0, 10, 10}), 0.0, {}};
        QTest::newRow("corner at 19 km/h") << Row{courses(19, {0, 0, 40, 80, 120, 120}), 0.0, {}};

        std::vector<Second> knocks = steady(12, 30);
        knocks[2].gx = 1600;
        knocks[3].gx = -1800;
        knocks[7].gx = 1700;
        knocks[10].gx = 1400;  // below 1.5 g
        QTest::newRow("impacts") << Row{knocks, 0.0, {{Kind::Impact, 2, 3, 1.8}, {Kind::Impact, 7, 7, 1.7}}};

        std::vector<Second> fast = steady(14, 100);
        for (int s = 1; s <= 10; ++s)
            fast[size_t(s)].kmh = 110 + s % 3;
        QTest::newRow("speeding") << Row{fast, 105.0, {{Kind::Speeding, 1, 10, 112}}};
        fast[5].kmh = 100;
        QTest::newRow("speeding broken up") << Row{fast, 105.0, {}};
    }

    // The same drive as a log (a record a second) and as a recording (five frames a second).
    void events()
    {
        QFETCH(Row, row);
        DrivingEvents::Thresholds thresholds;
        thresholds.speedLimit = row.speedLimit;

        QTemporaryDir dir;
        const QString logPath = dir.filePath(QStringLiteral("0001.log"));
        const QString vddPath = dir.filePath(QStringLiteral("0001.vdd"));
        QVERIFY(TestCard::writeLogRecords(logPath, framesOf(row.drive, 1)));
        QVERIFY(TestCard::writeRecording(vddPath, framesOf(row.drive, 5)));
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(logPath).constData()));
        vexa_vdd_file recording;
        QVERIFY(recording.open(QFile::encodeName(vddPath).constData(),
                               QFile::encodeName(FolderScanner::sidecarPath(vddPath)).constData()));

        for (const int fps : {1, 5}) {
            const DrivingEvents::Events found = fps == 1 ? DrivingEvents::ofLog(log.records(), thresholds)
                                                         : DrivingEvents::ofRecording(recording.headers(), thresholds);
            QCOMPARE(found.size(), row.expected.size());
            for (size_t i = 0; i < found.size(); ++i) {
                QCOMPARE(DrivingEvents::kindName(found[i].kind), DrivingEvents::kindName(row.expected[i].kind));
                QCOMPARE(found[i].startIndex, row.expected[i].firstSecond * fps);
                QCOMPARE(found[i].endIndex, (row.expected[i].lastSecond + 1) * fps - 1);
                QVERIFY2(std::abs(found[i].peak - row.expected[i].peak) < 0.01,
                         qPrintable(QString::number(found[i].peak)));
            }
        }
    }

    void clockOffsetOfFramesAheadOfGps()
    {
        std::vector<TestCard::Frame> frames = framesOf(steady(6, 40), 5);
        for (TestCard::Frame &f : frames)
            f.cameraAheadSeconds = 3;
        frames[0].gps = false;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("0002.vdd"));
        QVERIFY(TestCard::writeRecording(path, frames));
        vexa_vdd_file recording;
        QVERIFY(recording.open(QFile::encodeName(path).constData(),
                               QFile::encodeName(FolderScanner::sidecarPath(path)).constData()));
        QCOMPARE(ClockOffset::ofRecording(recording), std::optional<qint64>(3000));
        QCOMPARE(ClockOffset::text(3000), QStringLiteral("Camera clock 3.0 s ahead of GPS"));
        // A list's open reads only the first and last frames, and gives the same offset.
        vexa_vdd_file listed;
        QVERIFY(listed.open_summary(QFile::encodeName(path).constData(),
                                    QFile::encodeName(FolderScanner::sidecarPath(path)).constData()));
        QCOMPARE(ClockOffset::ofListed(listed), std::optional<qint64>(3000));
        QVERIFY(!listed.indexed());

        for (TestCard::Frame &f : frames)
            f.gps = false;
        QVERIFY(TestCard::writeRecording(path, frames));
        vexa_vdd_file unfixed;
        QVERIFY(unfixed.open(QFile::encodeName(path).constData(),
                             QFile::encodeName(FolderScanner::sidecarPath(path)).constData()));
        QCOMPARE(ClockOffset::ofRecording(unfixed), std::nullopt);
    }

    // A log's offset compares its "$REZEZ" time with the "$GPRMC" time of the same record.
    void clockOffsetOfLog()
    {
        std::vector<TestCard::Frame> records = framesOf(steady(5, 40), 1);
        for (TestCard::Frame &r : records) {
            r.time = msec_to_time(time_to_msec(r.time) + 1250);
            r.cameraAheadSeconds = 1;
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("0003.log"));
        QVERIFY(TestCard::writeLogRecords(path, records));
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(path).constData()));
        QCOMPARE(ClockOffset::ofRecords(log), std::optional<qint64>(1250));
    }
};

QTEST_GUILESS_MAIN(TestDrivingEvents)
#include "test_DrivingEvents.moc"
