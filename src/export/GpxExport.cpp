#include "GpxExport.h"

#include "ExportFile.h"
#include "TextLine.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <cmath>

namespace {

// Speed (m/s) and course through Garmin's TrackPointExtension, which GPX 1.1 readers know;
// a value a damaged record makes meaningless is left out rather than written.
void appendMotion(TextLine &point, const _vexa_log_info_t &r)
{
    const double speed = double(r.speed) / 3.6;
    // One decimal: 359.96 would read 360.0, which the schema does not allow.
    double course = std::round(double(r.course) * 10) / 10;
    if (course == 360)
        course = 0;
    const bool hasSpeed = std::isfinite(speed) && speed >= 0 && speed < 1e5;
    const bool hasCourse = std::isfinite(course) && course >= 0 && course < 360;
    if (!hasSpeed && !hasCourse)
        return;
    point.text("<extensions><gpxtpx:TrackPointExtension>");
    if (hasSpeed)
        point.text("<gpxtpx:speed>").fixed(speed, 2).text("</gpxtpx:speed>");
    if (hasCourse)
        point.text("<gpxtpx:course>").fixed(course, 1).text("</gpxtpx:course>");
    point.text("</gpxtpx:TrackPointExtension></extensions>");
}

void writePoint(ExportFile &file, const _vexa_log_info_t &r)
{
    const _vexa_time_t &t = r.time;
    TextLine point;
    point.text("<trkpt lat=\"").fixed(nmea_to_degrees(r.latitude), 6).text("\" lon=\"");
    point.fixed(nmea_to_degrees(r.longitude), 6).text("\"><ele>").fixed(r.altitude, 1).text("</ele><time>");
    point.number(t.year, 4).ch('-').number(t.month, 2).ch('-').number(t.day, 2).ch('T').number(t.hour, 2);
    point.ch(':').number(t.minute, 2).ch(':').number(t.second, 2);
    if (t.millisecond)
        point.ch('.').number(t.millisecond, 3);
    point.text("Z</time>");
    appendMotion(point, r);
    point.text("</trkpt>\n");
    file.append(point.data(), point.size());
}

} // namespace

TrackExport::Result GpxExport::write(const QString &path, const TrackExport::Logs &logs, const QString &creator,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress,
                                     const PrivacyZones &zones)
{
    TrackExport::Result result;
    ExportFile file(path);
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    file.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"");
    file.append(creator.toHtmlEscaped());
    file.append("\" xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
                " xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n<trk>\n");
    const qint64 total = qint64(logs.size());
    for (const vexa_log_file *log : logs) {
        const qint64 n = qint64(log->count());
        const QString count = TrackExport::countText(result.logs, total);
        file.append("<trkseg>\n");
        // The segment ends at a zone and the next starts after it, so no line crosses the zone.
        bool written = false, split = false;
        qint64 k = 0;
        for (; k < n; ++k) {
            const _vexa_log_info_t &r = log->records()[size_t(k)];
            const bool hidden = zones.hides(r);
            if (hidden)
                split = written;
            if (hidden || !has_position_fix(r.gps_valid, r.latitude, r.longitude))
                continue;
            if (split)
                file.append("</trkseg>\n<trkseg>\n");
            split = false;
            written = true;
            writePoint(file, r);
            ++result.records;
            if (progress)
                progress(k + 1, n, count);
            if (cancel.load(std::memory_order_relaxed))
                break;
        }
        file.append("</trkseg>\n");
        ++result.logs;
        // A cancel leaves the bar where the log stopped.
        if (progress)
            progress(k < n ? k + 1 : n, n, TrackExport::countText(result.logs, total));
        if (cancel.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
    }
    file.append("</trk>\n</gpx>\n");
    result.written = file.commit();
    if (!result.written)
        result.error = file.errorString();
    return result;
}
