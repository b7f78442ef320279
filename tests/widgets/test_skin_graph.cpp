// The G-sensor graph: curves against their own grid labels at every zoom, the windows of
// recordings and logs, markers and guides, one-frame windows, clicks and drags.
#include "CardGenerator.h"
#include "DriveModel.h"
#include "FileManager.h"
#include "NmeaLog.h"
#include "SkinGraph.h"
#include "SkinManager.h"
#include "TestCard.h"

#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SkinGraph::Range)

class TestSkinGraph : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SkinManager> skin;
    int written = 0;

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
    // A log of the given drive seconds, one record each.
    FileLog *log(const QList<int> &seconds)
    {
        DriveModel drive(3);
        drive.extend(200);
        NmeaLog text(drive, 1795248000, 0, true);
        for (int s : seconds)
            text.addSecond(s, 0);
        const QString name = QString::number(++written) + QStringLiteral(".log");
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(text.text()) > 0 && (file.close(), true)
                   ? FileLog::create(dir.path(), name, this) : nullptr;
    }
    // Rows (from the top; the graph is 146 high) of a column that have exactly the colour.
    static QList<int> rowsOf(const QImage &image, int x, QRgb colour)
    {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == colour)
                rows.append(y);
        return rows;
    }
    static void mouse(QWidget *w, QEvent::Type type, QPointF specPoint, Qt::MouseButtons buttons)
    {
        const QPointF p(specPoint.x(), w->height() - specPoint.y());
        QMouseEvent event(type, p, w->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        skin = SkinManager::create();
        QVERIFY(skin);
    }

    // X at the top label's value lies on the top grid line (y 141), Y at the lowest one's on
    // the bottom line (y 21), Z (1 g, gravity removed) on the zero line (y 81).
    void curvesMeetTheirLabels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("top");
        QTest::newRow("zoom 1") << 1.0 << 4000;
        QTest::newRow("zoom 2") << 2.0 << 3000;
        QTest::newRow("zoom 3") << 3.0 << 2000;
        QTest::newRow("zoom 4") << 4.0 << 1000;
    }
    void curvesMeetTheirLabels()
    {
        QFETCH(double, zoom);
        QFETCH(int, top);
        SkinGraph graph(skin.get(), nullptr);
        QCOMPARE(graph.size(), QSize(468, 146));
        graph.setZoom(zoom);
        graph.loadWithFileVideo(video(frames(20, top, -top), FileVideo::Normal), 0);
        const QImage image = graph.grab().toImage();
        QCOMPARE(rowsOf(image, 320, qRgb(255, 0, 0)), QList<int>{146 - 141});
        QCOMPARE(rowsOf(image, 320, qRgb(0, 255, 0)), QList<int>{146 - 21});
        QCOMPARE(rowsOf(image, 320, qRgb(0, 0, 255)), QList<int>{146 - 81});
        for (int x0 : {10, 358}) {  // red time labels at both ends of the bottom strip
            int red = 0;
            for (int x = x0; x < x0 + 100; ++x)
                for (int y = 131; y < 146; ++y)
                    red += qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 100;
            QVERIFY(red > 50);
        }
    }

    // 95 s of a normal recording at 10 frames/s in 30-second windows; a whole event
    // recording; a 150 s log in one-minute windows; a log whose clock stood still.
    void windows_data()
    {
        QTest::addColumn<int>("type");  // 0: log
        QTest::addColumn<QList<int>>("seconds");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<SkinGraph::Range>("range");
        const QList<int> normal{};
        QList<int> minutes;
        for (int s = 0; s < 150; ++s)
            minutes << s;
        QTest::newRow("normal 1 s") << 1 << normal << qint64(10) << SkinGraph::Range{0, 300};
        QTest::newRow("normal 31 s") << 1 << normal << qint64(310) << SkinGraph::Range{300, 300};
        QTest::newRow("normal last") << 1 << normal << qint64(949) << SkinGraph::Range{900, 50};
        QTest::newRow("event") << 2 << normal << qint64(600) << SkinGraph::Range{0, 950};
        QTest::newRow("log 65 s") << 0 << minutes << qint64(65) << SkinGraph::Range{60, 60};
        QTest::newRow("log last") << 0 << minutes << qint64(149) << SkinGraph::Range{120, 30};
        QTest::newRow("log still") << 0 << QList<int>{7, 7, 7, 7, 7} << qint64(3) << SkinGraph::Range{0, 5};
    }
    void windows()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, seconds);
        QFETCH(qint64, index);
        QFETCH(SkinGraph::Range, range);
        SkinGraph graph(skin.get(), nullptr);
        if (type != 0) {
            graph.loadWithFileVideo(video(frames(950), type), 0);
            graph.setFrameIndex(index);
        } else {
            graph.loadWithFileLog(log(seconds), index);
        }
        QCOMPARE(graph.range(), range);
        QVERIFY(graph.cursorRect().x() >= 27 && graph.cursorRect().right() <= 30 + 428 + 3);
    }

    // An event recording marks its first post-event frame; a normal recording each event
    // run but one under way at the window's start. Frame j is at x = 30 + j * 22.5.
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
        std::vector<TestCard::Frame> list = frames(20);
        for (int k : flagged)
            list[k].recordPhase = 3, list[k].eventType = 1;
        SkinGraph graph(skin.get(), nullptr);
        graph.loadWithFileVideo(video(list, type), 5);
        const QImage image = graph.grab().toImage();
        for (int j = 0; j < 20; ++j) {
            const bool black = rowsOf(image, 30 + int(j * 22.5), qRgb(0, 0, 0)).size() > 40;
            QVERIFY2(black == marked.contains(j), qPrintable(QString::number(j)));
        }
    }

    // The guide of an event recording in a log window: the trigger time, a dashed line
    // at the trigger and a bar from the pre-event start on to the end.
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

    // A press anywhere in the cursor's height asks for the frame under it; only a drag
    // that started on the cursor follows the pointer. A window of one frame has its sample
    // and cursor at the left edge. Zoom stays 1 to 4.
    void clickDragAndOneFrame()
    {
        SkinGraph graph(skin.get(), nullptr);
        FileVideo *v = video(frames(20), FileVideo::Normal);
        graph.loadWithFileVideo(v, 4);
        QSignalSpy spy(&graph, &SkinGraph::fileVideoFrameIndex);
        mouse(&graph, QEvent::MouseButtonPress, {30 + 9 * 22.5 + 2, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseMove, {30 + 12 * 22.5, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseButtonRelease, {30 + 12 * 22.5, 60}, Qt::NoButton);
        mouse(&graph, QEvent::MouseButtonPress, {30 + 9 * 22.5 + 12, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseButtonPress, {30 + 9 * 22.5, 10}, Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].value<FileVideo *>(), v);
        QCOMPARE(spy[0][1].toLongLong(), 9);
        mouse(&graph, QEvent::MouseButtonPress, {30 + 4 * 22.5 - 1, 60}, Qt::LeftButton);
        mouse(&graph, QEvent::MouseMove, {30 + 15 * 22.5 + 1, 60}, Qt::LeftButton);
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[1][1].toLongLong(), 4);
        QCOMPARE(spy[2][1].toLongLong(), 15);

        graph.loadWithFileVideo(video(frames(1), FileVideo::Normal), -1);
        QCOMPARE(graph.frameIndex(), 0);
        QCOMPARE(graph.cursorRect(), QRectF(27, 21, 6, 120));
        QCOMPARE(rowsOf(graph.grab().toImage(), 31, qRgb(255, 0, 0)), QList<int>{146 - 81});
        mouse(&graph, QEvent::MouseButtonRelease, {30, 60}, Qt::NoButton);
        mouse(&graph, QEvent::MouseButtonPress, {30, 60}, Qt::LeftButton);
        QCOMPARE(spy.size(), 4);
        QCOMPARE(spy[3][1].toLongLong(), 0);
        graph.setZoom(7);
        QCOMPARE(graph.zoom(), 4.0);
        graph.setZoom(0);
        QCOMPARE(graph.zoom(), 1.0);
    }
};

QTEST_MAIN(TestSkinGraph)
#include "test_skin_graph.moc"
