#include "FileVideo.h"

#include "DurableFile.h"
#include "FileManager.h"
#include "FolderScanner.h"
#include "FrameCaptions.h"
#include "SkinManager.h"
#include "vexa_time.h"

#include <QDate>
#include <QFileInfo>
#include <QImageWriter>
#include <QTime>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

const _vexa_video_frame_header_t kNoFrame{};

bool isLastFrameIndex(qint64 index)
{
    return (quint64(index) & 0xFFFFFFFFu) == 0xFFFFFFFFu;
}

} // namespace

std::unique_ptr<vexa_vdd_file> FileVideo::openReader(const QString &folder, const QString &file)
{
    const QString vdd = folder + QLatin1Char('/') + file;
    if (QFileInfo(file).suffix().isEmpty())
        return nullptr;
    auto reader = std::make_unique<vexa_vdd_file>();
    const QByteArray vddPath = QFile::encodeName(vdd);
    const QByteArray vdxPath = QFile::encodeName(FolderScanner::sidecarPath(vdd));
    if (!reader->open_summary(vddPath.constData(), vdxPath.constData()))
        return nullptr;
    return reader;
}

FileVideo *FileVideo::fromReader(std::unique_ptr<vexa_vdd_file> reader, int type, QObject *parent)
{
    if (!reader)
        return nullptr;
    return new FileVideo(std::move(reader), type, parent);
}

FileVideo *FileVideo::create(const QString &folder, const QString &file, int type, QObject *parent)
{
    return fromReader(openReader(folder, file), type, parent);
}

FileVideo::FileVideo(std::unique_ptr<vexa_vdd_file> reader, int type, QObject *parent)
    : QObject(parent), _vdd_file(std::move(reader)), _type(type)
{
    _timer.setSingleShot(true);
    _timer.setTimerType(Qt::PreciseTimer);
    connect(&_timer, &QTimer::timeout, this, &FileVideo::playImage);
    setSpan(_vdd_file->first_header(), _vdd_file->last_header(), qint64(_vdd_file->frames_at_least()));
    if (_vdd_file->indexed())
        ensureIndexed();
}

void FileVideo::setSpan(const _vexa_video_frame_header_t &first, const _vexa_video_frame_header_t &last,
                        qint64 frames) const
{
    _stime = _etime = 0;
    if (frames >= 2) {
        _stime = time_to_msec(first.time);
        _etime = time_to_msec(last.time);
    }
}

void FileVideo::ensureIndexed() const
{
    if (_indexed.load(std::memory_order_acquire))
        return;
    bool changed = false;
    {
        std::lock_guard lock(_indexMutex);
        if (_indexed.load(std::memory_order_relaxed))
            return;
        const bool damaged = isDamaged();
        const _vexa_video_frame_header_t first = _vdd_file->first_header();
        const _vexa_video_frame_header_t last = _vdd_file->last_header();
        _vdd_file->ensure_index();
        const qint64 count = qint64(_vdd_file->frame_count());
        setSpan(_vdd_file->first_header(), _vdd_file->last_header(), count);
        if (count >= 2)
            _interval = time_diff_msec(headerAtIndex(0).time, headerAtIndex(1).time);
        if (_type == Normal)
            buildTriggerList();
        buildSecondIndex();
        _indexed.store(true, std::memory_order_release);
        changed = damaged != isDamaged() || std::memcmp(&first, &_vdd_file->first_header(), sizeof first) != 0
               || std::memcmp(&last, &_vdd_file->last_header(), sizeof last) != 0;
    }
    if (changed)
        emit const_cast<FileVideo *>(this)->indexChanged(const_cast<FileVideo *>(this));
}

FileVideo::~FileVideo() = default;

QString FileVideo::path() const
{
    return QFile::decodeName(_vdd_file->path().c_str());
}

const _vexa_video_frame_header_t &FileVideo::headerAtIndex(qint64 index) const
{
    if (index < 0)
        return kNoFrame;
    return _vdd_file->header_at(quint64(index));
}

void FileVideo::buildTriggerList() const
{
    _triggers.clear();
    const qint64 count = qint64(_vdd_file->frame_count());
    for (qint64 i = 0; i < count; ++i) {
        if (headerAtIndex(i).event_type == 0)
            continue;
        if (i > 0)
            _triggers.append(i);
        while (i + 1 < count && headerAtIndex(i + 1).event_type != 0)
            ++i;
    }
}

void FileVideo::buildSecondIndex() const
{
    _secondIndex.clear();
    const qint64 count = qint64(_vdd_file->frame_count());
    _secondIndex.reserve(size_t(count));
    for (qint64 i = 0; i < count; ++i)
        _secondIndex.emplace_back(time_to_msec(headerAtIndex(i).time) / 1000, i);
    std::sort(_secondIndex.begin(), _secondIndex.end());
}

QByteArray FileVideo::dataAtIndex(qint64 index)
{
    const _vexa_video_frame_header_t &header = headerAtIndex(index);
    // The reader needs an open file; a length beyond the file cannot be read anyway.
    if (_closed || header.length == 0 || qint64(header.length) > _vdd_file->file_size())
        return {};
    QByteArray data(qsizetype(header.length), Qt::Uninitialized);
    if (!_vdd_file->get_frame_data(quint64(index), reinterpret_cast<uint8_t *>(data.data()),
                                   header.length))
        return {};
    return data;
}

QImage FileVideo::imageAtIndex(qint64 index)
{
    const QByteArray data = dataAtIndex(index);
    if (data.isEmpty())
        return QImage();
    return SkinManager::imageWithData(reinterpret_cast<const uchar *>(data.constData()), data.size());
}

bool FileVideo::jpegComment(uint8_t out[VEXA_COMMENT_SIZE], qint64 index)
{
    if (_closed || index < 0)
        return false;
    return _vdd_file->get_jpeg_comment(quint64(index), out);
}

qint64 FileVideo::indexAtTimestamp(const _vexa_time_t &time, bool forward) const
{
    const qint64 ms = time_to_msec(time);
    // Only a moment inside the recording's span needs its full index.
    if (ms < _stime || ms > _etime)
        return -1;
    ensureIndexed();
    if (ms < _stime || ms > _etime)
        return -1;
    const qint64 second = ms / 1000;
    // The frames of that second sit together in the sorted index, in frame order.
    const auto first = std::lower_bound(_secondIndex.begin(), _secondIndex.end(),
                                        std::pair<qint64, qint64>(second, LLONG_MIN));
    const auto end = std::upper_bound(first, _secondIndex.end(),
                                      std::pair<qint64, qint64>(second, LLONG_MAX));
    if (first == end)
        return -1;
    return forward ? first->second : std::prev(end)->second;
}

bool FileVideo::intime(qint64 fromMsec, qint64 toMsec) const
{
    return _stime < toMsec && _etime > fromMsec;
}

void FileVideo::moveFrame(qint64 index)
{
    pause();
    _currIndex = isLastFrameIndex(index) ? frameCount() - 1 : index;
}

void FileVideo::gotoFrame(qint64 index)
{
    moveFrame(index);
    drawImage();
}

void FileVideo::step(bool forward)
{
    pause();
    if (forward) {
        if (_currIndex + 1 < frameCount())
            ++_currIndex;
    } else if (_currIndex - 1 >= 1) {
        --_currIndex;
    }
    drawImage();
}

FileVideo::Stride FileVideo::strideForSpeed(double speed) const
{
    const qint64 interval = this->interval();
    if (speed == 0.5)
        return {1, 2 * interval};
    if (speed == -0.5)
        return {-1, 2 * interval};
    if (!std::isfinite(speed))
        return {0, interval};
    return {qint64(std::trunc(std::clamp(speed, -1e9, 1e9))), interval};
}

void FileVideo::playWithSpeed(double speed)
{
    if (speed == _speed)
        return;
    pause();
    _speed = speed;
    _play = true;
    const qint64 count = frameCount();
    if (_currIndex >= count)
        _currIndex = count - 1;
    if (_currIndex < 0)
        _currIndex = 0;
    playImage();
}

void FileVideo::playImage()
{
    _timer.stop();  // a step run by hand replaces the pending one
    if (!_play)
        return;
    const qint64 t0 = now_msec();
    drawImage();
    if (!_play)
        return;  // the receiver paused playback while drawing
    const Stride stride = strideForSpeed(_speed);
    // Speed 0, or a speed below one frame a step, has nothing further to show.
    if (stride.step == 0)
        return;
    qint64 step = stride.step;
    // A step that jumps past either end shows the frame at that end first.
    const qint64 edge = step > 0 ? frameCount() - 1 : 0;
    const qint64 target = _currIndex + step;
    if ((step > 0 ? target > edge : target < edge) && _currIndex != edge
        && headerAtIndex(edge).time.year != 0)
        step = edge - _currIndex;
    const bool here = headerAtIndex(_currIndex).time.year != 0;
    const bool next = headerAtIndex(_currIndex + step).time.year != 0;
    _currIndex += step;
    _lastStep = step;
    const qint64 t1 = now_msec();
    if (here && next) {
        // A recording whose frames share one time (or run backwards) plays without delay.
        _scheduledDelay = std::clamp<qint64>(stride.delay + t0 - t1, 0, INT_MAX);
        _timer.start(int(_scheduledDelay));
    } else {
        drawImage();
    }
}

void FileVideo::pause()
{
    // Playback leaves the cursor one step past the frame shown last: go back to that frame,
    // by the step taken, which is shorter than the speed's where it stopped at an end.
    _currIndex -= _lastStep;
    _lastStep = 0;
    _play = false;
    _speed = 0;
    _timer.stop();
}

void FileVideo::drawImage()
{
    emit fileVideoFrameIndex(this, _currIndex);
}

QImage FileVideo::flipped(const QImage &image, int flip)
{
    switch (flip) {
    case 1:
        return image.mirrored(false, true);
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    default:
        return image;
    }
}

bool FileVideo::writeImage(const QImage &image, const QString &path, QString *error)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return writeImageAs(image, path, suffix.isEmpty() ? QByteArray("jpeg") : suffix, error);
}

bool FileVideo::writeImageAs(const QImage &image, const QString &path, const QByteArray &format, QString *error)
{
    const auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (image.isNull())
        return failed(QStringLiteral("no picture to write to %1").arg(path));
    DurableFile out(path);
    if (!out.open())
        return failed(out.reason());
    QImageWriter writer(&out, format);
    writer.setQuality(100);
    if (!writer.write(image)) {
        // The file's reason (a full disk) comes first, else the encoder's.
        const QString why = out.reason().isEmpty()
            ? QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()) : out.reason();
        out.cancelWriting();
        return failed(why);
    }
    return out.commit() || failed(out.reason());
}

bool FileVideo::saveImageAtIndex(qint64 index, const QString &path, int flip)
{
    const QImage image = imageAtIndex(index);
    return !image.isNull() && writeImageAs(flipped(image, flip), path, "jpeg");
}

QImage FileVideo::aviImageAtIndex(qint64 index, const QString &vehicle, bool speed, bool date,
                                  bool latlng, bool sensor, int flip, const DisplayFormat &format)
{
    const QImage image = imageAtIndex(index);
    if (image.isNull())
        return image;
    QImage frame = flipped(image, flip)
                       .convertToFormat(QImage::Format_RGB32);
    FrameCaptions captions;
    captions.vehicle = vehicle;
    captions.speed = speed;
    captions.date = date;
    captions.latlng = latlng;
    captions.sensor = sensor;
    captions.format = format;
    captions.draw(frame, headerAtIndex(index));
    return frame;
}

void FileVideo::close()
{
    pause();
    _vdd_file->close();
    _closed = true;
}

bool FileVideo::isDamaged() const
{
    if (_vdd_file->frames_at_least() < 1)
        return true;
    const _vexa_time_t &t = _vdd_file->first_header().time;
    return t.year < 1970 || !QDate::isValid(t.year, t.month, t.day)
        || !QTime::isValid(t.hour, t.minute, t.second);
}
