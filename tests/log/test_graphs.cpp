// The two graphs: the G-sensor graph of a recording or log (windows, markers, guides,
// one-frame windows, clicks and drags) and the log page's graph of whole logs (each pixel
// once per curve, one-record logs, clicks inside, between and after logs); both put their
// curves against their own grid labels at every zoom.
#include "DriveModel.h"
#include "FileManager.h"
#include "NmeaLog.h"
#include "SkinGraph.h"
#include "SkinLogGraph.h"
#include "SkinManager.h"
#include "TestCard.h"

#include <QFile>
#include <QMouseEvent>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numeric>

class TestGraphs : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SkinManager> skin;
    int written = 0;
    const int64_t start = 1795248000;
    struct Curves { bool logGraph = false; double zoom = 1; int top = 0; QList<int> rows; };
    struct Window { int type = 0; QList<int> seconds; qint64 index = 0; SkinGraph::Range range; };  // type 0: log
    struct Click { double x = 0, y = 0; int log = 0; qint64 index = 0; };  // log -1: none

    FileVideo *video(std::vector<TestCard::Frame> frames, int type)
    {
        const QString file = QString::number(++written) + QStringLiteral(".vdd");
        return TestCard::writeRecording(dir.filePath(file), frames) ? FileVideo::create(dir.path(), file, type, this)
                                                                    : nullptr;
    }
    std::vector<TestCard::Frame> frames(int count, int gx = 0, int gy = 0)
    {
        std::vector<TestCard::Frame> list = TestCard::solidFrames(count, QSize(8, 8));
        for (auto &f : list)
            f.gx = gx, f.gy = gy;
        return list;
    }
    // Records at the given seconds after start, X = gx, Y = -gx, Z = 1 g, or moving values.
    FileLog *log(const QList<int> &seconds, int gx = 0, bool moving = false)
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
    // Rows (from the top) of a column that have exactly the colour.
    static QList<int> rowsOf(const QImage &image, int x, QRgb colour)
    {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == colour)
                rows.append(y);
        return rows;
    }
    static void mouse(QWidget *w, QEvent::Type type, QPointF specPoint, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        const QPointF p(specPoint.x(), w->height() - specPoint.y());
        QMouseEvent event(type, p, w->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }
    static void press(QWidget *w, QPointF specPoint) { mouse(w, QEvent::MouseButtonPress, specPoint); }

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        skin = SkinManager::create();
        QVERIFY(skin);
    }

    // X at the top label's value lies on the top grid line, Y at the lowest one's on the
    // bottom line, Z (1 g, gravity removed) on the zero line: rows from the top of the
    // 468 x 146 G-sensor graph and the 640 x 135 log graph. Zoom stays 1 to 4.
    void curvesMeetTheirLabels_data()
    {
        QTest::addColumn<Curves>("row");
        const QList<std::pair<double, int>> zooms = {{1.0, 4000}, {2.0, 3000}, {3.0, 2000}, {4.0, 1000}, {5.0, 1000}};
        for (const auto &[zoom, top] : zooms) {
            QTest::addRow("G-sensor zoom %g", zoom) << Curves{false, zoom, top, {5, 125, 65}};
            QTest::addRow("log zoom %g", zoom) << Curves{true, zoom, top, {5, 114, 60}};
        }
    }
    void curvesMeetTheirLabels()
    {
        QFETCH(Curves, row);
        SkinGraph graph(skin.get(), nullptr);
        SkinLogGraph logs;
        logs.resize(640, 135);
        QCOMPARE(graph.size(), QSize(468, 146));
        graph.setZoom(row.zoom);
        logs.setZoom(row.zoom);
        QCOMPARE(row.logGraph ? logs.zoom() : graph.zoom(), std::min(row.zoom, 4.0));
        if (row.logGraph)
            logs.loadWithFileLogs({log(range(0, 120), row.top)});
        else
            graph.loadWithFileVideo(video(frames(20, row.top, -row.top), FileVideo::Normal), 0);
        const QImage image = row.logGraph ? logs.grab().toImage() : graph.grab().toImage();
        const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(rowsOf(image, 320, colours[axis]), QList<int>{row.rows[axis]});
        for (int x0 : {10, 358}) {  // the G-sensor graph's red time labels at both ends
            int red = 0;
            for (int x = x0; x < x0 + 100; ++x)
                for (int y = 131; y < 146; ++y)
                    red += qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 100;
            QVERIFY(row.logGraph || red > 50);
        }
    }

    // 95 s of a normal recording at 10 frames/s in 30-second windows; a whole event
    // recording; a 150 s log in one-minute windows; a log whose clock stood still.
    void windows_data()
    {
        QTest::addColumn<Window>("row");
        const QList<int> normal{}, minutes = range(0, 150);
        QTest::newRow("normal 1 s") << Window{1, normal, 10, {0, 300}};
        QTest::newRow("normal 31 s") << Window{1, normal, 310, {300, 300}};
        QTest::newRow("normal last") << Window{1, normal, 949, {900, 50}};
        QTest::newRow("event") << Window{2, normal, 600, {0, 950}};
        QTest::newRow("log 65 s") << Window{0, minutes, 65, {60, 60}};
        QTest::newRow("log last") << Window{0, minutes, 149, {120, 30}};
        QTest::newRow("log still") << Window{0, QList<int>{7, 7, 7, 7, 7}, 3, {0, 5}};
    }
    void windows()
    {
        QFETCH(Window, row);
        SkinGraph graph(skin.get(), nullptr);
        if (row.type != 0) {
            graph.loadWithFileVideo(video(frames(950), row.type), 0);
            graph.setFrameIndex(row.index);
        } else {
            graph.loadWithFileLog(log(row.seconds), row.index);
        }
        QCOMPARE(graph.range(), row.range);
        QVERIFY(graph.cursorRect().x() >= 27 && graph.cursorRect().right() <= 30 + 428 + 3);
    }

    // An event recording marks its first post-event frame; a normal recording each event
    // run but one under way at the window's start. 20 frames over the 428-wide plot from
    // x 30: frame 10 at x 255, 12 at 300, 16 at 390.
    void markers_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("flagged");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("event") << int(FileVideo::Event) << QList<int>{12, 13, 14} << QList<int>{300};
        QTest::newRow("normal") << int(FileVideo::Normal) << QList<int>{0, 1, 10, 11, 16} << QList<int>{255, 390};
    }
    void markers()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, flagged);
        std::vector<TestCard::Frame> list = frames(20);
        for (int k : flagged)
            list[k].recordPhase = 3, list[k].eventType = 1;
        SkinGraph graph(skin.get(), nullptr);
        graph.loadWithFileVideo(video(list, type), 5);
        const QImage image = graph.grab().toImage();
        QList<int> black;
        for (int x = 0; x < image.width(); ++x)
            if (rowsOf(image, x, qRgb(0, 0, 0)).size() > 40)
                black.append(x);
        QTEST(black, "columns");
    }

    // The guide of an event recording in a log window: the trigger time, a dashed line
    // at the trigger and a bar from the pre-event start on to the end.
    void logGuides()
    {
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(TestCard::generate(card, 1, 0, 1));
        FileManager manager;
        QVERIFY(manager.loadFiles(card) && manager.logs().size() == 1);
        FileVideo *event = manager.eventVideos().value(0);
        QVERIFY(event);
        qint64 trigger = 0;
        while (event->headerAtIndex(trigger).record_phase != 3)
            ++trigger;
        const QString time = DisplayFormat().timeString(event->headerAtIndex(trigger).time);
        FileLog *log = manager.logs()[0];
        qint64 record = 0;
        while (DisplayFormat().timeString(log->logAtIndex(record).time) != time)
            ++record;
        SkinGraph graph(skin.get(), &manager);
        graph.loadWithFileLog(log, record);
        QCOMPARE(graph.logGuides().size(), 1);
        const SkinGraph::Guide guide = graph.logGuides()[0];
        QCOMPARE(guide.str, time);
        QVERIFY(guide.pre < guide.trig && guide.trig < guide.post);
        const QImage image = graph.grab().toImage();
        QVERIFY(rowsOf(image, int(guide.trig), qRgb(0, 0, 0)).size() > 40);
        int bar = 0;
        for (int x = int(guide.trig) + 6; x < int(guide.trig) + 11; ++x)
            bar += image.pixel(x, 146 - 100) == qRgb(0, 0, 0);
        QVERIFY(bar >= 2);
    }

    // A press anywhere in the cursor's height asks for the frame under it (frame 9 at
    // x 232.5); only a drag that started on the cursor follows the pointer. A window of one frame has its sample
    // and cursor at the left edge. Zoom stays 1 to 4.
    void clickDragAndOneFrame()
    {
        SkinGraph graph(skin.get(), nullptr);
        FileVideo *v = video(frames(20), FileVideo::Normal);
        graph.loadWithFileVideo(v, 4);
        QSignalSpy spy(&graph, &SkinGraph::fileVideoFrameIndex);
        mouse(&graph, QEvent::MouseButtonPress, {234.5, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseMove, {300, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseButtonRelease, {300, 60}, Qt::NoButton);
        mouse(&graph, QEvent::MouseButtonPress, {244.5, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseButtonPress, {232.5, 10}, Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].value<FileVideo *>(), v);
        QCOMPARE(spy[0][1].toLongLong(), 9);
        mouse(&graph, QEvent::MouseButtonPress, {119, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseMove, {368.5, 60}, Qt::LeftButton);
        QCOMPARE(spy.size(), 3);
        QCOMPARE(QPair(spy[1][1].toLongLong(), spy[2][1].toLongLong()), QPair(4LL, 15LL));

        graph.loadWithFileVideo(video(frames(1), FileVideo::Normal), -1);
        QCOMPARE(graph.frameIndex(), 0);
        QCOMPARE(graph.cursorRect(), QRectF(27, 21, 6, 120));
        QCOMPARE(rowsOf(graph.grab().toImage(), 31, qRgb(255, 0, 0)), QList<int>{146 - 81});
        mouse(&graph, QEvent::MouseButtonRelease, {30, 60}, Qt::NoButton);
        mouse(&graph, QEvent::MouseButtonPress, {30, 60}, Qt::LeftButton);
        QCOMPARE(spy.size(), 4);
        QCOMPARE(spy[3][1].toLongLong(), 0);
        graph.setZoom(0);
        QCOMPARE(graph.zoom(), 1.0);
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
        QTest::addColumn<Click>("row");
        const double k = 600.0 / 179;
        QTest::newRow("on a record's column") << Click{30 + 10 * k, 60.0, 0, 10};
        QTest::newRow("between two columns") << Click{30 + 10 * k + 2, 60.0, 0, 10};
        QTest::newRow("in the gap") << Click{30 + 90 * k, 60.0, 1, 0};
        QTest::newRow("below the plot") << Click{30 + 10 * k, 5.0, 0, 0};
        QTest::newRow("second log") << Click{30 + 150 * k, 60.0, 1, 30};
    }
    void clicks()
    {
        QFETCH(Click, row);
        SkinLogGraph graph;
        graph.resize(640, 135);
        const QList<FileLog *> logs{this->log(range(0, 60)), this->log(range(120, 180))};
        graph.loadWithFileLogs(logs);
        QSignalSpy spy(&graph, &SkinLogGraph::changeFileLog);
        press(&graph, {row.x, row.y});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(0).value<FileLog *>(), logs.value(row.log));
        QCOMPARE(spy.first().at(1).toLongLong(), row.index);
        // Both curves start with a move: no line joins the logs.
        QCOMPARE(graph.points(0).size(), 2);
    }
};

QTEST_MAIN(TestGraphs)
#include "test_graphs.moc"
