#include "CsvExport.h"

#include "ExportFile.h"
#include "TextLine.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <algorithm>
#include <vector>

namespace {

enum class Kind { Valid, NoFix, Empty };

Kind kindOf(const _vexa_log_info_t &r)
{
    if (has_position_fix(r.gps_valid, r.latitude, r.longitude))
        return Kind::Valid;
    const bool anyGps = r.latitude != 0 || r.longitude != 0 || r.altitude != 0 || r.speed != 0
        || r.course != 0 || r.satellites_used != 0 || r.satellites_in_view != 0 || r.hdop != 0;
    return anyGps ? Kind::NoFix : Kind::Empty;
}

void formatLine(const _vexa_log_info_t &r, const DisplayFormat &format, TextLine &line)
{
    const _vexa_time_t local = format.toLocal(r.time);
    const _vexa_time_t &utc = r.time;
    line.dateTime(local.year, local.month, local.day, local.hour, local.minute, local.second).ch(',');
    line.number(r.gsensor_x).ch(',').number(r.gsensor_y).ch(',').number(r.gsensor_z).text(",,");
    const Kind kind = kindOf(r);
    if (kind == Kind::Empty) {
        line.text(",,,,,,,\n");
        return;
    }
    if (kind == Kind::Valid) {
        line.text("Y,").fixed(nmea_to_degrees(r.latitude), 6).ch(',').fixed(nmea_to_degrees(r.longitude), 6);
        // Truncated towards zero, as a cast to int does.
        line.ch(',').number(TextLine::truncated(r.altitude)).ch(',').number(TextLine::truncated(r.speed));
        line.ch(',').number(TextLine::truncated(r.course)).ch(',');
    } else {
        line.text("N,,,,,,");
    }
    line.number(r.satellites_used).ch('/').number(r.satellites_in_view).ch('(').fixed(r.hdop, 2).text("),");
    if (kind == Kind::Valid)
        line.dateTime(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
    line.ch('\n');
}

// A record inside a privacy zone keeps its time and G values; its line reads as without a fix.
_vexa_log_info_t withoutPosition(const _vexa_log_info_t &r)
{
    _vexa_log_info_t hidden = r;
    hidden.gps_valid = 0;
    hidden.latitude = hidden.longitude = 0;
    hidden.altitude = hidden.speed = hidden.course = 0;
    return hidden;
}

// The kinds of the events each record belongs to, joined by '+'.
std::vector<QByteArray> eventColumn(const vexa_log_file &log, const DrivingEvents::Thresholds &thresholds)
{
    std::vector<QByteArray> column(size_t(log.count()));
    for (const DrivingEvents::Event &e : DrivingEvents::ofLog(log.records(), thresholds)) {
        const QByteArray kind = DrivingEvents::kindName(e.kind).toLatin1();
        for (qint64 k = std::max<qint64>(e.startIndex, 0); k <= e.endIndex && k < qint64(column.size()); ++k) {
            QByteArray &cell = column[size_t(k)];
            cell += cell.isEmpty() ? kind : '+' + kind;
        }
    }
    return column;
}

} // namespace

QByteArray CsvExport::line(const _vexa_log_info_t &record, const DisplayFormat &format)
{
    TextLine text;
    formatLine(record, format, text);
    return text.toByteArray();
}

TrackExport::Result CsvExport::write(const QString &path, const TrackExport::Logs &logs,
                                     const DisplayFormat &format, const std::atomic_bool &cancel,
                                     const TrackExport::Progress &progress,
                                     const DrivingEvents::Thresholds *events, const PrivacyZones &zones)
{
    TrackExport::Result result;
    ExportFile file(path);
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    const qint64 total = qint64(logs.size());
    for (const vexa_log_file *log : logs) {
        const qint64 n = qint64(log->count());
        const auto &records = log->records();
        const QString count = TrackExport::countText(result.logs, total);
        const std::vector<QByteArray> column = events ? eventColumn(*log, *events) : std::vector<QByteArray>();
        qint64 k = 0;
        while (k < n) {
            TextLine text;
            formatLine(zones.hides(records[size_t(k)]) ? withoutPosition(records[size_t(k)]) : records[size_t(k)], format, text);
            if (events) {
                QByteArray line = text.toByteArray();
                line.insert(line.size() - 1, ',' + column[size_t(k)]);
                file.append(line.constData(), line.size());
            } else {
                file.append(text.data(), text.size());
            }
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
