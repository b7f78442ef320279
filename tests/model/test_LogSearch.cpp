// The log search over generated logs.
#include "DriveModel.h"
#include "LogSearch.h"
#include "NmeaLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

const int64_t kStart = 1795248000;

// One record per second: a speed in km/h (negative: no fix), X and Z in milli-g.
std::unique_ptr<vexa_log_file> writeLog(const QString &path, int64_t start, const QList<double> &speeds,
                                        const QList<int> &gx, const QList<int> &gz)
{
    DriveModel drive(1);
    NmeaLog text(drive, start, 0, true);
    for (qsizetype i = 0; i < speeds.size(); ++i) {
        DriveSample s{speeds[i] >= 0, 4808.0, 1135.0, std::max(0.0, speeds[i])};
        s.gx = gx.value(i, 0);
        s.gz = gz.value(i, 1000);
        text.addRecord(start + i, s, 0);
    }
    QFile file(path);
    auto log = std::make_unique<vexa_log_file>();
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text.text()) > 0;
    file.close();
    return written && log->load(QFile::encodeName(path).constData()) ? std::move(log) : nullptr;
}

} // namespace

// boxes: s: speed, g: G-sensor, x/z: axes, e: events; expected: "log.record", numbered from 1 in order
struct Row { QList<double> speeds; QList<int> gx; QList<int> gz; QString boxes; double speedLimit{}; int units{};
    int logs{}; QStringList expected; };

class TestLogSearch : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void rows_data()
    {
        QTest::addColumn<Row>("row");

        const auto row = [](const char *name, const QList<double> &speeds, const char *boxes, double speedLimit,
                            const QStringList &expected, const QList<int> &gx = {}, const QList<int> &gz = {},
                            int units = 0, int logs = 1) {
            QTest::newRow(name) << Row{speeds, gx, gz, QString::fromLatin1(boxes), speedLimit, units, logs, expected};
        };
        const QList<double> runs{70, 70, 50, 70, 70, 0}, still{0, 0, 0, 0, 0};
        row("first record of each run", runs, "s", 60, {"0.0", "0.3"});
        // 250 knots in the log read back as exactly 463 km/h.
        row("a speed at the limit is a hit", {463, 462, 463}, "s", 463, {"0.0", "0.2"});
        row("with the G box every record", runs, "sgx", 60, {"0.0", "0.1", "0.3", "0.4"});
        row("G box without an axis", runs, "sg", 60, {});
        row("standstill, a fix starts it", {-1, 0, 0, 30, 0, -1, 0}, "s", 0, {"0.1", "0.4"});
        row("Z rounded, either sign", still, "gz", 0, {"0.1", "0.2", "0.4"}, {}, {1000, 1400, 600, 1394, 1396});
        row("X and Z both", still, "gxz", 0, {"0.2", "0.3"}, {500, 0, -450, 500}, {1000, 1500, 1450, 1500});
        row("numbered across logs", {70, 0, 70}, "s", 60, {"0.0", "0.2", "1.0", "1.2"}, {}, {}, 0, 2);
        row("MPH threshold", {60, 70, 50}, "s", 40, {"0.1"}, {}, {}, 1);
        row("an event names its kind", {70, 55, 40, 40}, "e", 0, {"0.0 brake"});
    }
    void rows()
    {
        QFETCH(Row, row);

        std::vector<std::unique_ptr<vexa_log_file>> owned;
        std::vector<const vexa_log_file *> files;
        for (int l = 0; l < row.logs; ++l) {
            const QString path = dir.filePath(QStringLiteral("%1_%2.log").arg(QTest::currentDataTag()).arg(l));
            owned.push_back(writeLog(path, kStart + 100 * l, row.speeds, row.gx, row.gz));
            QVERIFY(owned.back());
            files.push_back(owned.back().get());
        }
        LogSearch::Criteria c;
        c.format = DisplayFormat(row.units, 0);
        c.speedOn = row.boxes.contains(u's');
        c.speedLimit = row.speedLimit;
        c.gOn = row.boxes.contains(u'g');
        c.xOn = row.boxes.contains(u'x');
        c.zOn = row.boxes.contains(u'z');
        c.xLimit = c.zLimit = 0.4;
        c.eventOn = row.boxes.contains(u'e');
        if (row.boxes == u"sgx")
            c.xLimit = 0;
        LogSearch search;
        QStringList got;
        for (const LogSearch::Row &row : search.search(files, c)) {
            QCOMPARE(row.number, got.size() + 1);
            got << QStringLiteral("%1.%2").arg(row.log).arg(row.index)
                       + (row.kind ? u' ' + DrivingEvents::kindName(*row.kind) : QString());
        }
        QCOMPARE(got, row.expected);
    }

    void timeOrder()
    {
        auto early = writeLog(dir.filePath("early.log"), kStart, {10, 10}, {}, {});
        auto late = writeLog(dir.filePath("late.log"), kStart + 1, {10, 10}, {}, {});
        QVERIFY(early && late);
        QCOMPARE(LogSearch::outOfOrderAt({early.get(), late.get()}), -1);
        // The early log's last second is after the late log's first.
        auto after = writeLog(dir.filePath("after.log"), kStart + 2, {10}, {}, {});
        QCOMPARE(LogSearch::outOfOrderAt({after.get(), early.get()}), 0);
        QCOMPARE(LogSearch::outOfOrderAt({early.get(), after.get(), late.get()}), 1);
    }
};

QTEST_GUILESS_MAIN(TestLogSearch)
#include "test_LogSearch.moc"
