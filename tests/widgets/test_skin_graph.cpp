// The G-sensor graph: curves against their own grid labels at every zoom, the windows of
// recordings and logs, markers, one-frame windows and the frame a click or drag asks for.
#include "CardGenerator.h"
#include "DriveModel.h"
#include "FileLog.h"
#include "FileManager.h"
#include "NmeaLog.h"
#include "SkinGraph.h"
#include "SkinManager.h"
#include "TestRecording.h"

#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestSkinGraph : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SkinManager> skin;
    int written = 0;

    FileVideo *video(QList<TestRecording::Frame> frames, int type)
    {
        const QString file = TestRecording::write(dir.path(), QString::number(++written), frames);
        return FileVideo::create(dir.path(), file, type, this);
    }
    QList<TestRecording::Frame> frames(int count, int gx = 0, int gy = 0)
    {
        QList<TestRecording::Frame> list = TestRecording::solidFrames(count, QSize(8, 8));
        for (auto &f : list)
            f.gx = gx, f.gy = gy;
        return list;
    }
    // Rows (Qt, from the top) of a column where the colour dominates; the graph is 146 high.
    static QList<int> rowsOf(const QImage &image, int x, QRgb colour)
    {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == colour)
                rows.append(y);
        return rows;
    }
    static void press(QWidget *w, QEvent::Type type, QPointF specPoint, Qt::MouseButtons buttons)
    {
        const QPointF p(specPoint.x(), w->height() - specPoint.y());
        QMouseEvent event(type, p, w->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        FileManager::setDisplaySettings(0, 0, 0);
        skin = SkinManager::create();
        QVERIFY(skin);
    }

    // X at the top label's value lies on the top grid line, Y at the lowest label's on the
    // bottom one, Z (1 g, gravity removed) on the zero line, at every zoom.
    void curvesMeetTheirLabels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("lowest");
        QTest::newRow("zoom 1") << 1.0 << 4000 << -4000;
        QTest::newRow("zoom 2") << 2.0 << 3000 << -3000;
        QTest::newRow("zoom 3") << 3.0 << 2000 << -2000;
        QTest::newRow("zoom 4") << 4.0 << 1000 << -1000;
    }
    void curvesMeetTheirLabels()
    {
        QFETCH(double, zoom);
        QFETCH(int, top);
        QFETCH(int, lowest);
        SkinGraph graph(skin.get(), nullptr);
        QCOMPARE(graph.size(), QSize(468, 146));
        graph.setZoom(zoom);
        graph.loadWithFileVideo(video(frames(20, top, lowest), FileVideo::Normal), 0);
        const QImage image = graph.grab().toImage();
        // Grid lines: top at y 141 and bottom at y 21 (bottom-left), zero line at y 81.
        QCOMPARE(rowsOf(image, 320, qRgb(255, 0, 0)), QList<int>{146 - 141});
        QCOMPARE(rowsOf(image, 320, qRgb(0, 255, 0)), QList<int>{146 - 21});
        QCOMPARE(rowsOf(image, 320, qRgb(0, 0, 255)), QList<int>{146 - 81});
        // Red time labels at both ends of the bottom strip.
        for (int x0 : {10, 358}) {
            int red = 0;
            for (int x = x0; x < x0 + 100; ++x)
                for (int y = 131; y < 146; ++y)
                    red += qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 100;
            QVERIFY(red > 50);
        }
    }

    void zoomIsClamped()
    {
        SkinGraph graph(skin.get(), nullptr);
        graph.setZoom(7);
        QCOMPARE(graph.zoom(), 4.0);
        graph.setZoom(0);
        QCOMPARE(graph.zoom(), 1.0);
    }

    // 95 s of a normal recording at 10 frames/s in 30-second windows; a whole event
    // recording; a log of 150 seconds in one-minute windows.
    void windows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<qint64>("location");
        QTest::addColumn<qint64>("length");
        QTest::newRow("normal 1 s") << int(FileVideo::Normal) << qint64(10) << qint64(0) << qint64(300);
        QTest::newRow("normal 31 s") << int(FileVideo::Normal) << qint64(310) << qint64(300) << qint64(300);
        QTest::newRow("normal last") << int(FileVideo::Normal) << qint64(949) << qint64(900) << qint64(50);
        QTest::newRow("event") << int(FileVideo::Event) << qint64(600) << qint64(0) << qint64(950);
        QTest::newRow("log 65 s") << 0 << qint64(65) << qint64(60) << qint64(60);
        QTest::newRow("log last") << 0 << qint64(149) << qint64(120) << qint64(30);
    }
    void windows()
    {
        QFETCH(int, type);
        QFETCH(qint64, index);
        QFETCH(qint64, location);
        QFETCH(qint64, length);
        SkinGraph graph(skin.get(), nullptr);
        if (type != 0) {
            graph.loadWithFileVideo(video(frames(950), type), 0);
        } else {
            DriveModel drive(3);
            drive.extend(150);
            NmeaLog text(drive, 1795248000, 0, true);
            for (int s = 0; s < 150; ++s)
                text.addSecond(s, 0);
            QFile file(dir.filePath(QStringLiteral("0000000009.log")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.text()) > 0);
            file.close();
            FileLog *log = FileLog::create(dir.path(), QStringLiteral("0000000009.log"), this);
            QVERIFY(log && log->count() == 150);
            graph.loadWithFileLog(log, 0);
            QCOMPARE(graph.range(), (SkinGraph::Range{0, 60}));
        }
        graph.setFrameIndex(index);
        QCOMPARE(graph.range(), (SkinGraph::Range{location, length}));
    }

    // An event recording marks its first post-event frame; a normal recording each event
    // run but one already under way at the window's start. Frame j is at x = 30 + j * 22.5.
    void markers_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("flagged");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("event") << int(FileVideo::Event) << QList<int>{12, 13, 14} << QList<int>{12};
        QTest::newRow("normal") << int(FileVideo::Normal) << QList<int>{0, 1, 10, 11, 16}
                                << QList<int>{10, 16};
    }
    void markers()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, flagged);
        QFETCH(QList<int>, marked);
        QList<TestRecording::Frame> list = frames(20);
        for (int k : flagged) {
            list[k].recordPhase = 3;
            list[k].eventType = 1;
        }
        SkinGraph graph(skin.get(), nullptr);
        graph.loadWithFileVideo(video(list, type), 5);
        const QImage image = graph.grab().toImage();
        for (int j = 0; j < 20; ++j) {
            const int x = 30 + int(j * 22.5);
            const bool black = rowsOf(image, x, qRgb(0, 0, 0)).size() > 40;
            QVERIFY2(black == marked.contains(j), qPrintable(QString::number(j)));
        }
    }

    // A window of one frame: the sample and the cursor at the left edge.
    void oneFrame()
    {
        SkinGraph graph(skin.get(), nullptr);
        FileVideo *one = video(frames(1, 0, 0), FileVideo::Normal);
        graph.loadWithFileVideo(one, -1);
        QCOMPARE(graph.frameIndex(), 0);
        QCOMPARE(graph.cursorRect(), QRectF(27, 21, 6, 120));
        const QImage image = graph.grab().toImage();
        QCOMPARE(rowsOf(image, 31, qRgb(255, 0, 0)), QList<int>{146 - 81});
        QSignalSpy spy(&graph, &SkinGraph::fileVideoFrameIndex);
        press(&graph, QEvent::MouseButtonPress, {30, 60}, Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][1].toLongLong(), 0);
    }

    // A press anywhere in the cursor's height asks for the frame under it; only a drag
    // that started on the cursor follows the pointer.
    void clickAndDrag()
    {
        SkinGraph graph(skin.get(), nullptr);
        FileVideo *v = video(frames(20), FileVideo::Normal);
        graph.loadWithFileVideo(v, 4);
        QSignalSpy spy(&graph, &SkinGraph::fileVideoFrameIndex);
        press(&graph, QEvent::MouseButtonPress, {30 + 9 * 22.5 + 2, 60}, Qt::LeftButton);
        press(&graph, QEvent::MouseMove, {30 + 12 * 22.5, 60}, Qt::LeftButton);
        press(&graph, QEvent::MouseButtonRelease, {30 + 12 * 22.5, 60}, Qt::NoButton);
        press(&graph, QEvent::MouseButtonPress, {30 + 9 * 22.5 + 12, 60}, Qt::LeftButton);
        press(&graph, QEvent::MouseButtonPress, {30 + 9 * 22.5, 10}, Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].value<FileVideo *>(), v);
        QCOMPARE(spy[0][1].toLongLong(), 9);
        press(&graph, QEvent::MouseButtonPress, {30 + 4 * 22.5 - 1, 60}, Qt::LeftButton);
        press(&graph, QEvent::MouseMove, {30 + 15 * 22.5 + 1, 60}, Qt::LeftButton);
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[1][1].toLongLong(), 4);
        QCOMPARE(spy[2][1].toLongLong(), 15);
    }

    // A log window around an event recording's trigger: a guide labelled with the trigger
    // time, a dashed line at it and a bar from the pre-event start to the end.
    void logGuides()
    {
        CardGenerator::Options options;
        options.eventCount = 1;
        options.normalCount = 0;
        options.resolution = QSize(32, 24);
        options.reusePictures = true;
        CardGenerator generator(options);
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(generator.generate(card));
        FileManager manager;
        QVERIFY(manager.loadFiles(card) && manager.logs().size() == 1);
        FileVideo *event = manager.eventVideos().value(0);
        QVERIFY(event);
        qint64 trigger = 0;
        while (event->headerAtIndex(trigger).record_phase != 3)
            ++trigger;
        const QString time = FileManager::timeString(event->headerAtIndex(trigger).time);
        FileLog *log = manager.logs()[0];
        qint64 record = 0;
        while (FileManager::timeString(log->logAtIndex(record).time) != time)
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
};

QTEST_MAIN(TestSkinGraph)
#include "test_skin_graph.moc"
