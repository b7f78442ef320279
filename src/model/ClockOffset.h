// How far the camera's clock was from GPS time: camera time minus GPS time in milliseconds,
// the median over the samples with a fix, so a few odd fixes do not move it.
#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

class FileLog;
class FileVideo;

class ClockOffset {
public:
    // Frame time minus the receiver's time from the frame's comment; nothing without a fix.
    static std::optional<qint64> ofVideo(const FileVideo &video);
    // "$REZEZ" time (the camera's) minus the "$GPRMC" time seen before it with status A.
    static std::optional<qint64> ofLog(const FileLog &log);
    // The median (the lower middle of an even count); nothing for no samples.
    static std::optional<qint64> median(std::vector<qint64> samples);
};
