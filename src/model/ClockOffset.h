// How far the camera's clock runs from the GPS receiver's: the median, over the frames or
// records with a fix, of camera time minus GPS time, in milliseconds (positive: the camera
// is ahead). Null when nothing had a fix.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class FileLog;
class FileVideo;
class vexa_log_file;
class vexa_vdd_file;

class ClockOffset {
public:
    static std::optional<qint64> ofVideo(const FileVideo &video);
    static std::optional<qint64> ofLog(const FileLog &log);
    static std::optional<qint64> ofRecording(const vexa_vdd_file &file);
    // For a recording opened for a list (open_summary): until its full index is read, the
    // median over its first and last frames with a fix, the only frames read so far (a
    // recording's offset barely moves within it); afterwards the same as ofRecording.
    static std::optional<qint64> ofListed(const vexa_vdd_file &file);
    static std::optional<qint64> ofRecords(const vexa_log_file &file);

    // Beyond this the offset is marked where it is shown.
    static constexpr qint64 markedMsec = 2000;
    // "Camera clock 2.4 s ahead of GPS" (or behind), localized; empty for null.
    static QString text(std::optional<qint64> offsetMsec);
};
