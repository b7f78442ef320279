// One driving log of the card: owns its reader and plays record by record, one record a
// step, faster speeds shortening the delay.
//
// Record reports: drawLog() emits fileLogFrameIndex(this, index), forwarded by the loading
// FileManager as FileManager::fileLogFrameIndex. An index outside 0 .. count() - 1 reports
// the end of the log.
#pragma once

#include "vexa_log_file.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class FileLog : public QObject {
    Q_OBJECT
public:
    // Loads folder/file; null when the log is refused.
    static FileLog *create(const QString &folder, const QString &file, QObject *parent = nullptr);
    // The loading half of create(), safe to run on a worker thread.
    // It reads only the log's first and last records; the rest is read on first use.
    static std::unique_ptr<vexa_log_file> openReader(const QString &folder, const QString &file);
    static FileLog *fromReader(std::unique_ptr<vexa_log_file> reader, QObject *parent = nullptr);
    // Whether a refused log was refused for its length: it is readable and has records
    // ("$REZEZ" near its start), so it must have reached the record limit (over an hour).
    static bool refusedForLength(const QString &path);
    ~FileLog() override;

    const vexa_log_file &file() const { return *_log_file; }
    QString path() const;
    qint64 count() const { return qint64(_log_file->count()); }
    qint64 sequence() const { return _log_file->sequence_number(); }
    // All-zero record for an index outside the log.
    const _vexa_log_info_t &logAtIndex(qint64 index) const;
    const _vexa_log_info_t &lastLog() const { return logAtIndex(count() - 1); }
    double distance() const { return _log_file->distance(); }
    qint64 interval() const;

    void gotoFrame(qint64 index);
    void playWithSpeed(double speed);
    void step(bool forward);
    void pause();
    qint64 currentIndex() const { return _currIndex; }
    double speed() const { return _speed; }
    bool isPlaying() const { return _play; }
    void drawLog();

    // The delay between records at a speed, in milliseconds, before draw time is subtracted.
    qint64 delayForSpeed(double speed) const;
    qint64 scheduledDelay() const { return _scheduledDelay; }
    bool stepPending() const { return _timer.isActive(); }

public slots:
    // One timed playback step; also run by the step timer.
    void playLog();

signals:
    void fileLogFrameIndex(FileLog *fileLog, qint64 frameIndex);

private:
    FileLog(std::unique_ptr<vexa_log_file> reader, QObject *parent);

    std::unique_ptr<vexa_log_file> _log_file;
    qint64 _currIndex = 0;
    double _speed = 0;
    bool _play = false;
    // From the first two records, once the log is read.
    mutable qint64 _interval = 0;
    mutable bool _intervalKnown = false;
    QTimer _timer;
    qint64 _scheduledDelay = 0;
};
