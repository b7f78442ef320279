// Saves frames of a recording as JPEG stills named after the frame's local time and index.
// Every still carries EXIF (time, offset, position); an unflipped one keeps the camera's
// JPEG bytes as they are, with only the EXIF segment added.
#pragma once

#include "DisplayFormat.h"
#include "vexa_types.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class FileVideo;

class StillExport {
public:
    // done out of total stills, and the name of the still being written.
    using Progress = std::function<void(qint64 done, qint64 total, const QString &text)>;

    enum class Status { Saved, Failed, Cancelled };
    struct Result {
        Status status = Status::Saved;
        // Names (not paths) of the stills written, in write order.
        QStringList files;
        QString error;
    };

    // "YYYYMMDD_hhmmss_NNN.jpg": the frame's time, local in the format's zone, and its index.
    static QString fileName(const _vexa_time_t &utc, qint64 index, const DisplayFormat &format);

    // A reader of its own for the recording at path, so a worker never shares the
    // viewer's; null when it cannot be opened.
    static std::unique_ptr<FileVideo> open(const QString &path);

    // Saves frames in order into folder, flipped (0 none, 1 upside down, 2 mirrored,
    // 3 half turn). Stops at the first frame that cannot be read or written; the stills
    // written before it stay. cancel may be null. The EXIF gives local time in the format's zone.
    static Result save(FileVideo &video, const QList<qint64> &frames, const QString &folder, int flip,
                       const DisplayFormat &format, const std::atomic_bool *cancel = nullptr,
                       const Progress &progress = {});
    // One still's bytes; empty with the reason when the frame cannot be read.
    static QByteArray stillBytes(FileVideo &video, qint64 index, int flip, const DisplayZone &zone, QString &error);

private:
    static bool write(const QString &path, const QByteArray &bytes, QString &error);
};
