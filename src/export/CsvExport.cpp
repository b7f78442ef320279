#include "CsvExport.h"

#include "ExportFile.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <cstdio>

namespace {

enum class Kind { Valid, NoFix, Empty };

Kind kindOf(const _vexa_log_info_t &r)
{
    if (r.gps_valid)
        return Kind::Valid;
    const bool anyGps = r.latitude != 0 || r.longitude != 0 || r.altitude != 0 || r.speed != 0
        || r.course != 0 || r.satellites_used != 0 || r.satellites_in_view != 0 || r.hdop != 0;
    return anyGps ? Kind::NoFix : Kind::Empty;
}

// The line into out (at least 256 bytes); returns its length.
int formatLine(const _vexa_log_info_t &r, char *out, size_t size)
{
    const _vexa_time_t local = utc_to_local(r.time);
    const _vexa_time_t &utc = r.time;
    const int gx = r.gsensor_x, gy = r.gsensor_y, gz = r.gsensor_z;
    const int used = r.satellites_used, inView = r.satellites_in_view;
    const double hdop = r.hdop;
    int n = std::snprintf(out, size, "%04d.%02d.%02d %02d:%02d:%02d,%d,%d,%d,,", local.year, local.month,
                          local.day, local.hour, local.minute, local.second, gx, gy, gz);
    switch (kindOf(r)) {
    case Kind::Valid:
        n += std::snprintf(out + n, size - size_t(n), "Y,%f,%f,%d,%d,%d,%d/%d(%.2f),%04d.%02d.%02d %02d:%02d:%02d\n",
                           nmea_to_degrees(r.latitude), nmea_to_degrees(r.longitude), int(r.altitude),
                           int(r.speed), int(r.course), used, inView, hdop, utc.year, utc.month, utc.day,
                           utc.hour, utc.minute, utc.second);
        break;
    case Kind::NoFix:
        n += std::snprintf(out + n, size - size_t(n), "N,,,,,,%d/%d(%.2f),\n", used, inView, hdop);
        break;
    case Kind::Empty:
        n += std::snprintf(out + n, size - size_t(n), ",,,,,,,\n");
        break;
    }
    return n;
}

} // namespace

QByteArray CsvExport::line(const _vexa_log_info_t &record)
{
    char text[512];
    const int n = formatLine(record, text, sizeof text);
    return QByteArray(text, n);
}

TrackExport::Result CsvExport::write(const QString &path, const TrackExport::Logs &logs,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress)
{
    TrackExport::Result result;
    ExportFile file(path);
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    const qint64 total = qint64(logs.size());
    char text[512];
    for (const vexa_log_file *log : logs) {
        const qint64 n = qint64(log->count());
        const auto &records = log->records();
        const QString count = TrackExport::countText(result.logs, total);
        qint64 k = 0;
        while (k < n) {
            file.append(text, formatLine(records[size_t(k)], text, sizeof text));
            ++k;
            if (progress)
                progress(k, n, count);
            if (cancel.load(std::memory_order_relaxed))
                break;
        }
        result.records += k;
        ++result.logs;
        if (progress)
            progress(k, n, TrackExport::countText(result.logs, total));
        if (cancel.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
    }
    result.written = file.commit();
    if (!result.written)
        result.error = file.errorString();
    return result;
}
