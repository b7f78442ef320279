#include "ClockOffset.h"

#include "FileLog.h"
#include "FileVideo.h"
#include "vexa_log_file.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A long recording is judged by this many frames spread evenly over its frames with a fix.
constexpr size_t kSampledFrames = 121;

std::optional<qint64> median(std::vector<qint64> &v)
{
    if (v.empty())
        return std::nullopt;
    const size_t mid = v.size() / 2;
    std::nth_element(v.begin(), v.begin() + mid, v.end());
    if (v.size() % 2)
        return v[mid];
    const qint64 upper = v[mid];
    const qint64 lower = *std::max_element(v.begin(), v.begin() + mid);
    return lower + (upper - lower) / 2;
}

// The receiver's time of the fix in the comment payload; -1 when it holds no date.
qint64 gpsTimeOfComment(const uint8_t *c)
{
    _vexa_time_t g{};
    uint16_t year = 0;
    std::memcpy(&year, c + 52, sizeof year);
    g.year = year;
    g.month = c[54];
    g.day = c[55];
    g.hour = c[56];
    g.minute = c[57];
    g.second = c[58];
    if (g.year < 2000 || g.month < 1 || g.month > 12 || g.day < 1 || g.day > 31 || g.hour > 23 ||
        g.minute > 59 || g.second > 60)
        return -1;
    return time_to_msec(g);
}

// Camera time minus the payload's GPS time of one frame with a fix.
bool offsetOfFrame(const vexa_vdd_file &file, const _vexa_video_frame_header_t &header, qint64 &offset)
{
    uint8_t comment[VEXA_COMMENT_SIZE];
    if (!header.gps_valid || !file.comment_of(header, comment))
        return false;
    const qint64 gps = gpsTimeOfComment(comment);
    if (gps < 0)
        return false;
    // The payload's GPS time has whole seconds, so the camera's is taken to its second too.
    _vexa_time_t camera = header.time;
    camera.millisecond = 0;
    offset = time_to_msec(camera) - gps;
    return true;
}

} // namespace

std::optional<qint64> ClockOffset::ofVideo(const FileVideo &video)
{
    return ofRecording(video.file());
}

std::optional<qint64> ClockOffset::ofLog(const FileLog &log)
{
    return ofRecords(log.file());
}

std::optional<qint64> ClockOffset::ofRecording(const vexa_vdd_file &file)
{
    std::vector<qint64> fixed;
    const auto &headers = file.headers();
    for (size_t i = 0; i < headers.size(); ++i)
        if (headers[i].gps_valid)
            fixed.push_back(qint64(i));
    const size_t step = std::max<size_t>(1, fixed.size() / kSampledFrames);
    std::vector<qint64> offsets;
    for (size_t k = 0; k < fixed.size(); k += step) {
        qint64 offset = 0;
        if (offsetOfFrame(file, headers[size_t(fixed[k])], offset))
            offsets.push_back(offset);
    }
    return median(offsets);
}

std::optional<qint64> ClockOffset::ofListed(const vexa_vdd_file &file)
{
    if (file.indexed())
        return ofRecording(file);
    std::vector<qint64> offsets;
    qint64 offset = 0;
    if (offsetOfFrame(file, file.first_header(), offset))
        offsets.push_back(offset);
    if (file.frames_at_least() > 1 && offsetOfFrame(file, file.last_header(), offset))
        offsets.push_back(offset);
    return median(offsets);
}

std::optional<qint64> ClockOffset::ofRecords(const vexa_log_file &file)
{
    std::vector<qint64> offsets;
    const auto &records = file.records();
    const auto &gps = file.gps_times();
    for (size_t i = 0; i < records.size() && i < gps.size(); ++i)
        if (records[i].gps_valid && gps[i] != vexa_log_file::no_gps_time)
            offsets.push_back(time_to_msec(records[i].time) - gps[i]);
    return median(offsets);
}

QString ClockOffset::text(std::optional<qint64> offsetMsec)
{
    if (!offsetMsec)
        return {};
    const qint64 ms = *offsetMsec;
    const QString seconds = QLocale().toString(std::abs(ms) / 1000.0, 'f', 1);
    if (std::abs(ms) < 50)
        return qtTrId("gui_clock_in_step");
    return qtTrId(ms > 0 ? "gui_clock_ahead" : "gui_clock_behind").arg(seconds);
}
