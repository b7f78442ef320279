#include "GpxExport.h"

#include "ExportFile.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

namespace {

void writePoint(ExportFile &file, const _vexa_log_info_t &r)
{
    const _vexa_time_t &t = r.time;
    file.appendf("<trkpt lat=\"%.6f\" lon=\"%.6f\"><ele>%.1f</ele><time>%04d-%02d-%02dT%02d:%02d:%02d",
                 nmea_to_degrees(r.latitude), nmea_to_degrees(r.longitude), double(r.altitude), t.year, t.month,
                 t.day, t.hour, t.minute, t.second);
    if (t.millisecond)
        file.appendf(".%03d", int(t.millisecond));
    file.append("Z</time></trkpt>\n");
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
        for (qint64 k = 0; k < n; ++k) {
            const _vexa_log_info_t &r = log->records()[size_t(k)];
            if (!r.gps_valid)
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
        if (progress)
            progress(n, n, TrackExport::countText(result.logs, total));
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
