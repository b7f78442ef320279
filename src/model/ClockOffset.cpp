#include "ClockOffset.h"

#include "FileLog.h"
#include "FileVideo.h"
#include "vexa_time.h"

#include <QByteArrayList>
#include <QFile>

#include <algorithm>

namespace {

// Lines longer than this are not NMEA and are skipped.
constexpr qint64 kMaxLine = 512;
// A log holds at most 3610 records of a few sentences each; more lines are not read.
constexpr int kMaxLines = 3610 * 40;

int digits(const QByteArray &text, int from, int count)
{
    const QByteArray part = text.mid(from, count);
    bool ok = false;
    const int value = part.size() == count ? part.toInt(&ok) : -1;
    return ok ? value : -1;
}

// hhmmss[.sss] and DDMMYY as milliseconds since the epoch; nothing when malformed.
std::optional<qint64> nmeaTime(const QByteArray &hms, const QByteArray &date, int msec)
{
    _vexa_time_t t{};
    t.hour = uint16_t(digits(hms, 0, 2));
    t.minute = uint16_t(digits(hms, 2, 2));
    t.second = uint16_t(digits(hms, 4, 2));
    t.day = uint16_t(digits(date, 0, 2));
    t.month = uint16_t(digits(date, 2, 2));
    const int year = digits(date, 4, 2);
    if (digits(hms, 0, 2) < 0 || digits(hms, 2, 2) < 0 || digits(hms, 4, 2) < 0 || digits(date, 0, 2) < 1
        || digits(date, 2, 2) < 1 || year < 0)
        return std::nullopt;
    t.year = uint16_t(2000 + year);
    t.millisecond = uint16_t(std::clamp(msec, 0, 999));
    return time_to_msec(t);
}

} // namespace

std::optional<qint64> ClockOffset::median(std::vector<qint64> samples)
{
    if (samples.empty())
        return std::nullopt;
    const auto middle = samples.begin() + (samples.size() - 1) / 2;
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

std::optional<qint64> ClockOffset::ofVideo(const FileVideo &video)
{
    // Reading comments needs the non-const reader; the recording itself is not changed.
    auto &reader = const_cast<FileVideo &>(video).file();
    std::vector<qint64> samples;
    for (qint64 i = 0; i < video.frameCount(); ++i) {
        const auto &h = video.headerAtIndex(i);
        uint8_t c[VEXA_COMMENT_SIZE];
        if (!h.gps_valid || h.time.year == 0 || !reader.get_jpeg_comment(quint64(i), c))
            continue;
        _vexa_time_t gps{};
        gps.year = uint16_t(c[52] | (c[53] << 8));
        gps.month = c[54];
        gps.day = c[55];
        gps.hour = c[56];
        gps.minute = c[57];
        gps.second = c[58];
        if (gps.year == 0 || gps.month == 0 || gps.day == 0)
            continue;
        // The receiver's time has whole seconds only: the frame's place within its second
        // is not a clock error.
        _vexa_time_t camera = h.time;
        camera.millisecond = 0;
        samples.push_back(time_to_msec(camera) - time_to_msec(gps));
    }
    return median(std::move(samples));
}

std::optional<qint64> ClockOffset::ofLog(const FileLog &log)
{
    QFile file(log.path());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<qint64> samples;
    std::optional<qint64> gps;
    for (int n = 0; n < kMaxLines && !file.atEnd(); ++n) {
        const QByteArray line = file.readLine(kMaxLine).trimmed();
        const QByteArrayList f = line.split(',');
        if (f.value(0) == "$GPRMC") {
            const QByteArray hms = f.value(1);
            const int dot = hms.indexOf('.');
            const int msec = dot < 0 ? 0 : hms.mid(dot + 1, 3).leftJustified(3, '0').toInt();
            gps = f.value(2) == "A" ? nmeaTime(hms, f.value(9), msec) : std::nullopt;
        } else if (f.value(0) == "$REZEZ" && gps) {
            const QByteArray hms = f.value(6);
            if (const auto camera = nmeaTime(hms, f.value(7), digits(hms, 6, 3)))
                samples.push_back(*camera - *gps);
            gps.reset();
        }
    }
    return median(std::move(samples));
}
