// Playback through the real main view on a generated card.
#include "ViewerTestSupport.h"

#include "FileLog.h"
#include "Preferences.h"
#include "SkinCheckButton.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinSpeed.h"
#include "VideoView.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"

#include <QFontMetrics>
#include <QDir>
#include <QFile>

#include <cstring>
#include <functional>
#include <map>

class TestPlayback : public ViewerTestCase {
    Q_OBJECT
public:
    TestPlayback() : ViewerTestCase(2, 3, true) {}

private slots:
    void speedLabelTexts()
    {
        for (const auto &[speed, text] : {std::pair{0.0, "0"}, {1.0, "1"}, {0.5, "0.5"}, {-0.5, "-0.5"}, {16.0, "16"}, {-4.0, "-4"}})
            QCOMPARE(MainView::speedText(speed), QLatin1String(text));
        // Every text fits inside the badge, its minus included.
        for (double speed : {-0.5, -16.0, 16.0})
            QVERIFY(QFontMetrics(MainView::speedLabelFont(MainView::speedText(speed)))
                        .horizontalAdvance(MainView::speedText(speed)) <= MainView::SpeedBadgeInside);
    }

    void speedRules()
    {
        show(QStringLiteral("event"), 0, 0);
        // Presses of Play, Fast, Back and fast back (b), each with the speed it leads to.
        const std::map<QChar, int> tags{{u'P', MainView::TagPlay}, {u'F', MainView::TagFastPlay},
                                        {u'B', MainView::TagBackPlay}, {u'b', MainView::TagFastBackPlay}};
        const QString steps = QStringLiteral("P1 P0.5 P1 P0.5 F2 F4 F8 F16 F16 b-2 b-4 F2 P1 b-2 b-4 b-8 "
                                             "b-16 b-16 B-1 B-0.5 B-1");
        for (const QString &step : steps.split(u' ')) {
            _view->tagCommand(tags.at(step[0]));
            QCOMPARE(_view->speed(), step.mid(1).toDouble());
            QCOMPARE(_view->fileVideo()->speed(), _view->speed());
            QVERIFY(!_view->videoLayout()->isPaused());
        }
    }

    void playPauseStopAndSteps()
    {
        show(QStringLiteral("event"), 1, 5);
        _view->tagCommand(MainView::TagPlayPause);
        QCOMPARE(state(), QStringLiteral("event 1 speed 1 playing"));
        _view->tagCommand(MainView::TagFastPlay);
        _view->tagCommand(MainView::TagPlayPause);
        QCOMPARE(state(), QStringLiteral("event 1 frame 5 speed 0 paused"));
        // A step from play pauses on the neighbouring frame.
        _view->tagCommand(MainView::TagPlayPause);
        _view->tagCommand(MainView::TagNextFrame);
        QCOMPARE(state(), QStringLiteral("event 1 frame 6 speed 0 paused"));
    }

    void frameFanOutValues()
    {
        show(QStringLiteral("event"), 0, 0);
        FileVideo *v = _view->fileVideo();
        // A frame with a fix, well inside the recording.
        qint64 i = 10;
        while (i < v->frameCount() && !v->headerAtIndex(i).gps_valid)
            ++i;
        QVERIFY(i < v->frameCount());
        const _vexa_video_frame_header_t h = v->headerAtIndex(i);

        v->gotoFrame(i);

        QCOMPARE(_view->videoLayout()->frameIndex(), i);
        QCOMPARE(_view->videoLayout()->videoAtIndex(VideoLayout::CenterCell)->countText(),
                 QStringLiteral("%1 / %2").arg(i + 1).arg(v->frameCount()));
        QCOMPARE(_view->skinSpeed()->speed(), int(h.speed));
        QCOMPARE(_view->skinGps()->latitude(), SkinGps::positionOf(h.latitude, true));
        QCOMPARE(_view->skinGps()->longitude(), SkinGps::positionOf(h.longitude, false));
        // The values in g (worked examples in the telemetry test), gravity off Z.
        QCOMPARE(_view->skinGSensorX()->value(), gsensor_value(h.gsensor_x));
        QCOMPARE(_view->skinGSensorY()->value(), gsensor_value(h.gsensor_y));
        QCOMPARE(_view->skinGSensorZ()->value(), gsensor_z_value(h.gsensor_z));
        const _vexa_time_t local = utc_to_local(h.time);
        QCOMPARE(std::memcmp(&_view->skinDateTime()->date(), &local, sizeof local), 0);
        QVERIFY(h.time.hour != local.hour || h.time.day != local.day);  // Berlin is never UTC
    }

    void frameWithoutFixBlanksPositionAndKeepsMap()
    {
        // The receiver needs a few seconds for its first fix: search the card for such a frame.
        auto [found, frame] = [this]() -> std::pair<FileVideo *, qint64> {
            for (const QString &type : {QStringLiteral("event"), QStringLiteral("normal")})
                for (qint64 f = 0; FileVideo *v = video(type, f); ++f)
                    for (qint64 i = 0; i < v->frameCount(); ++i)
                        if (!v->headerAtIndex(i).gps_valid)
                            return (show(type, f, 0), std::pair{v, i});
            return {nullptr, -1};
        }();
        if (!found)
            QSKIP("the generated card has a fix in every frame");
        QSignalSpy speeds(_view, &MainView::skinSpeedSetSpeed);
        _recorder->clear();
        found->gotoFrame(frame);
        QVERIFY(!_recorder->calls().contains(QStringLiteral("mapViewMoveCenterWithLatitude")));
        QCOMPARE(speeds.last().at(0).toInt(), -1);
        QVERIFY(!_view->skinSpeed()->isValid() && !_view->skinGps()->isValid());
    }

    void choosingARecordingLoadsThenPauses()
    {
        show(QStringLiteral("event"), 1, 0);
        QSignalSpy graph(_view, &MainView::skinGraphLoadWithFileVideo);
        QSignalSpy map(_view, &MainView::mapViewLoadWithFileVideo);
        _recorder->clear();
        _view->listView()->playListView()->playWithFileIndex(1, -1);
        const QStringList calls = _recorder->calls();
        QCOMPARE(calls.mid(0, 4), (QStringList{
            QStringLiteral("videoLayoutSetFileVideo"),
            QStringLiteral("skinGraphLoadWithFileVideo"), QStringLiteral("mapViewLoadWithFileVideo"),
            QStringLiteral("videoLayoutDrawWithFileVideo")}));
        QCOMPARE(calls.last(), QStringLiteral("videoLayoutSetPause"));
        QVERIFY(!calls.contains(QStringLiteral("triggerListViewLoadWithIndex")));
        QCOMPARE(graph.first().at(1).toLongLong() + map.first().at(1).toLongLong(), -2);
        // Frame -1 is the last frame.
        QCOMPARE(state(), QStringLiteral("event 1 frame %1 speed 0 paused")
                              .arg(video(QStringLiteral("event"), 1)->frameCount() - 1));

        // A normal recording also loads its trigger list.
        QSignalSpy triggers(_view, &MainView::triggerListViewLoadWithIndex);
        show(QStringLiteral("normal"), 2, 0);
        QCOMPARE(state(), QStringLiteral("normal 2 frame 0 speed 0 paused"));
        QCOMPARE(triggers.count(), 1);
        QCOMPARE(triggers.first().at(0).toLongLong(), 2);
    }

    // Found by a worker, then shown for the recording on screen.
    void clockOffsetLineArrives()
    {
        show(QStringLiteral("event"), 0, 0);
        QTRY_COMPARE(_view->clockLine(), QStringLiteral("Camera clock in step with GPS"));
    }

    void endWithoutContinuousPlayStaysOnLastFrame()
    {
        QSignalSpy next(_view, &MainView::playListViewPlayNext);
        ViewerTest::loadPlayList(_view, QStringLiteral("event"));
        FileVideo *v = _view->fileVideo();
        QCOMPARE(v, video(QStringLiteral("event"), 0));
        for (int k = 0; k < 4; ++k)
            _view->tagCommand(MainView::TagFastPlay);
        QCOMPARE(_view->speed(), 16.0);
        QSignalSpy draws(_view, &MainView::videoLayoutDrawWithFileVideo);
        QTRY_VERIFY_WITH_TIMEOUT(!v->stepPending(), 5000);
        const qsizetype drawn = draws.count();
        QTest::qWait(250);
        // The picture stays on the last frame shown; nothing is drawn past the end.
        QCOMPARE(draws.count(), drawn);
        QCOMPARE(next.count(), 0);
        QCOMPARE(_view->fileVideo(), v);
        QVERIFY(_view->videoLayout()->frameIndex() > v->frameCount() - 1 - 16);
    }

    void endWithContinuousPlayMovesToNextFile()
    {
        ViewerTest::loadPlayList(_view, QStringLiteral("event"));
        switchContinuousPlay(true);
        _view->tagCommand(MainView::TagFastPlay);
        _view->tagCommand(MainView::TagFastPlay);
        QCOMPARE(_view->speed(), 4.0);
        FileVideo *second = video(QStringLiteral("event"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(_view->fileVideo(), second, 5000);
        QVERIFY(second->isPlaying() && !_view->videoLayout()->isPaused());
        QCOMPARE(second->speed(), 4.0);
        // The last row: play ends on its last frame.
        QTRY_VERIFY_WITH_TIMEOUT(!second->stepPending(), 5000);
        QCOMPARE(_view->fileVideo(), second);
        QVERIFY(_view->videoLayout()->frameIndex() > second->frameCount() - 1 - 4);

        switchContinuousPlay(false);
    }

    void backwardContinuousPlayTakesPreviousFileAtItsEnd()
    {
        ViewerTest::loadPlayList(_view, QStringLiteral("normal"));
        switchContinuousPlay(true);
        _view->listView()->playListView()->playWithFileIndex(1, 2);
        QCOMPARE(_view->fileVideo(), video(QStringLiteral("normal"), 1));
        _view->tagCommand(MainView::TagBackPlay);
        QCOMPARE(_view->speed(), -1.0);
        FileVideo *previous = video(QStringLiteral("normal"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(_view->fileVideo(), previous, 5000);
        QVERIFY(previous->isPlaying());
        QCOMPARE(previous->speed(), -1.0);
        // It starts from its last frame and goes on backwards.
        QVERIFY(_view->videoLayout()->frameIndex() >= previous->frameCount() - 3);
        _view->tagCommand(MainView::TagStop);
    }

    void continuousPlayRunsThroughThousandsOfEmptyRecordings()
    {
        // Each empty file ends as soon as it starts; moving on must not grow the stack.
        const QString card = _dir.filePath(QStringLiteral("empties"));
        QVERIFY(ViewerTest::makeCard(card, 1, 0) && QDir().mkpath(card + QStringLiteral("/CH1/event/empty")));
        for (int i = 0; i < 10000; ++i)
            QVERIFY(QFile(card + QStringLiteral("/CH1/event/empty/%1.vdd").arg(i)).open(QIODevice::WriteOnly));
        QVERIFY(_view->openFolderPath(card));
        ViewerTest::loadPlayList(_view, QStringLiteral("event"));
        switchContinuousPlay(true);
        _view->tagCommand(MainView::TagFastPlay);
        QTRY_COMPARE_WITH_TIMEOUT(_view->listView()->playListView()->selectedRowIndex(), 10000, 10000);
    }

    void thumbnailChoiceUpdatesInstrumentsOnly()
    {
        show(QStringLiteral("event"), 0, 3);
        _view->tagCommand(MainView::TagThumbView);
        FileVideo *v = _view->fileVideo();
        QSignalSpy sliders(_view, &MainView::skinSliderSetFrameIndex);
        _recorder->clear();
        // Cell 12 shows the frame four after the current one.
        QTest::mouseClick(_view->videoLayout()->videoAtIndex(12), Qt::LeftButton);
        QCOMPARE(v->currentIndex(), 7);
        QVERIFY(!_recorder->calls().contains(QStringLiteral("videoLayoutDrawWithFileVideo")));
        QCOMPARE(sliders.first().at(0).toLongLong(), 7);
        QCOMPARE(_view->skinGSensorX()->value(), gsensor_value(v->headerAtIndex(7).gsensor_x));
        QCOMPARE(_view->videoLayout()->selectVideo(), 12);
    }

    // The slider, the graph, the map's route and the trigger list each move there and pause.
    void positioningCallbacksMoveAndPause()
    {
        show(QStringLiteral("normal"), 0, 0);
        FileVideo *v = _view->fileVideo();
        const std::function<void(qint64)> moves[] = {
            [this](qint64 f) { _view->skinSliderChangeFrameIndex(f); },
            [this, v](qint64 f) { _view->skinGraphFileVideoFrameIndex(v, f); },
            [this](qint64 f) { _view->mapViewClickRouteWithFrameIndex(f); },
            [this](qint64 f) { _view->triggerListViewSelectedRow(f); }};
        qint64 frame = 12;
        for (const auto &move : moves) {
            _view->tagCommand(MainView::TagPlay);
            QVERIFY(v->isPlaying());
            move(++frame);
            QCOMPARE(state(), QStringLiteral("normal 0 frame %1 speed 0 paused").arg(frame));
        }
    }

    void mapCameraAsksThePlayList()
    {
        ViewerTest::loadPlayList(_view, QStringLiteral("event"));
        _view->tagCommand(MainView::TagPlay);
        QSignalSpy select(_view, &MainView::playListViewPlayWithFileIndex);
        _view->mapViewClickCameraWithFileIndexFrameIndex(1, 9);
        QCOMPARE(select.count(), 1);
        QCOMPARE(state(), QStringLiteral("event 1 frame 9 speed 0 paused"));
        // A camera of a file outside the play list changes nothing.
        _view->mapViewClickCameraWithFileIndexFrameIndex(7, 3);
        QCOMPARE(state(), QStringLiteral("event 1 frame 9 speed 0 paused"));
    }

    // A log record without a recording at its second: no picture, the read-outs still follow
    // (a record with one is the log page test's).
    void logRecordFanOut()
    {
        FileLog *log = _view->fileManager()->logAtIndex(0);
        QVERIFY(log);
        QSignalSpy pictures(_view, &MainView::logLayoutVideoViewDrawImage);
        QSignalSpy gsensor(_view, &MainView::skinGSensorXSetVal);
        _view->logLayoutSelectedLogLogIndexSelectByUser(log, 3, true);
        QCOMPARE(_view->logFrameIndex(), -1);
        QCOMPARE(pictures.count(), 1);
        QVERIFY(pictures.takeFirst().at(0).value<QImage>().isNull());
        QCOMPARE(gsensor.count(), 1);
    }

    void loadingLogRowsLetsThePlayingVideoGo()
    {
        show(QStringLiteral("event"), 0, 0);
        FileVideo *v = _view->fileVideo();
        _view->tagCommand(MainView::TagPlay);
        QVERIFY(v->isPlaying());
        _view->listViewLoadDataSelectedTab(_view->fileManager()->listViewData(QStringLiteral("log"), _view->displayFormat()),
                                           QStringLiteral("log"));
        QCOMPARE(_view->fileVideo(), nullptr);
        QVERIFY(!v->isPlaying() && !v->stepPending());
    }

    // Saved settings reach the read-outs once the view reads them again (as after the settings window).
    void savedDisplaySettingsReachTheReadouts()
    {
        Preferences::setSpeedFormat(DisplayFormat::Imperial);
        _view->reloadDisplaySettings();
        _view->skinSpeed()->setSpeed(100);
        const int mph = _view->skinSpeed()->speed();
        Preferences::setSpeedFormat(DisplayFormat::Metric);
        _view->reloadDisplaySettings();
        QCOMPARE(mph, 62);
        QCOMPARE(_view->skinSpeed()->speed(), 100);
    }

private:
    // The continuous-play switch of the play list page.
    void switchContinuousPlay(bool on)
    {
        SkinCheckButton *button = _view->listView()->checkButton(ListView::TagContinuousPlay);
        QVERIFY(button && button->isVisibleTo(_view));
        if (button->state() != on)
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(_view->playContinue(), on);
    }
};

QTEST_MAIN(TestPlayback)
#include "test_playback.moc"
