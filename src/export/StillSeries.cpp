#include "StillSeries.h"

#include "FileVideo.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"

#include <algorithm>

namespace StillSeries {

int step(int fps, int perSecond)
{
    if (fps <= 0 || perSecond <= 0)
        return 0;
    return fps / perSecond;
}

QList<qint64> indices(const FileVideo &video, qint64 start, int step, int seconds)
{
    QList<qint64> frames;
    const qint64 count = video.frameCount();
    if (start < 0 || start >= count || step <= 0)
        return frames;
    const qint64 end = time_to_msec(video.headerAtIndex(start).time) + qint64(seconds) * 1000;
    for (qint64 i = start; i < count; i += step) {
        if (time_to_msec(video.headerAtIndex(i).time) >= end)
            break;
        frames.append(i);
    }
    return frames;
}

int lengthSeconds(const FileVideo &video)
{
    const qint64 count = video.frameCount();
    if (count < 1)
        return 0;
    const qint64 seconds = time_diff_msec(video.headerAtIndex(0).time, video.lastHeader().time) / 1000;
    return int(std::clamp<qint64>(seconds, 0, count));
}

int framesPerSecond(FileVideo &video, qint64 index)
{
    uint8_t comment[VEXA_COMMENT_SIZE];
    if (!video.jpegComment(comment, index))
        return 0;
    return comment_frames_per_second(comment);
}

} // namespace StillSeries
