#include "GeoJsonExport.h"

#include "ExportFile.h"
#include "TextLine.h"
#include "ZonePieces.h"
#include "vexa_log_file.h"
#include "vexa_time.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

QByteArray quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

void appendTime(TextLine &line, const _vexa_time_t &t)
{
    line.ch('"').number(t.year, 4).ch('-').number(t.month, 2).ch('-').number(t.day, 2).ch('T');
    line.number(t.hour, 2).ch(':').number(t.minute, 2).ch(':').number(t.second, 2);
    if (t.millisecond)
        line.ch('.').number(t.millisecond, 3);
    line.text("Z\"");
}

void appendPosition(TextLine &line, double lon, double lat)
{
    line.ch('[').fixed(lon, 6).ch(',').fixed(lat, 6);
}

// One piece of a log's line, its positions and what goes beside them as JSON array items.
struct LinePart {
    QByteArray coordinates, times, speeds;
    qint64 points = 0;

    bool isEmpty() const { return points == 0; }

    void add(const _vexa_log_info_t &r)
    {
        const char *comma = points ? "," : "";
        TextLine position;
        appendPosition(position.text(comma), nmea_to_degrees(r.longitude), nmea_to_degrees(r.latitude));
        if (std::isfinite(r.altitude))
            position.ch(',').fixed(r.altitude, 1);
        position.ch(']');
        coordinates.append(position.data(), position.size());
        TextLine time;
        appendTime(time.text(comma), r.time);
        times.append(time.data(), time.size());
        TextLine speed;
        speed.text(comma);
        if (std::isfinite(r.speed))
            speed.fixed(double(r.speed) / 3.6, 2);
        else
            speed.text("null");
        speeds.append(speed.data(), speed.size());
        ++points;
    }
};

// A log's line, broken where a privacy zone left positions out so that nothing joins across it.
struct LogLine : ZonePieces<LinePart> {
    void add(const _vexa_log_info_t &r) { next().add(r); }
    // A line needs two positions: shorter pieces are left out.
    QList<const LinePart *> drawn() const
    {
        QList<const LinePart *> out;
        for (const LinePart &part : pieces())
            if (part.points >= 2)
                out.append(&part);
        return out;
    }
    qint64 points() const
    {
        qint64 n = 0;
        for (const LinePart *part : drawn())
            n += part->points;
        return n;
    }
};

void writeFeatureStart(ExportFile &file, qint64 &features)
{
    file.append(features++ ? ",\n" : "\n");
}

// One piece is the array itself; more are an array of arrays, a MultiLineString's shape.
void writeArrays(ExportFile &file, const QList<const LinePart *> &parts, QByteArray LinePart::*member)
{
    const bool multi = parts.size() > 1;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (multi)
            file.append(i ? ",[" : "[");
        file.append(parts[i]->*member);
        if (multi)
            file.append("]");
    }
}

void writeLine(ExportFile &file, const vexa_log_file &log, const LogLine &line, qint64 &features)
{
    const QList<const LinePart *> parts = line.drawn();
    if (parts.isEmpty())
        return;
    writeFeatureStart(file, features);
    file.append(parts.size() > 1 ? "{\"type\":\"Feature\",\"geometry\":{\"type\":\"MultiLineString\",\"coordinates\":["
                                 : "{\"type\":\"Feature\",\"geometry\":{\"type\":\"LineString\",\"coordinates\":[");
    writeArrays(file, parts, &LinePart::coordinates);
    file.append("]},\"properties\":{\"log\":");
    file.append(quoted(QFileInfo(QString::fromStdString(log.path())).fileName()));
    file.append(",\"speed_unit\":\"m/s\",\"coordinateProperties\":{\"times\":[");
    writeArrays(file, parts, &LinePart::times);
    file.append("],\"speeds\":[");
    writeArrays(file, parts, &LinePart::speeds);
    file.append("]}}}");
}

// Where an event starts: the first record of its span with a fix outside every zone.
const _vexa_log_info_t *eventRecord(const vexa_log_file &log, const DrivingEvents::Event &e, const PrivacyZones &zones)
{
    for (qint64 k = std::max<qint64>(e.startIndex, 0); k <= e.endIndex && k < qint64(log.count()); ++k) {
        const _vexa_log_info_t &r = log.record_at(quint64(k));
        if (has_position_fix(r.gps_valid, r.latitude, r.longitude) && !zones.hides(r))
            return &r;
    }
    return nullptr;
}

qint64 writeEvents(ExportFile &file, const vexa_log_file &log, const GeoJsonExport::Options &options, qint64 &features)
{
    qint64 written = 0;
    for (const DrivingEvents::Event &e : DrivingEvents::ofLog(log.records(), options.thresholds)) {
        const _vexa_log_info_t *r = eventRecord(log, e, options.zones);
        if (!r)
            continue;
        writeFeatureStart(file, features);
        TextLine line;
        line.text("{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":");
        appendPosition(line, nmea_to_degrees(r->longitude), nmea_to_degrees(r->latitude));
        line.text("]},\"properties\":{\"event\":\"").text(DrivingEvents::kindName(e.kind).toLatin1().constData());
        appendTime(line.text("\",\"start\":"), msec_to_time(e.startMsec));
        appendTime(line.text(",\"end\":"), msec_to_time(e.endMsec));
        line.text(",\"peak\":").fixed(std::isfinite(e.peak) ? e.peak : 0.0, 2).text(",\"unit\":\"");
        line.text(DrivingEvents::unitName(e.kind, options.thresholds.units).toLatin1().constData()).text("\"}}");
        file.append(line.data(), line.size());
        ++written;
    }
    return written;
}

} // namespace

TrackExport::Result GeoJsonExport::write(const QString &path, const TrackExport::Logs &logs, const Options &options,
                                         const std::atomic_bool &cancel, const TrackExport::Progress &progress)
{
    TrackExport::Result result;
    ExportFile file(path);
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    file.append("{\"type\":\"FeatureCollection\",\"features\":[");
    qint64 features = 0;
    const qint64 total = qint64(logs.size());
    for (const vexa_log_file *log : logs) {
        const qint64 n = qint64(log->count());
        const QString count = TrackExport::countText(result.logs, total);
        LogLine line;
        qint64 k = 0;
        for (; k < n; ++k) {
            const _vexa_log_info_t &r = log->records()[size_t(k)];
            if (options.zones.hides(r))
                line.hidden();
            else if (has_position_fix(r.gps_valid, r.latitude, r.longitude))
                line.add(r);
            if (progress)
                progress(k + 1, n, count);
            if (cancel.load(std::memory_order_relaxed))
                break;
        }
        writeLine(file, *log, line, features);
        result.records += line.points();
        ++result.logs;
        if (progress)
            progress(k < n ? k + 1 : n, n, TrackExport::countText(result.logs, total));
        if (cancel.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
        result.placemarks += writeEvents(file, *log, options, features);
    }
    file.append("\n]}\n");
    result.written = file.commit();
    if (!result.written)
        result.error = file.errorString();
    return result;
}
