// One recording of the card: owns its reader, keeps the playback cursor and speed, plays
// itself on the event loop and reports every frame it shows.
//
// Frame reports: drawImage() emits fileVideoFrameIndex(this, index). The FileManager that
// loaded the recording forwards that signal as its own FileManager::fileVideoFrameIndex,
// which is what the main view listens to. An index outside 0 .. frameCount() - 1 reports
// the end of playback.
#pragma once

#include "vexa_vdd_file.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

class DisplayFormat;

class FileVideo : public QObject {
    Q_OBJECT
public:
    enum Type { Normal = 1, Event = 2 };

    // Opens folder/file (file may be a relative path) with its .vdx sidecar; null on failure.
    static FileVideo *create(const QString &folder, const QString &file, int type,
                             QObject *parent = nullptr);
    // The opening half of create(), safe to run on a worker thread. It reads only what the
    // lists need; the full index is read when the recording is first used.
    static std::unique_ptr<vexa_vdd_file> openReader(const QString &folder, const QString &file);
    // The object half of create(); must run on the thread that will play the recording.
    static FileVideo *fromReader(std::unique_ptr<vexa_vdd_file> reader, int type,
                                 QObject *parent = nullptr);
    ~FileVideo() override;

    vexa_vdd_file &file() { return *_vdd_file; }
    const vexa_vdd_file &file() const { return *_vdd_file; }
    QString path() const;
    int type() const { return _type; }
    const QList<qint64> &triggerList() const
    {
        ensureIndexed();
        return _triggers;
    }
    const _vexa_video_index_header_t &indexHeader() const
    {
        ensureIndexed();
        return _vdd_file->index_header();
    }
    qint64 frameCount() const
    {
        ensureIndexed();
        return qint64(_vdd_file->frame_count());
    }
    // Reads the recording's full index if it has not been read yet. A recording whose damage
    // only that read reveals then reports indexChanged.
    void ensureIndexed() const;
    bool isIndexed() const { return _indexed.load(std::memory_order_acquire); }
    // The first frame and the event type, known without the full index.
    const _vexa_video_frame_header_t &firstHeader() const { return _vdd_file->first_header(); }
    int eventType() const { return _vdd_file->event_type(); }
    // No frames, or a first frame without a real time: nothing can be played or dated.
    bool isDamaged() const;
    // All-zero header for an index outside the recording.
    const _vexa_video_frame_header_t &headerAtIndex(qint64 index) const;
    const _vexa_video_frame_header_t &lastHeader() const { return headerAtIndex(frameCount() - 1); }
    qint64 interval() const
    {
        ensureIndexed();
        return _interval;
    }
    qint64 startTime() const { return _stime; }
    qint64 endTime() const { return _etime; }

    // The decoded picture, or a null image for an empty or unreadable frame.
    QImage imageAtIndex(qint64 index);
    // The frame's JPEG bytes as the camera stored them; empty for an empty or unreadable frame.
    QByteArray dataAtIndex(qint64 index);
    // The last frame could not be read from the card at all (pulled, replaced, I/O error).
    bool cardUnreadable() const { return _vdd_file->read_failed(); }
    bool jpegComment(uint8_t out[VEXA_COMMENT_SIZE], qint64 index);
    // First (forward) or last (backward) frame of the second holding the time; -1 if none.
    qint64 indexAtTimestamp(const _vexa_time_t &time, bool forward) const;
    // Whether the recording overlaps the open interval (fromMsec, toMsec).
    bool intime(qint64 fromMsec, qint64 toMsec) const;

    void moveFrame(qint64 index);
    void gotoFrame(qint64 index);
    void step(bool forward);
    void playWithSpeed(double speed);
    void pause();
    qint64 currentIndex() const { return _currIndex; }
    double speed() const { return _speed; }
    bool isPlaying() const { return _play; }
    void drawImage();

    // Frames advanced per playback step and the nominal delay between steps at a speed.
    struct Stride {
        qint64 step = 0;
        qint64 delay = 0;
    };
    Stride strideForSpeed(double speed) const;
    // Milliseconds the pending playback step was scheduled after (draw time subtracted).
    qint64 scheduledDelay() const { return _scheduledDelay; }
    bool stepPending() const { return _timer.isActive(); }

    // The frame, flipped (see flipped), as a JPEG of best quality at path.
    bool saveImageAtIndex(qint64 index, const QString &path, int flip);
    // The frame, flipped, with the movie captions burnt in, in the format's units and zone.
    QImage aviImageAtIndex(qint64 index, const QString &vehicle, bool speed, bool date,
                           bool latlng, bool sensor, int flip, const DisplayFormat &format);
    // Stops frame reading; headers stay available.
    void close();

    // Flip modes: 0 none, 1 upside down, 2 mirrored left-right, 3 half turn.
    static QImage flipped(const QImage &image, int flip);
    // Writes the image in the format its path's suffix names (JPEG at best quality),
    // replacing the file only when the whole image is on the disk. error (optional) names the
    // file and the system's reason.
    static bool writeImage(const QImage &image, const QString &path, QString *error = nullptr);
    static bool writeImageAs(const QImage &image, const QString &path, const QByteArray &format,
                             QString *error = nullptr);

public slots:
    // One timed playback step; also run by the step timer.
    void playImage();

signals:
    void fileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);
    // The full index changed what the lists show (the recording turned out damaged, or its
    // first or last frame moved).
    void indexChanged(FileVideo *fileVideo);

private:
    FileVideo(std::unique_ptr<vexa_vdd_file> reader, int type, QObject *parent);
    void buildTriggerList() const;
    void buildSecondIndex() const;
    void setSpan(const _vexa_video_frame_header_t &first, const _vexa_video_frame_header_t &last,
                 qint64 frames) const;

    std::unique_ptr<vexa_vdd_file> _vdd_file;
    int _type;
    qint64 _currIndex = 0;
    double _speed = 0;
    // The step playback took to reach _currIndex; 0 when the cursor was placed.
    qint64 _lastStep = 0;
    bool _play = false;
    // Known from the first and last frames at open, made exact by the full index; the rest
    // is built with the full index, guarded by _indexMutex.
    mutable qint64 _stime = 0;
    mutable qint64 _etime = 0;
    mutable qint64 _interval = 0;
    mutable QList<qint64> _triggers;
    mutable std::atomic_bool _indexed = false;
    mutable std::mutex _indexMutex;
    // (second of the frame's time, frame index) of every frame, sorted: frame times need
    // not run forward, and a lookup by time must not scan the whole recording.
    mutable std::vector<std::pair<qint64, qint64>> _secondIndex;
    QTimer _timer;
    qint64 _scheduledDelay = 0;
    bool _closed = false;
};
