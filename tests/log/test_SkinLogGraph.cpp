// The log graph: curves against their grid labels at every zoom, each pixel once per
// curve, one-record and same-second logs, and clicks inside, between and after logs.
#include "DriveModel.h"
#include "FileLog.h"
#include "FileManager.h"
#include "NmeaLog.h"
#include "SkinLogGraph.h"
#include "Texts.h"

#include <QFile>
#include <QMouseEvent>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numeric>

class TestSkinLogGraph : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int written = 0;
    const int64_t start = 1795248000;

    // Records at the given seconds after start, X = gx, Y = -gx, Z = 1 g, or moving values.
    FileLog *log(const QList<int> &seconds, int gx, bool moving = false)
    {
        DriveModel drive(1);
        NmeaLog text(drive, start, 0, true);
        for (int s : seconds) {
            DriveSample sample;
            sample.gx = moving ? int(800 * std::sin(s / 9.0)) : gx;
            sample.gy = moving ? int(500 * std::cos(s / 5.0)) : -gx;
            text.addRecord(start + s, sample, 0);
        }
        const QString name = QString::number(++written) + QStringLiteral(".log");
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(text.text()) > 0 && (file.close(), true)
                   ? FileLog::create(dir.path(), name, this) : nullptr;
    }
    static QList<int> range(int from, int to)
    {
        QList<int> list(to - from);
        std::iota(list.begin(), list.end(), from);
        return list;
    }
    static QList<int> rowsOf(const QImage &image, int x, QRgb colour)
    {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == colour)
                rows.append(y);
        return rows;
    }
    static void press(SkinLogGraph *graph, QPointF specPoint)
    {
        const QPointF p(specPoint.x(), graph->height() - specPoint.y());
        QMouseEvent event(QEvent::MouseButtonPress, p, graph->mapToGlobal(p), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(graph, &event);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Texts::install(QLocale(QLocale::English));
    }

    // The 640 x 135 graph: X at the top label's value on the top grid line (y 130), Y at
    // the lowest one's on the bottom line (y 21), Z at rest on the zero line (y 75).
    void curvesMeetTheirLabels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("top");
        QTest::newRow("zoom 1") << 1.0 << 4000;
        QTest::newRow("zoom 2") << 2.0 << 3000;
        QTest::newRow("zoom 3") << 3.0 << 2000;
        QTest::newRow("zoom 4 (asked 5)") << 5.0 << 1000;
    }
    void curvesMeetTheirLabels()
    {
        QFETCH(double, zoom);
        QFETCH(int, top);
        SkinLogGraph graph;
        graph.resize(640, 135);
        graph.setZoom(zoom);
        graph.loadWithFileLogs({log(range(0, 120), top)});
        QCOMPARE(graph.zoom(), std::min(zoom, 4.0));
        const QImage image = graph.grab().toImage();
        const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
        const int rows[] = {135 - 130, 135 - 21, 135 - 75};
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(rowsOf(image, 320, colours[axis]), QList<int>{rows[axis]});
    }

    // An hour of moving values: every curve keeps each pixel once, far fewer than records.
    void curvesKeepEachPixelOnce()
    {
        SkinLogGraph graph;
        graph.resize(640, 135);
        graph.loadWithFileLogs({log(range(0, 3600), 0, true)});
        for (int axis = 0; axis < 3; ++axis) {
            const QPolygonF &line = graph.points(axis).first();
            QSet<QPair<double, double>> seen;
            for (const QPointF &p : line)
                seen.insert({p.x(), p.y()});
            QCOMPARE(seen.size(), line.size());
            QVERIFY(line.size() > 600 && line.size() < 3600);
        }
    }

    // One record, or two in the same second: no scale, everything at the left edge.
    void spanWithoutSeconds_data()
    {
        QTest::addColumn<QList<int>>("seconds");
        QTest::newRow("one record") << QList<int>{0};
        QTest::newRow("same second") << QList<int>{0, 0};
    }
    void spanWithoutSeconds()
    {
        QFETCH(QList<int>, seconds);
        SkinLogGraph graph;
        graph.resize(640, 135);
        FileLog *one = log(seconds, 500);
        QVERIFY(one);
        QSignalSpy spy(&graph, &SkinLogGraph::changeFileLog);
        graph.loadWithFileLogs({one});
        QCOMPARE(spy.count(), 1);
        graph.setFileLog(one, -1);
        QCOMPARE(graph.logIndex(), one->count() - 1);
        QCOMPARE(graph.cursorRect().x(), 30.0 - 3);
        for (const QPointF &p : graph.points(0).first())
            QCOMPARE(p.x(), 30.0);
        QVERIFY(!graph.grab().toImage().isNull());
        press(&graph, {300, 60});
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().at(0).value<FileLog *>(), nullptr);  // right of every record
    }

    // Logs of 0-59 s and 120-179 s: 600 points over 179 s, 3.35 points a second.
    void clicks_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("log");  // -1: none
        QTest::addColumn<qint64>("index");
        const double k = 600.0 / 179;
        QTest::newRow("on a record's column") << 30 + 10 * k << 60.0 << 0 << qint64(10);
        QTest::newRow("between two columns") << 30 + 10 * k + 2 << 60.0 << 0 << qint64(10);
        QTest::newRow("in the gap") << 30 + 90 * k << 60.0 << 1 << qint64(0);
        QTest::newRow("below the plot") << 30 + 10 * k << 5.0 << 0 << qint64(0);
        QTest::newRow("second log") << 30 + 150 * k << 60.0 << 1 << qint64(30);
    }
    void clicks()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, log);
        QFETCH(qint64, index);
        SkinLogGraph graph;
        graph.resize(640, 135);
        const QList<FileLog *> logs{this->log(range(0, 60), 0), this->log(range(120, 180), 0)};
        graph.loadWithFileLogs(logs);
        QSignalSpy spy(&graph, &SkinLogGraph::changeFileLog);
        press(&graph, {x, y});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(0).value<FileLog *>(), logs.value(log));
        QCOMPARE(spy.first().at(1).toLongLong(), index);
        // Both curves start with a move: no line joins the logs.
        QCOMPARE(graph.points(0).size(), 2);
    }
};

QTEST_MAIN(TestSkinLogGraph)
#include "test_SkinLogGraph.moc"
