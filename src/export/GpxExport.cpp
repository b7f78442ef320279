#include "GpxExport.h"

#include "ExportFile.h"
#include "TextLine.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

namespace {

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
    point.text("Z</time></trkpt>\n");
    file.append(point.data(), point.size());
}

} // namespace

TrackExport::Result GpxExport::write(const QString &path, const TrackExport::Logs &logs, const QString &creator,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress)
{
    TrackExport::Result result;
    ExportFile file(path);
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    file.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"");
    file.append(creator.toHtmlEscaped());
    file.append("\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk>\n");
    const qint64 total = qint64(logs.size());
    for (const vexa_log_file *log : logs) {
        const qint64 n = qint64(log->count());
        const QString count = TrackExport::countText(result.logs, total);
        file.append("<trkseg>\n");
        qint64 k = 0;
        for (; k < n; ++k) {
            const _vexa_log_info_t &r = log->records()[size_t(k)];
            if (!has_position_fix(r.gps_valid, r.latitude, r.longitude))
                continue;
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
