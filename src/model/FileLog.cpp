#include "FileLog.h"

#include "vexa_time.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const _vexa_log_info_t kNoRecord{};

} // namespace

std::unique_ptr<vexa_log_file> FileLog::openReader(const QString &folder, const QString &file)
{
    auto reader = std::make_unique<vexa_log_file>();
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + file);
    if (!reader->load_summary(path.constData()) || (reader->loaded() && reader->count() == 0))
        return nullptr;
    return reader;
}

bool FileLog::refusedForLength(const QString &path)
{
    // The first second's group holds the sentence; a bounded look keeps a huge or
    // endless file from stalling the caller.
    constexpr qint64 kLook = 64 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(kLook);
    return head.startsWith("$REZEZ") || head.contains("\n$REZEZ");
}

FileLog *FileLog::fromReader(std::unique_ptr<vexa_log_file> reader, QObject *parent)
{
    if (!reader)
        return nullptr;
    return new FileLog(std::move(reader), parent);
}

FileLog *FileLog::create(const QString &folder, const QString &file, QObject *parent)
{
    return fromReader(openReader(folder, file), parent);
}

FileLog::FileLog(std::unique_ptr<vexa_log_file> reader, QObject *parent)
    : QObject(parent), _log_file(std::move(reader))
{
    _timer.setSingleShot(true);
    _timer.setTimerType(Qt::PreciseTimer);
    connect(&_timer, &QTimer::timeout, this, &FileLog::playLog);
}

qint64 FileLog::interval() const
{
    if (!_intervalKnown && count() >= 2)
        _interval = time_diff_msec(logAtIndex(0).time, logAtIndex(1).time);
    _intervalKnown = true;
    return _interval;
}

FileLog::~FileLog() = default;

QString FileLog::path() const
{
    return QFile::decodeName(_log_file->path().c_str());
}

const _vexa_log_info_t &FileLog::logAtIndex(qint64 index) const
{
    if (index < 0)
        return kNoRecord;
    return _log_file->record_at(quint64(index));
}

void FileLog::gotoFrame(qint64 index)
{
    pause();
    _currIndex = (quint64(index) & 0xFFFFFFFFu) == 0xFFFFFFFFu ? count() - 1 : index;
    drawLog();
}

void FileLog::playWithSpeed(double speed)
{
    if (speed == _speed)
        return;
    pause();
    _speed = speed;
    _play = true;
    _currIndex = std::clamp<qint64>(_currIndex, 0, std::max<qint64>(count() - 1, 0));
    playLog();
}

void FileLog::step(bool forward)
{
    pause();
    if (forward) {
        if (_currIndex + 1 < count())
            ++_currIndex;
    } else if (_currIndex - 1 > 0) {
        --_currIndex;
    }
    drawLog();
}

void FileLog::pause()
{
    if (_speed != 0 && std::isfinite(_speed)) {
        // Back by the speed, and never to a record the log does not have.
        const double back = std::trunc(double(_currIndex) - _speed);
        _currIndex = qint64(std::clamp(back, 0.0, double(std::max<qint64>(count() - 1, 0))));
    }
    _play = false;
    _speed = 0;
    _timer.stop();
}

void FileLog::drawLog()
{
    emit fileLogFrameIndex(this, _currIndex);
}

qint64 FileLog::delayForSpeed(double speed) const
{
    if (speed == 0 || !std::isfinite(speed))
        return 0;
    return qint64(std::clamp(double(interval()) / std::fabs(speed), 0.0, double(INT_MAX)));
}

void FileLog::playLog()
{
    _timer.stop();  // a step run by hand replaces the pending one
    if (!_play)
        return;
    const qint64 t0 = now_msec();
    drawLog();
    if (!_play || _speed == 0 || !std::isfinite(_speed))
        return;
    const qint64 step = _speed > 0 ? 1 : -1;
    const bool here = logAtIndex(_currIndex).time.year != 0;
    const bool next = logAtIndex(_currIndex + step).time.year != 0;
    _currIndex += step;
    const qint64 t1 = now_msec();
    if (here && next) {
        const double delay = (double(interval()) + double(t0 - t1)) / std::fabs(_speed);
        _scheduledDelay = qint64(std::clamp(delay, 0.0, double(INT_MAX)));
        _timer.start(int(_scheduledDelay));
    } else {
        drawLog();
    }
}
