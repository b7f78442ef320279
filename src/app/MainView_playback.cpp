// Playback: the speed rules, play, step and stop, the fan-out of every shown frame and log
// record, and the answers to the widgets that move the position.
#include "MainView.h"

#include "ClockOffset.h"
#include "DisplayZone.h"
#include "EventListView.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "ListView.h"
#include "OpenFileCache.h"
#include "SkinButton.h"
#include "SkinGps.h"
#include "Texts.h"
#include "VideoLayout.h"
#include "vexa_time.h"
#include "vexa_telemetry.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

// ---- Speed and commands ----

double MainView::nextSpeed(int tag, double speed)
{
    switch (tag) {
    case TagPlay:
        return speed == 1.0 ? 0.5 : 1.0;
    case TagBackPlay:
        return speed == -1.0 ? -0.5 : -1.0;
    case TagFastPlay:
        return speed < 2.0 ? 2.0 : std::min(2.0 * speed, 16.0);
    case TagFastBackPlay:
        return speed > -2.0 ? -2.0 : std::max(2.0 * speed, -16.0);
    default:
        return speed;
    }
}

void MainView::playCommand(int tag)
{
    if (!_fileVideo && !_fileLog)
        return;
    // Nothing would move: say why once instead of showing a speed.
    if (_fileVideo && !_fileLog && _fileVideo->isDamaged()) {
        showAlert(Texts::text("msg_recording_damaged"));
        return;
    }
    startPlay(nextSpeed(tag, _speed));
}

void MainView::startPlay(double speed)
{
    _speed = speed;
    if (_fileVideo)
        _fileVideo->playWithSpeed(speed);
    if (_fileLog)
        _fileLog->playWithSpeed(speed);
    emit videoLayoutSetPause(false);
    update(speedLabelRect());
}

void MainView::stepCommand(bool forward)
{
    if (_fileVideo)
        _fileVideo->step(forward);
    if (_fileLog)
        _fileLog->step(forward);
    pause();
}

void MainView::stopCommand()
{
    if (_fileVideo)
        _fileVideo->pause();
    if (_fileLog)
        _fileLog->pause();
    pause();
}

// The main view's notion of playing only; the callers pause the models where needed.
void MainView::pause()
{
    _speed = 0;
    emit videoLayoutSetPause(true);
    update(speedLabelRect());
}

// ---- Fan-out ----

void MainView::fileManagerFileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex)
{
    if (!fileVideo)
        return;
    const qint64 count = qint64(fileVideo->indexHeader().frame_count);
    if (frameIndex < 0 || frameIndex >= count) {
        // Past either end: continuous play moves the play list on; otherwise the picture
        // stays on the last frame shown. An index outside the recording is never drawn.
        if (_speed > 0 && frameIndex >= count && _playContinue)
            moveOnThroughPlayList(1);
        else if (_speed < 0 && frameIndex < 0 && _playContinue)
            moveOnThroughPlayList(-1);
        return;
    }
    const _vexa_video_frame_header_t header = fileVideo->headerAtIndex(frameIndex);
    emit videoLayoutDrawWithFileVideo(fileVideo, frameIndex);
    showFrameTelemetry(header, frameIndex);
    if (fileVideo->cardUnreadable()) {
        stopOnUnreadableCard(fileVideo);
        return;
    }
    if (fileVideo != _clockFile)
        showVideoClockOffset(fileVideo);
}

// The offset reads picture comments spread over the whole recording, which can take long on
// a slow card: a worker with its own reader finds it once per recording, and it is kept.
void MainView::showVideoClockOffset(FileVideo *fileVideo)
{
    const QString path = fileVideo->path();
    if (const auto known = _clockOffsets.constFind(path); known != _clockOffsets.cend()) {
        showClockOffset(fileVideo, *known);
        return;
    }
    showClockOffset(fileVideo, std::nullopt);
    if (_clockPending.contains(path))
        return;
    _clockPending.insert(path);
    auto offset = std::make_shared<std::optional<qint64>>();
    QThread *thread = QThread::create([offset, info = QFileInfo(path)] {
        if (const auto reader = FileVideo::openReader(info.path(), info.fileName()))
            *offset = ClockOffset::ofRecording(*reader);
    });
    _clockThreads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, path, offset] {
        _clockThreads.removeOne(thread);
        thread->deleteLater();
        _clockPending.remove(path);
        _clockOffsets.insert(path, *offset);
        if (auto *shown = qobject_cast<FileVideo *>(_clockFile.data()); shown && shown->path() == path)
            showClockOffset(shown, *offset);
    });
    thread->start();
}

// A pulled card fails every read: stop once and say so, rather than play on without pictures.
void MainView::stopOnUnreadableCard(FileVideo *fileVideo)
{
    fileVideo->pause();
    pause();
    showAlert(Texts::text("msg_card_unreadable").arg(QDir::toNativeSeparators(fileVideo->path())));
}

void MainView::showClockOffset(QObject *file, std::optional<qint64> offsetMsec)
{
    _clockFile = file;
    _clockLine = ClockOffset::text(offsetMsec);
    _clockMarked = offsetMsec && std::abs(*offsetMsec) > ClockOffset::markedMsec;
    update(clockLineRect());
}

// The next file may end at once (empty or one frame) and ask to move on again from inside
// this move: that request is only noted, and this loop carries it out, so a run of short
// files costs iterations, not stack.
void MainView::moveOnThroughPlayList(int direction)
{
    _pendingMove = direction;
    if (_movingOn)
        return;
    _movingOn = true;
    while (_pendingMove != 0) {
        const int move = std::exchange(_pendingMove, 0);
        if (move > 0)
            emit playListViewPlayNext();
        else
            emit playListViewPlayPrevious();
    }
    _movingOn = false;
}

// Read-outs, map, slider, graph and date of a frame: the part of the fan-out that a
// thumbnail choice repeats without redrawing the pictures.
void MainView::showFrameTelemetry(const _vexa_video_frame_header_t &header, qint64 frameIndex)
{
    showPosition(header.gps_valid != 0, header.speed, header.latitude, header.longitude);
    showGSensor(header.gsensor_x, header.gsensor_y, header.gsensor_z);
    emit skinSliderSetFrameIndex(frameIndex);
    emit skinGraphSetFrameIndex(frameIndex);
    showLocalDate(header.time);
}

void MainView::showPosition(bool valid, int speed, double latitude, double longitude)
{
    if (valid) {
        emit skinSpeedSetSpeed(speed);
        emit skinGpsSetLatitude(latitude, longitude);
        emit mapViewMoveCenterWithLatitude(latitude, longitude);
    } else {
        emit skinSpeedSetSpeed(-1);
        emit skinGpsSetLatitude(SkinGps::NoPosition, SkinGps::NoPosition);
    }
}

// The Z read-out shows the value without the 1 g of gravity.
void MainView::showGSensor(int16_t x, int16_t y, int16_t z)
{
    emit skinGSensorXSetVal(gsensor_value(x));
    emit skinGSensorYSetVal(gsensor_value(y));
    emit skinGSensorZSetVal(gsensor_z_value(z));
}

void MainView::showLocalDate(const _vexa_time_t &utc)
{
    const DisplayZone &zone = _displayFormat.zone();
    const _vexa_time_t local = zone.toLocal(utc);
    emit skinDateTimeSetDate(&local);
    const QString line = zone.label(utc);
    if (line != _zoneLine) {
        _zoneLine = line;
        update(zoneLineRect());
    }
}

// Whole km/h of a log speed; a value that is not a number has none.
static int logSpeed(float speed)
{
    if (!std::isfinite(speed))
        return -1;
    return int(std::clamp(std::trunc(double(speed)), -1.0, 1e6));
}

void MainView::fileManagerFileLogFrameIndex(FileLog *fileLog, qint64 frameIndex)
{
    if (!fileLog)
        return;
    const qint64 count = fileLog->count();
    // The log page moves on to the neighbouring log whether or not continuous play is on.
    if (_speed > 0 && frameIndex >= count) {
        emit logLayoutPlayNext();
        return;
    }
    if (_speed < 0 && frameIndex < 0) {
        emit logLayoutPlayPrevious();
        return;
    }
    if (frameIndex >= count)
        frameIndex = count - 1;
    if (frameIndex < 0)
        return;  // an empty log, or a position before its start while paused
    const _vexa_log_info_t record = fileLog->logAtIndex(frameIndex);
    showLogVideo(record);
    showPosition(record.gps_valid != 0, logSpeed(record.speed), record.latitude, record.longitude);
    showGSensor(record.gsensor_x, record.gsensor_y, record.gsensor_z);
    emit skinGraphSetFrameIndex(frameIndex);
    showLocalDate(record.time);
    emit logLayoutSetFileLog(fileLog, frameIndex);
    if (fileLog != _clockFile)
        showClockOffset(fileLog, ClockOffset::ofLog(*fileLog));
}

// The picture of the recording that covers the record's second, on the log page.
void MainView::showLogVideo(const _vexa_log_info_t &record)
{
    FrameInfo info;
    if (_answers.infoAtTimestamp)
        info = _answers.infoAtTimestamp(record, _speed >= 0);
    if (info.file && info.index >= 0 && info.index < info.file->frameCount()) {
        _logFileVideo = info.file;
        _logFrameIndex = info.index;
        const _vexa_video_frame_header_t header = info.file->headerAtIndex(info.index);
        const QString count = QStringLiteral("%1 / %2")
                                  .arg(info.index + 1)
                                  .arg(info.file->indexHeader().frame_count);
        emit logLayoutVideoViewDrawImage(info.file->imageAtIndex(info.index), &header, count, false);
    } else {
        _logFileVideo = nullptr;
        _logFrameIndex = -1;
        emit logLayoutVideoViewDrawImage(QImage(), nullptr, QString(), false);
    }
}

// ---- Positioning ----

void MainView::videoLayoutFileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex)
{
    if (!fileVideo || frameIndex < 0 || frameIndex >= fileVideo->frameCount())
        return;
    fileVideo->moveFrame(frameIndex);
    showFrameTelemetry(fileVideo->headerAtIndex(frameIndex), frameIndex);
}

void MainView::skinSliderChangeFrameIndex(qint64 frameIndex)
{
    if (_fileVideo)
        _fileVideo->gotoFrame(frameIndex);
    pause();
}

void MainView::skinGraphFileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex)
{
    if (fileVideo)
        fileVideo->gotoFrame(frameIndex);
    pause();
}

void MainView::skinGraphFileLogFrameIndex(FileLog *fileLog, qint64 frameIndex)
{
    if (fileLog)
        fileLog->gotoFrame(frameIndex);
    pause();
}

void MainView::mapViewClickRouteWithFrameIndex(qint64 frameIndex)
{
    // On the log page the route is the logs' and its points carry a record's time.
    if (!_fileVideo && _fileLog) {
        emit logGraphSetPosition(frameIndex);
        return;
    }
    if (_fileVideo)
        _fileVideo->gotoFrame(frameIndex);
    pause();
}

void MainView::mapViewClickCameraWithFileIndexFrameIndex(qint64 fileIndex, qint64 frameIndex)
{
    emit playListViewPlayWithFileIndex(fileIndex, frameIndex);
    pause();
}

void MainView::triggerListViewSelectedRow(qint64 frameIndex)
{
    if (_fileVideo)
        _fileVideo->gotoFrame(frameIndex);
    pause();
}

void MainView::mapViewClickLogCameraWithPosition(qint64 msec)
{
    emit logGraphSetPosition(msec);
}

// ---- Choosing files ----

QString MainView::selectedTab() const
{
    if (_answers.selectedTab)
        return _answers.selectedTab();
    return _playListType;
}

void MainView::playListViewSelectedRowFrameIndexSelectByUser(qint64 fileIndex, qint64 frameIndex,
                                                            bool selectByUser)
{
    if (_fileVideo) {
        _fileVideo->pause();
        _fileVideo = nullptr;
    }
    _fileVideo = _fileManager->videoAtIndex(fileIndex, selectedTab());
    if (!_fileVideo) {
        pause();
        return;
    }
    emit videoLayoutSetFileVideo(_fileVideo);
    emit skinGraphLoadWithFileVideo(_fileVideo, frameIndex);
    emit mapViewLoadWithFileVideo(_fileVideo, frameIndex);
    _fileVideo->gotoFrame(frameIndex);
    if (_fileVideo && _fileVideo->type() == FileVideo::Normal)
        emit triggerListViewLoadWithIndex(fileIndex);
    if (_fileVideo && _playContinue && !selectByUser && _speed != 0)
        _fileVideo->playWithSpeed(_speed);
    else
        pause();
}

void MainView::logLayoutSelectedLogLogIndexSelectByUser(FileLog *fileLog, qint64 logIndex,
                                                       bool selectByUser)
{
    if (_fileLog) {
        _fileLog->pause();
        _fileLog = nullptr;
        _logFileVideo = nullptr;
        _logFrameIndex = -1;
    }
    if (!fileLog)
        return;
    _fileLog = fileLog;
    emit skinGraphLoadWithFileLog(fileLog, logIndex);
    fileLog->gotoFrame(logIndex);
    if (selectByUser || _speed == 0)
        pause();
    else
        _fileLog->playWithSpeed(_speed);
}

void MainView::listViewSelectedTab(const QString &tab)
{
    close();
    const bool log = tab == QLatin1String("log");
    const bool video = tab == QLatin1String("event") || tab == QLatin1String("normal");
    if (!log && !video)
        return;
    if (_logLayout)
        _logLayout->setVisible(log);
    _videoLayout->setVisible(video);
    for (int tag : {TagSingleView, TagThumbView})
        if (SkinButton *button = buttonWithTag(tag))
            button->setVisible(video);
}

void MainView::listViewLoadDataSelectedTab(const QList<ListRow> &rows, const QString &tab)
{
    // A model that is let go is paused first, or its frames would go on reaching the
    // instruments.
    if (tab == QLatin1String("log")) {
        if (_fileVideo)
            _fileVideo->pause();
        _fileVideo = nullptr;
        if (!_answers.setLogData)
            return;
        if (!_answers.setLogData(rows)) {
            showAlert(Texts::text("msg_file_not_time_order"));
            emit listViewCheckAll(false);
        }
        // The map's log route and the distance window join with the log page.
        return;
    }
    if (_fileLog)
        _fileLog->pause();
    _fileLog = nullptr;
    _logFileVideo = nullptr;
    _logFrameIndex = -1;
}

void MainView::playListViewLoadDataType(const QList<qint64> &fileIndices, const QString &type)
{
    // The recordings left off the list are let go: the card can be ejected.
    OpenFileCache::instance().releaseAll();
    _playListType = type;
    emit mapViewLoadWithData(fileIndices, type);
    QList<QPair<qint64, FileVideo *>> videos;
    for (qint64 index : fileIndices)
        videos.append({index, _fileManager->videoAtIndex(index, type)});
    _listView->eventListView()->setRecordings(videos);
}
