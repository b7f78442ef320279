#include "MapScript.h"

#include "DisplayFormat.h"
#include "DrivingEvents.h"
#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "vexa_time.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int PostEventPhase = 3;
constexpr qint64 NormalRouteIntervalMsec = 15000;
constexpr qint64 OtherRouteIntervalMsec = 1000;
// A log has a record a second and may last an hour: a point every 5 s draws the same line.
constexpr qint64 LogRouteIntervalMsec = 5000;

// Writes calls as "name(a, b, ...);\n" with "%f"-style fixed six decimals.
class CallWriter {
public:
    void begin(const char *name)
    {
        _text += name;
        _text += '(';
        _first = true;
    }
    void number(double value)
    {
        separate();
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, 6);
        _text.append(buffer, result.ptr);
    }
    void integer(long long value)
    {
        separate();
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        _text.append(buffer, result.ptr);
    }
    void end() { _text += ");\n"; }
    void call(const char *name)
    {
        begin(name);
        end();
    }
    QString text() const { return QString::fromLatin1(_text.data(), qsizetype(_text.size())); }
    void reserve(size_t bytes) { _text.reserve(bytes); }

private:
    void separate()
    {
        if (!_first)
            _text += ", ";
        _first = false;
    }
    std::string _text;
    bool _first = true;
};

bool headerPosition(const _vexa_video_frame_header_t &h, double *latitude, double *longitude)
{
    return MapScript::position(h.gps_valid, h.latitude, h.longitude, latitude, longitude);
}

// The frame a play-list recording's camera stands at, or -1.
qint64 cameraFrame(const FileVideo &video)
{
    double latitude = 0, longitude = 0;
    for (qint64 k = 0; k < video.frameCount(); ++k) {
        const _vexa_video_frame_header_t &h = video.headerAtIndex(k);
        if (!headerPosition(h, &latitude, &longitude))
            continue;
        if (video.type() == FileVideo::Normal || h.record_phase == PostEventPhase)
            return k;
    }
    return -1;
}

} // namespace

bool MapScript::position(uint8_t gpsValid, double nmeaLatitude, double nmeaLongitude,
                         double *latitude, double *longitude)
{
    if (!gpsValid)
        return false;
    const double lat = nmea_to_degrees(nmeaLatitude);
    const double lon = nmea_to_degrees(nmeaLongitude);
    if (!std::isfinite(lat) || !std::isfinite(lon) || std::fabs(lat) > 90.0
        || std::fabs(lon) > 180.0)
        return false;
    *latitude = lat;
    *longitude = lon;
    return true;
}

QString MapScript::cameras(const FileManager &fileManager, const QList<qint64> &fileIndices,
                           const QString &type)
{
    CallWriter out;
    out.call("waitLoad");
    out.call("clearCamera");
    for (qint64 n : fileIndices) {
        const FileVideo *video = fileManager.videoAtIndex(n, type);
        if (!video || (video->type() != FileVideo::Normal && video->type() != FileVideo::Event))
            continue;
        const qint64 k = cameraFrame(*video);
        double latitude = 0, longitude = 0;
        if (k < 0 || !headerPosition(video->headerAtIndex(k), &latitude, &longitude))
            continue;
        out.begin("addCamera");
        out.number(latitude);
        out.number(longitude);
        out.integer(n);
        out.integer(qint64(uint32_t(k)));
        out.end();
    }
    out.call("waitDone");
    return out.text();
}

QString MapScript::logCameras(const QList<LogGuide> &cameras)
{
    CallWriter out;
    out.call("waitLoad");
    out.call("clearCamera");
    for (const LogGuide &camera : cameras) {
        double latitude = 0, longitude = 0;
        if (!camera.file || !headerPosition(camera.file->headerAtIndex(camera.index), &latitude,
                                             &longitude))
            continue;
        out.begin("addLogCamera");
        out.number(latitude);
        out.number(longitude);
        out.integer(camera.msec);
        out.end();
    }
    out.call("waitDone");
    return out.text();
}

// The driving events of the recording, each at the first position of its span.
static void addEventMarks(CallWriter &out, const FileVideo &video, const DisplayFormat &format)
{
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(format);
    for (const DrivingEvents::Event &e : DrivingEvents::ofRecording(video.file().headers(), thresholds)) {
        for (qint64 k = e.startIndex; k <= e.endIndex; ++k) {
            double latitude = 0, longitude = 0;
            if (!headerPosition(video.headerAtIndex(k), &latitude, &longitude))
                continue;
            out.begin("addEventMark");
            out.number(latitude);
            out.number(longitude);
            out.integer(int32_t(e.startIndex));
            out.integer(DrivingEvents::colourOf(e.kind).rgb() & 0xffffff);
            out.end();
            break;
        }
    }
}

// The driving events of a log, each at the first position of its span; a mark carries its
// record's time, as the log route's points do, so a click goes there.
static void addLogEventMarks(CallWriter &out, const FileLog &log, const DisplayFormat &format)
{
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(format);
    for (const DrivingEvents::Event &e : DrivingEvents::ofLog(log.file().records(), thresholds)) {
        for (qint64 i = e.startIndex; i <= e.endIndex && i < log.count(); ++i) {
            const _vexa_log_info_t &record = log.logAtIndex(i);
            double latitude = 0, longitude = 0;
            if (!MapScript::position(record.gps_valid, record.latitude, record.longitude, &latitude, &longitude))
                continue;
            out.begin("addEventMark");
            out.number(latitude);
            out.number(longitude);
            out.integer(time_to_msec(record.time));
            out.integer(DrivingEvents::colourOf(e.kind).rgb() & 0xffffff);
            out.end();
            break;
        }
    }
}

MapScript::Route MapScript::route(const FileVideo &video, const DisplayFormat &format)
{
    const qint64 interval =
        video.type() == FileVideo::Normal ? NormalRouteIntervalMsec : OtherRouteIntervalMsec;
    const qint64 last = video.frameCount() - 1;
    Route route;
    CallWriter out;
    out.reserve(64 * 1024);
    out.call("waitLoad");
    out.call("clearRoute");
    _vexa_time_t lastTime{};
    for (qint64 k = 0; k <= last; ++k) {
        const _vexa_video_frame_header_t &h = video.headerAtIndex(k);
        double latitude = 0, longitude = 0;
        if (!headerPosition(h, &latitude, &longitude))
            continue;
        if (route.firstIndex >= 0 && k != last && time_diff_msec(lastTime, h.time) < interval)
            continue;
        if (route.firstIndex < 0)
            route.firstIndex = k;
        lastTime = h.time;
        out.begin("addRoute");
        out.number(latitude);
        out.number(longitude);
        out.integer(int32_t(k));
        out.end();
    }
    out.call("drawRoute");
    addEventMarks(out, video, format);
    out.call("waitDone");
    route.script = out.text();
    return route;
}

QString MapScript::logRoute(const QList<FileLog *> &logs, const DisplayFormat &format)
{
    CallWriter out;
    out.reserve(64 * 1024);
    out.call("waitLoad");
    out.call("clearRoute");
    for (const FileLog *log : logs) {
        if (!log)
            continue;
        const qint64 last = log->count() - 1;
        _vexa_time_t lastTime{};
        bool any = false;
        for (qint64 i = 0; i <= last; ++i) {
            const _vexa_log_info_t &record = log->logAtIndex(i);
            double latitude = 0, longitude = 0;
            if (!position(record.gps_valid, record.latitude, record.longitude, &latitude, &longitude))
                continue;
            if (any && i != last && time_diff_msec(lastTime, record.time) < LogRouteIntervalMsec)
                continue;
            any = true;
            lastTime = record.time;
            // A click on the route goes to that second of the log.
            out.begin("addRoute");
            out.number(latitude);
            out.number(longitude);
            out.integer(time_to_msec(record.time));
            out.end();
        }
    }
    out.call("drawRoute");
    for (const FileLog *log : logs)
        if (log)
            addLogEventMarks(out, *log, format);
    out.call("waitDone");
    return out.text();
}

QString MapScript::moveCenter(double latitude, double longitude)
{
    CallWriter out;
    out.begin("moveCenter");
    out.number(latitude);
    out.number(longitude);
    out.end();
    return out.text();
}
