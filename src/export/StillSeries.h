// Which frames a series of stills takes: from a start frame, one frame every
// fps / perSecond frames, for as long as the frames' times stay within the chosen seconds.
#pragma once

#include <QList>

class FileVideo;

namespace StillSeries {
// Frames between two stills; 0 when the rate is unknown (fps or perSecond not positive).
int step(int fps, int perSecond);
// The frames of the series, in order; empty when start is outside the recording or step is 0.
QList<qint64> indices(const FileVideo &video, qint64 start, int step, int seconds);
// Whole seconds from the first to the last frame: the longest series offered. Never more
// than the frame count, which only broken frame times could exceed.
int lengthSeconds(const FileVideo &video);
// The frames-per-second field of the frame's telemetry; 0 when it cannot be read.
int framesPerSecond(FileVideo &video, qint64 index);
} // namespace StillSeries
