// Playback of a recording and of a log; lookups, decoding, stills and movie captions of one
// recording.
#include "FileLog.h"
#include "FileVideo.h"
#include "FrameCaptions.h"
#include "Texts.h"
#include "TestCard.h"
#include "vexa_time.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

using TestCard::Frame;

static _vexa_time_t start()
{
    return TestCard::utc(2024, 5, 1, 10, 0, 0);
}

// Pixels that the captions turned yellow inside r.
static int yellowIn(const QImage &image, const QRect &r)
{
    return TestCard::countNear(image, QColor(255, 255, 40), 54, r);
}

struct PlayRow { bool isLog{}; int count{}; qint64 from{}; double speed{}; QList<qint64> reports; };

struct PauseRow { bool isLog{}; qint64 from{}; double speed{}; int steps{}; qint64 paused{}; };

// second: of 10:00; -1 is 09:59:59
struct FindRow { int second{}; int msec{}; qint64 first{}; qint64 last{}; };

struct FlipRow { int flip{}; QColor topLeft; QColor bottomRight; };

class TestFileVideo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(_dir.isValid());
    }

    // Both players: each step reports the index shown; a video's step past either end shows
    // the frame at that end first, then the index past it, a log goes on one record a step.
    // The end leaves playback on until the next pause.
    void playsToTheEnd_data()
    {
        QTest::addColumn<PlayRow>("row");
        QTest::newRow("stride 4") << PlayRow{false, 10, 0, 4.0, {0, 4, 8, 9, 13}};
        QTest::newRow("backwards") << PlayRow{false, 10, 9, -4.0, {9, 5, 1, 0, -4}};
        QTest::newRow("16 from 5") << PlayRow{false, 10, 5, 16.0, {5, 9, 25}};
        QTest::newRow("from beyond the end") << PlayRow{false, 10, 40, 1.0, {9, 10}};
        QTest::newRow("one frame") << PlayRow{false, 1, 0, 1.0, {0, 1}};
        QTest::newRow("one frame backwards") << PlayRow{false, 1, 0, -16.0, {0, -16}};
        QTest::newRow("log at 4") << PlayRow{true, 10, 5, 4.0, {5, 6, 7, 8, 9, 10}};
        QTest::newRow("log backwards") << PlayRow{true, 10, 2, -8.0, {2, 1, 0, -1}};
        QTest::newRow("one record") << PlayRow{true, 1, 0, 16.0, {0, 1}};
    }

    void playsToTheEnd()
    {
        QFETCH(PlayRow, row);
        Player p;
        player(p, row.isLog, row.count);
        p.go(row.from);
        p.reports.clear();
        p.play(row.speed);
        while (p.pending())
            p.next();
        QCOMPARE(p.reports, row.reports);
        QVERIFY(p.playing());
    }

    // The speed sets the step and the delay; only the draw time is taken off the delay. A
    // log waits a second a record at speed 1, the longest for a speed too small for a delay.
    void delaysFollowTheSpeed()
    {
        auto video = recording(TestCard::frames(10, start(), 100));
        QCOMPARE(video->interval(), 100);
        for (const auto &[speed, step, delay] : {std::tuple{1.0, 1, 100}, {0.5, 1, 200}, {-0.5, -1, 200},
                                                  {16.0, 16, 100}, {-2.0, -2, 100}})
            QCOMPARE(QPoint(int(video->strideForSpeed(speed).step), int(video->strideForSpeed(speed).delay)), QPoint(step, delay));
        video->playWithSpeed(0.5);
        QVERIFY(video->stepPending() && video->scheduledDelay() <= 200);
        Player l;
        player(l, true, 10);
        for (const auto &[speed, delay] : {std::pair{1.0, qint64(1000)}, {-16.0, qint64(62)}, {0.5, qint64(2000)},
                                           {0.0, qint64(0)}, {1e-300, qint64(INT_MAX)}})
            QCOMPARE(l.log->delayForSpeed(speed), delay);
    }

    // Pause returns a video to the frame last shown: after steps, after a half-speed step
    // backward, after the end report, after a step shortened at the end; a log goes back by
    // the speed, within the log. The same speed again does not restart.
    void pauseGoesBackToTheFrameShown_data()
    {
        QTest::addColumn<PauseRow>("row");
        QTest::newRow("forward") << PauseRow{false, 0, 4.0, 1, 4};
        QTest::newRow("half speed backward") << PauseRow{false, 10, -0.5, 0, 10};
        QTest::newRow("after the end") << PauseRow{false, 19, 2.0, 0, 19};
        QTest::newRow("shortened step") << PauseRow{false, 15, 16.0, 1, 19};
        QTest::newRow("same speed again") << PauseRow{false, 0, 1.0, 2, 2};
        QTest::newRow("log back by the speed") << PauseRow{true, 3, 4.0, 2, 2};
        QTest::newRow("log not before the first") << PauseRow{true, 1, 16.0, 0, 0};
        QTest::newRow("log not past the last") << PauseRow{true, 8, -16.0, 0, 9};
        QTest::newRow("log huge speed") << PauseRow{true, 9, 1e300, 0, 0};
    }

    void pauseGoesBackToTheFrameShown()
    {
        QFETCH(PauseRow, row);
        Player p;
        player(p, row.isLog, row.isLog ? 10 : 20);
        p.go(row.from);
        p.play(row.speed);
        for (int i = 0; i < row.steps; ++i) {
            p.next();
            p.play(row.speed);
        }
        p.pause();
        QCOMPARE(p.index(), row.paused);
        QVERIFY(!p.pending() && !p.playing());
    }

    // A log's steps and goto stay inside it; a log that cannot be read is refused.
    void logStepsAndRefusals()
    {
        Player p;
        player(p, true, 10);
        QCOMPARE(p.log->interval(), 1000);
        QCOMPARE(p.log->lastLog().time.second, 9);
        QCOMPARE(p.log->logAtIndex(10).time.year + p.log->logAtIndex(-1).time.year, 0);
        p.go(1);
        p.log->step(false);
        p.go(-1);
        p.log->step(true);
        p.go(0xFFFFFFFFLL);
        QCOMPARE(p.reports, (QList<qint64>{1, 1, 9, 9, 9}));
        QVERIFY(TestCard::writeFile(_dir.filePath(QStringLiteral("junk.log")),
                                    "$GPRMC,,A,3731.5000,N,12658.2000,E,10.0,90.0,,,*00\n"));
        QVERIFY(!FileLog::create(_dir.path(), QStringLiteral("junk.log")));
        QVERIFY(!FileLog::create(_dir.path(), QStringLiteral("missing.log")));
    }

    // Steps and moves stop at the ends; -1 or a huge index is the last frame.
    void stepsAndMovesStopAtTheEdges()
    {
        auto video = recording(TestCard::frames(10, start()));
        QSignalSpy spy(video.get(), &FileVideo::fileVideoFrameIndex);
        video->moveFrame(-1);
        QCOMPARE(video->currentIndex(), 9);
        video->moveFrame(0xFFFFFFFFLL);
        QCOMPARE(video->currentIndex(), 9);
        QCOMPARE(spy.size(), 0);  // a move reports nothing
        video->step(true);
        video->moveFrame(1);
        video->step(false);
        video->step(true);
        video->moveFrame(0);
        video->step(false);
        video->gotoFrame(-1);
        QCOMPARE(reported(spy), (QList<qint64>{9, 1, 2, 0, 9}));
        QCOMPARE(int(video->lastHeader().time.millisecond), 900);

        // A step pauses playback first.
        video->moveFrame(3);
        video->playWithSpeed(2);
        video->step(true);
        QVERIFY(!video->isPlaying());
        QCOMPARE(video->currentIndex(), 4);
    }

    void zeroIntervalPlaybackStillEnds()
    {
        auto video = recording(TestCard::frames(30, start(), 0));
        QCOMPARE(video->interval(), 0);
        QSignalSpy spy(video.get(), &FileVideo::fileVideoFrameIndex);
        video->playWithSpeed(1);
        for (int i = 0; i < 100 && video->stepPending(); ++i)
            video->playImage();
        QCOMPARE(reported(spy).size(), 31);
        QCOMPARE(reported(spy).last(), 30);
        QVERIFY(!video->stepPending());

        // A speed below one frame a step shows the frame once and schedules nothing.
        spy.clear();
        video->moveFrame(5);
        video->playWithSpeed(0.25);
        QCOMPARE(reported(spy), (QList<qint64>{5}));
        QVERIFY(!video->stepPending());
    }

    void listsTriggerRunsAfterFrameZero()
    {
        std::vector<Frame> frames = TestCard::frames(30, start());
        for (int i : {0, 1, 2, 3, 4, 20, 21, 22, 23, 24, 25})
            frames[size_t(i)].eventType = 1;
        auto normal = recording(frames, FileVideo::Normal);
        QCOMPARE(normal->triggerList(), (QList<qint64>{20}));

        frames[0].eventType = frames[1].eventType = 0;
        frames[29].eventType = 2;
        auto second = recording(frames, FileVideo::Normal);
        QCOMPARE(second->triggerList(), (QList<qint64>{2, 20, 29}));

        auto event = recording(frames, FileVideo::Event);
        QVERIFY(event->triggerList().isEmpty());
    }

    void findsFramesByTime_data()
    {
        QTest::addColumn<FindRow>("row");
        // Frames at 10:00:ss with ss = 0 0 1 1 6 2 2 1 5 5.5: the times jump back and forth.
        QTest::newRow("first second") << FindRow{0, 999, 0, 1};
        QTest::newRow("split second") << FindRow{1, 450, 2, 7};
        QTest::newRow("after a jump back") << FindRow{2, 0, 5, 6};
        QTest::newRow("no frame in that second") << FindRow{3, 0, -1, -1};
        QTest::newRow("last frame") << FindRow{5, 500, 8, 9};
        QTest::newRow("after the last frame") << FindRow{5, 501, -1, -1};
        QTest::newRow("before the first frame") << FindRow{-1, 999, -1, -1};
    }

    void findsFramesByTime()
    {
        QFETCH(FindRow, row);
        std::vector<Frame> frames = TestCard::frames(10, start(), 0);
        const int seconds[] = {0, 0, 1, 1, 6, 2, 2, 1, 5, 5};
        for (size_t i = 0; i < frames.size(); ++i)
            frames[i].time = TestCard::utc(2024, 5, 1, 10, 0, seconds[i], i == 9 ? 500 : 0);
        auto video = recording(frames);
        const _vexa_time_t at = TestCard::utc(2024, 5, 1, 10, 0, row.second, row.msec);
        QCOMPARE(video->indexAtTimestamp(at, true), row.first);
        QCOMPARE(video->indexAtTimestamp(at, false), row.last);
    }

    // A recording covers its first frame's time up to its last one's, excluded; one frame
    // covers no time at all.
    void timeSpans()
    {
        auto video = recording(TestCard::frames(30, start(), 100));
        const qint64 s = time_to_msec(start());
        QVERIFY(video->intime(s - 1000, s + 1));
        QVERIFY(!video->intime(s - 1000, s));
        QVERIFY(video->intime(s + 2899, s + 5000));
        QVERIFY(!video->intime(s + 2900, s + 5000));
        auto one = recording(TestCard::frames(1, start()));
        QCOMPARE(QList<qint64>({one->interval(), one->startTime(), one->endTime()}), QList<qint64>({0, 0, 0}));
        QCOMPARE(one->indexAtTimestamp(start(), true), -1);
    }

    void decodesFrames()
    {
        auto video = recording(TestCard::frames(3, start()));
        const QImage image = video->imageAtIndex(2);
        QCOMPARE(image.size(), QSize(64, 48));
        QVERIFY(video->imageAtIndex(3).isNull() && video->imageAtIndex(-1).isNull());
        uint8_t comment[VEXA_COMMENT_SIZE];
        QVERIFY(video->jpegComment(comment, 1));
        QCOMPARE(QPair(int(comment[5]), int(comment[6])), QPair(0, 1));
        video->close();
        QVERIFY(video->imageAtIndex(0).isNull());
        QVERIFY(!video->jpegComment(comment, 1));
        QCOMPARE(int(video->headerAtIndex(1).time.millisecond), 100);  // headers outlive close()
    }

    void savesFlippedStills_data()
    {
        QTest::addColumn<FlipRow>("row");
        QTest::newRow("none") << FlipRow{0, QColor(Qt::red), QColor(Qt::white)};
        QTest::newRow("upside down") << FlipRow{1, QColor(Qt::blue), QColor(Qt::green)};
        QTest::newRow("mirrored") << FlipRow{2, QColor(Qt::green), QColor(Qt::blue)};
        QTest::newRow("half turn") << FlipRow{3, QColor(Qt::white), QColor(Qt::red)};
        QTest::newRow("unknown") << FlipRow{9, QColor(Qt::red), QColor(Qt::white)};
    }

    void savesFlippedStills()
    {
        QFETCH(FlipRow, row);
        auto video = recording(TestCard::frames(2, start()));
        const QString path = _dir.filePath(QStringLiteral("still-%1.jpg").arg(row.flip));
        QVERIFY(video->saveImageAtIndex(1, path, row.flip));
        const QImage still(path, "jpeg");
        QCOMPARE(still.size(), QSize(64, 48));
        QVERIFY(TestCard::near(still.pixelColor(4, 4), row.topLeft, 40));
        QVERIFY(TestCard::near(still.pixelColor(59, 43), row.bottomRight, 40));
        QVERIFY(!video->saveImageAtIndex(5, _dir.filePath(QStringLiteral("none.jpg")), row.flip));
        QVERIFY(!QFile::exists(_dir.filePath(QStringLiteral("none.jpg"))));
    }

    void captionTexts()
    {
        QCOMPARE(FrameCaptions::latitudeText(3731.5),
                 QStringLiteral("37\u00B0 31\u2019 30.00\u201D N"));
        QCOMPARE(FrameCaptions::longitudeText(-12658.2),
                 QStringLiteral("126\u00B0 58\u2019 12.00\u201D W"));
        QCOMPARE(FrameCaptions::latitudeText(-512.0), QStringLiteral("05\u00B0 12\u2019 00.00\u201D S"));
        _vexa_video_frame_header_t h{};
        h.speed = 100;
        h.course = 90;
        QCOMPARE(FrameCaptions::speedText(h, DisplayFormat(DisplayFormat::Imperial, 0)),
                 QStringLiteral("62 MPH [") + Texts::text("gui_course_e") + QLatin1Char(']'));
    }

    void captionsLandInTheirLines()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(40, 40, 90));
        std::vector<Frame> frames = TestCard::frames(2, start());
        frames[1].gps = true;
        frames[1].latitude = 3731.5;
        frames[1].longitude = 12658.2;
        frames[1].speed = 50;
        frames[1].course = 10;
        frames[1].gx = 250;
        auto video = recording(frames, FileVideo::Event, picture);
        const DisplayFormat format;
        const QImage plain = video->aviImageAtIndex(1, QString(), false, false, false, false, 0, format);
        const QImage full = video->aviImageAtIndex(1, QStringLiteral("CAR 12"), true, true, true, true, 0, format);
        QCOMPARE(full.size(), QSize(640, 480));

        const int w = 640, h = 480;
        // Every changed pixel lies in a caption line (or the vehicle line at the top).
        QRegion lines(QRect(0, 0, 200, 20));
        for (int y : {5, 20, 35, 50})
            lines += FrameCaptions::lineRect(y, w, h).toAlignedRect().adjusted(-2, -2, 2, 4);
        int changed = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (plain.pixel(x, y) == full.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY2(lines.contains(QPoint(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(changed > 500);

        const QRect bottom = FrameCaptions::lineRect(5, w, h).toAlignedRect();
        QCOMPARE(bottom, QRect(5, 460, 630, 15));
        QVERIFY(yellowIn(full, QRect(5, 460, 150, 18)) > 40);    // date, left
        QVERIFY(yellowIn(full, QRect(260, 460, 120, 18)) > 40);  // speed, centre
        QVERIFY(yellowIn(full, QRect(500, 460, 135, 18)) > 40);  // longitude, right
        QVERIFY(yellowIn(full, QRect(500, 445, 135, 15)) > 40);  // latitude, right, above
        for (int y : {20, 35, 50})                                // Z, Y, X lines, left
            QVERIFY(yellowIn(full, FrameCaptions::lineRect(y, w, h).toAlignedRect().intersected(QRect(0, 0, 90, h))) > 20);
        QVERIFY(yellowIn(full, QRect(5, 0, 80, 19)) > 20);       // vehicle, top left
        QCOMPARE(yellowIn(full, QRect(160, 445, 300, 15)), 0);    // nothing between Z and latitude

        // The picture under the captions is flipped like a still.
        const QImage turned = video->aviImageAtIndex(1, QString(), false, true, false, false, 3, format);
        QVERIFY(yellowIn(turned, QRect(5, 460, 150, 18)) > 40);  // captions do not turn
    }

    void captionWithoutFixShowsNoSignal()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::black);
        auto video = recording(TestCard::frames(1, start()), FileVideo::Event, picture);
        const QImage image = video->aviImageAtIndex(0, QString(), true, false, true, false, 0, DisplayFormat());
        // No fix: no speed in the centre, the no-signal text on the right of the bottom line.
        QCOMPARE(yellowIn(image, QRect(200, 455, 200, 25)), 0);
        QVERIFY(yellowIn(image, QRect(400, 460, 235, 18)) > 40);
        QCOMPARE(yellowIn(image, QRect(0, 0, 640, 440)), 0);
    }

private:
    // The calls the two players share, and the indexes they reported.
    struct Player {
        QList<qint64> reports;  // first, so that it outlives the players
        std::unique_ptr<FileVideo> video;
        std::unique_ptr<FileLog> log;
        void go(qint64 i) { video ? video->gotoFrame(i) : log->gotoFrame(i); }
        void play(double speed) { video ? video->playWithSpeed(speed) : log->playWithSpeed(speed); }
        void next() { video ? video->playImage() : log->playLog(); }
        void pause() { video ? video->pause() : log->pause(); }
        bool pending() const { return video ? video->stepPending() : log->stepPending(); }
        bool playing() const { return video ? video->isPlaying() : log->isPlaying(); }
        qint64 index() const { return video ? video->currentIndex() : log->currentIndex(); }
    };
    void player(Player &p, bool isLog, int count)
    {
        if (!isLog) {
            p.video = recording(TestCard::frames(count, start()));
            connect(p.video.get(), &FileVideo::fileVideoFrameIndex, this,
                    [&r = p.reports, v = p.video.get()](FileVideo *f, qint64 i) { r << (f == v ? i : -99); });
            return;
        }
        const QString name = QStringLiteral("%1.log").arg(++_files, 10, 10, QLatin1Char('0'));
        if (!TestCard::writeLog(_dir.filePath(name), start(), count))
            qFatal("cannot write %s", qPrintable(name));
        p.log.reset(FileLog::create(_dir.path(), name));
        if (!p.log)
            qFatal("cannot read %s", qPrintable(name));
        connect(p.log.get(), &FileLog::fileLogFrameIndex, this,
                [&r = p.reports, l = p.log.get()](FileLog *f, qint64 i) { r << (f == l ? i : -99); });
    }

    // A recording the test needs: one that cannot be written or opened stops the run.
    std::unique_ptr<FileVideo> recording(const std::vector<Frame> &frames, int type = FileVideo::Normal,
                                         const QImage &picture = TestCard::quarters())
    {
        const QString name = QStringLiteral("%1.vdd").arg(++_files, 10, 10, QLatin1Char('0'));
        FileVideo *video = TestCard::writeRecording(_dir.filePath(name), frames, picture)
                               ? FileVideo::create(_dir.path(), name, type) : nullptr;
        if (!video)
            qFatal("cannot write and open %s", qPrintable(name));
        return std::unique_ptr<FileVideo>(video);
    }

    static QList<qint64> reported(const QSignalSpy &spy)
    {
        QList<qint64> indexes;
        for (const QList<QVariant> &args : spy)
            indexes.append(args.at(1).toLongLong());
        return indexes;
    }

    QTemporaryDir _dir;
    int _files = 0;
};

QTEST_MAIN(TestFileVideo)
#include "test_FileVideo.moc"
