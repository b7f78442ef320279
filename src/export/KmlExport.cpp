#include "KmlExport.h"

#include "DisplayFormat.h"
#include "ExportFile.h"
#include "TextLine.h"
#include "ZonePieces.h"
#include "Texts.h"
#include "vexa_log_file.h"
#include "vexa_time.h"
#include "vexa_telemetry.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr const char *ArrowIcon = "http://maps.google.com/mapfiles/kml/shapes/arrow.png";

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// The arrow styles no placemark refers to, then the folder of the time span.
void writeHeader(ExportFile &file, const TrackExport::Logs &logs, const QString &title,
                 const DisplayFormat &format, bool gx)
{
    file.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml xmlns=\"http://earth.google.com/kml/2.1\"");
    if (gx)
        file.append(" xmlns:gx=\"http://www.google.com/kml/ext/2.2\"");
    file.append(">\n<Folder><name>");
    file.append(escaped(title));
    file.append("</name><open>1</open><description></description>\n");
    for (const char *style : {"<Style id=\"QX_KMLStyle1\">\n<IconStyle><color>df00ff00</color>",
                              "<Style id=\"QX_KMLStyle2\">\n<IconStyle><color>df0000ff</color>"}) {
        file.append(style);
        file.appendf("<scale>0.7</scale><Icon><href>%s</href></Icon></IconStyle></Style>\n", ArrowIcon);
    }
    const QString first = format.dateString(logs.front()->record_at(0).time);
    const QString last = format.dateString(logs.back()->last_record().time);
    file.append("<Folder><name>");
    file.append(escaped(first + QStringLiteral(" - ") + last));
    file.append("</name>\n");
}

QString timeLine(const _vexa_log_info_t &r, const DisplayFormat &format)
{
    const QStringList dateTime = format.dateString(r.time).split(u' ');
    const QString date = dateTime.value(0), time = dateTime.value(1);
    const QString week = DisplayFormat::weekString(format.toLocal(r.time).day_of_week);
    const QString label = Texts::text("gui_time");
    if (format.dateFormat() == 1 || format.dateFormat() == 2)
        return QStringLiteral("%1&nbsp;:&nbsp;(%2)&nbsp;%3&nbsp;%4<BR>").arg(label, week, date, time);
    return QStringLiteral("%1&nbsp;:&nbsp;%2&nbsp;(%3)&nbsp;%4<BR>").arg(label, date, week, time);
}

void writePlacemark(ExportFile &file, const _vexa_log_info_t &r, double lat, double lon, double height,
                    const DisplayFormat &format)
{
    const QString nbsp = QStringLiteral("&nbsp;");
    const QString colon = QStringLiteral("&nbsp;:&nbsp;");
    // Concatenated rather than arg()-chained: a translated text may hold a '%'.
    const QString description = timeLine(r, format) + Texts::text("gui_speed") + colon
        + QString::number(TextLine::truncated(format.speedValue(r.speed))) + nbsp + format.speedFormat() + nbsp + nbsp
        + u'(' + DisplayFormat::courseString(r.course) + QStringLiteral(")<BR>") + Texts::text("gui_altitude") + colon
        + QString::number(TextLine::truncated(format.altitudeValue(r.altitude))) + nbsp + format.altitudeFormat()
        + QStringLiteral("<BR>");
    file.append("<Placemark><name></name>\n<description><![CDATA[");
    file.append(description);
    file.appendf("GSensorX&nbsp;:&nbsp;%.2f<BR>GSensorY&nbsp;:&nbsp;%.2f<BR>GSensorZ&nbsp;:&nbsp;%.2f]]></description>\n",
                 gsensor_value(r.gsensor_x), gsensor_value(r.gsensor_y), gsensor_z_value(r.gsensor_z));
    const int h1 = KmlExport::viewHeading(r.course);
    file.appendf("<LookAt><latitude>%f</latitude><longitude>%f</longitude><range>500</range>"
                 "<heading>%d</heading></LookAt>\n<Style><IconStyle><color>df00ff00</color><scale>0.7</scale>"
                 "<Icon><href>%s</href></Icon><heading>%d</heading></IconStyle></Style><Point><extrude>1</extrude>"
                 "<altitudeMode>relativeToGround</altitudeMode>\n<coordinates>%f,%f,%f</coordinates></Point>\n"
                 "</Placemark>\n",
                 lat, lon, h1, ArrowIcon, KmlExport::iconHeading(r.course), lon, lat, height);
}

// Appends "lon,lat,height" ("%f,%f,%f") to a space-separated coordinate list; without a
// height the third value is a plain 0.
void appendCoordinate(QByteArray &list, double lon, double lat, const double *height = nullptr)
{
    TextLine point;
    if (!list.isEmpty())
        point.ch(' ');
    point.fixed(lon, 6).ch(',').fixed(lat, 6).ch(',');
    if (height)
        point.fixed(*height, 6);
    else
        point.ch('0');
    list.append(point.data(), point.size());
}

// The line's pieces between privacy zones: a single piece is one LineString as always, more
// are LineStrings of one MultiGeometry, the id on the first.
void writeTrack(ExportFile &file, const QString &name, const char *style, const char *id, const char *settings,
                const QList<QByteArray> &pieces)
{
    file.append("<Placemark><name>");
    file.append(escaped(name));
    file.append("</name>\n");
    file.append(style);
    const bool multi = pieces.size() > 1;
    if (multi)
        file.append("<MultiGeometry>\n");
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i == 0)
            file.appendf("<LineString id=\"%s\">", id);
        else
            file.append("<LineString>");
        file.append(settings);
        file.append("<coordinates>");
        file.append(pieces[i]);
        file.append("</coordinates></LineString>\n");
    }
    if (multi)
        file.append("</MultiGeometry>\n");
    file.append("</Placemark>\n");
}

// The car line and the raised line, each broken where a zone left positions out.
struct Lines {
    ZonePieces<QByteArray> tracks, speeds;

    void hidden()
    {
        tracks.hidden();
        speeds.hidden();
    }
    void add(double lon, double lat, double height)
    {
        appendCoordinate(tracks.next(), lon, lat);
        appendCoordinate(speeds.next(), lon, lat, &height);
    }
};

// Where an event starts: the first record of its span with a fix; false when none has one.
bool eventPosition(const vexa_log_file &log, const DrivingEvents::Event &e, const PrivacyZones &zones, double &lat,
                   double &lon)
{
    for (qint64 k = e.startIndex; k <= e.endIndex && k < qint64(log.count()); ++k) {
        const _vexa_log_info_t &r = log.record_at(quint64(k));
        if (r.gps_valid && !zones.hides(r)) {
            lat = nmea_to_degrees(r.latitude);
            lon = nmea_to_degrees(r.longitude);
            return true;
        }
    }
    return false;
}

void writeEvents(ExportFile &file, const TrackExport::Logs &logs, const DrivingEvents::Thresholds &thresholds,
                 const DisplayFormat &format, const PrivacyZones &zones)
{
    file.append("<Folder><name>");
    file.append(escaped(Texts::text("gui_events")));
    file.append("</name>\n");
    for (const vexa_log_file *log : logs) {
        for (const DrivingEvents::Event &e : DrivingEvents::ofLog(log->records(), thresholds)) {
            double lat = 0, lon = 0;
            if (!eventPosition(*log, e, zones, lat, lon))
                continue;
            const QColor c = DrivingEvents::colourOf(e.kind);
            file.append("<Placemark><name>");
            file.append(escaped(Texts::text(DrivingEvents::kindTextId(e.kind))));
            file.append("</name>\n<description>");
            file.append(escaped(format.dateString(msec_to_time(e.startMsec)) + QStringLiteral(" - ")
                                + format.dateString(msec_to_time(e.endMsec)) + QStringLiteral(", ")
                                + Texts::text("gui_event_peak") + QStringLiteral(" ")
                                + DrivingEvents::peakText(e, thresholds.units)));
            file.appendf("</description>\n<Style><IconStyle><color>ff%02x%02x%02x</color><scale>0.9</scale></IconStyle>"
                         "</Style><Point><coordinates>%f,%f,0</coordinates></Point>\n</Placemark>\n",
                         c.blue(), c.green(), c.red(), lon, lat);
        }
    }
    file.append("</Folder>\n");
}

// Every position with its UTC time and speed, as a globe viewer replays them.
struct GxPiece {
    QByteArray whens, coords, speeds;

    bool isEmpty() const { return whens.isEmpty(); }

    void add(const _vexa_log_info_t &r, double lat, double lon, const DisplayFormat &format)
    {
        const _vexa_time_t &t = r.time;
        TextLine line;
        line.text("<when>").number(t.year, 4).ch('-').number(t.month, 2).ch('-').number(t.day, 2).ch('T');
        line.number(t.hour, 2).ch(':').number(t.minute, 2).ch(':').number(t.second, 2);
        if (t.millisecond)
            line.ch('.').number(t.millisecond, 3);
        line.text("Z</when>\n");
        whens.append(line.data(), line.size());
        TextLine coord;
        coord.text("<gx:coord>").fixed(lon, 6).ch(' ').fixed(lat, 6).ch(' ').fixed(finite(r.altitude), 1);
        coord.text("</gx:coord>\n");
        coords.append(coord.data(), coord.size());
        TextLine speed;
        speed.text("<gx:value>").fixed(format.speedValue(finite(r.speed)), 1).text("</gx:value>\n");
        speeds.append(speed.data(), speed.size());
    }
    static double finite(float v) { return std::isfinite(v) ? double(v) : 0.0; }
};

// The replayed track, in pieces where a privacy zone left positions out.
struct GxTrack : ZonePieces<GxPiece> {
    void add(const _vexa_log_info_t &r, double lat, double lon, const DisplayFormat &format)
    {
        next().add(r, lat, lon, format);
    }
};

void writeGxPiece(ExportFile &file, const GxPiece &piece, const char *settings)
{
    file.append("<gx:Track>");
    file.append(settings);
    file.append(piece.whens);
    file.append(piece.coords);
    file.append("<ExtendedData><SchemaData schemaUrl=\"#TrackData\"><gx:SimpleArrayData name=\"speed\">\n");
    file.append(piece.speeds);
    file.append("</gx:SimpleArrayData></SchemaData></ExtendedData></gx:Track>\n");
}

// One piece is a gx:Track as always; more are the gx:Tracks of a gx:MultiTrack that does not
// join them across the zones.
void writeGxTrack(ExportFile &file, const GxTrack &track, const DisplayFormat &format)
{
    const QString speedName = Texts::text("gui_speed") + QStringLiteral(" (") + format.speedFormat() + u')';
    file.append("<Schema id=\"TrackData\"><gx:SimpleArrayField name=\"speed\" type=\"float\"><displayName>");
    file.append(escaped(speedName));
    file.append("</displayName></gx:SimpleArrayField></Schema>\n<Placemark><name>");
    file.append(escaped(Texts::text("gui_car_track")));
    file.append("</name>\n");
    constexpr const char *Clamped = "<altitudeMode>clampToGround</altitudeMode>\n";
    if (track.pieces().size() == 1) {
        writeGxPiece(file, track.pieces().first(), Clamped);
    } else {
        file.append("<gx:MultiTrack>");
        file.append(Clamped);
        file.append("<gx:interpolate>0</gx:interpolate>\n");
        for (const GxPiece &piece : track.pieces())
            writeGxPiece(file, piece, "\n");
        file.append("</gx:MultiTrack>\n");
    }
    file.append("</Placemark>\n");
}

void writeFooter(ExportFile &file, const Lines &lines, const GxTrack *gx, const DisplayFormat &format)
{
    const QString carTrack = Texts::text("gui_car_track");
    file.append("</Folder>\n");
    writeTrack(file, carTrack, "<Style><LineStyle><color>7FFF0000</color><width>5</width></LineStyle></Style>\n",
               "CarRoute", "<tessellate>1</tessellate>\n", lines.tracks.pieces());
    writeTrack(file, QStringLiteral("%1 (%2)").arg(carTrack, Texts::text("gui_speed")),
               "<Style><LineStyle><color>7F00FFFF</color><width>4</width></LineStyle></Style>\n", "SpeedRoute",
               "<tessellate>1</tessellate><altitudeMode>relativeToGround</altitudeMode>\n", lines.speeds.pieces());
    if (gx)
        writeGxTrack(file, *gx, format);
    file.append("</Folder>\n</kml>\n");
}

} // namespace

QString KmlExport::folderName(Variant variant)
{
    switch (variant) {
    case Variant::Orvisto:
        return QStringLiteral("GPS-Track by Orvisto");
    case Variant::Tremolax:
        return QStringLiteral("GPS-Track");
    case Variant::Tumbo:
        break;
    }
    return QStringLiteral("GPS-Track by TUMBO");
}

int KmlExport::viewHeading(double course)
{
    const int c = TextLine::truncated(course);
    return course <= 180 || course > 360 ? c : c - 360;
}

int KmlExport::iconHeading(double course)
{
    const int h1 = viewHeading(course);
    return h1 >= 0 ? h1 - 180 : h1 + 180;
}

TrackExport::Result KmlExport::write(const QString &path, const TrackExport::Logs &logs, const Options &options,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress)
{
    TrackExport::Result result;
    ExportFile file(path);
    if (logs.empty()) {
        result.error = QStringLiteral("no logs to export");
        return result;
    }
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    const qint64 pointMs = qint64(options.pointSeconds) * 1000;
    const qint64 lineMs = qint64(options.lineSeconds) * 1000;
    qint64 lastPoint = 0, lastLine = 0;
    Lines lines;
    GxTrack gx;
    writeHeader(file, logs, options.title, options.format, options.gxTrack);
    const qint64 total = qint64(logs.size());
    for (const vexa_log_file *log : logs) {
        const qint64 n = qint64(log->count());
        const QString count = TrackExport::countText(result.logs, total);
        qint64 k = 0;
        for (; k < n; ++k) {
            const _vexa_log_info_t &r = log->records()[size_t(k)];
            const bool hidden = options.zones.hides(r);
            if (hidden) {
                lines.hidden();
                gx.hidden();
            }
            if (hidden || !has_position_fix(r.gps_valid, r.latitude, r.longitude))
                continue;
            const qint64 t = time_to_msec(r.time);
            const double lat = nmea_to_degrees(r.latitude), lon = nmea_to_degrees(r.longitude);
            const double height = options.altitudeHeight ? double(r.altitude) : double(r.speed);
            if (t - lastPoint >= pointMs) {
                writePlacemark(file, r, lat, lon, height, options.format);
                ++result.placemarks;
                lastPoint = t;
            }
            if (t - lastLine >= lineMs) {
                lines.add(lon, lat, height);
                ++result.trackPoints;
                lastLine = t;
            }
            if (options.gxTrack)
                gx.add(r, lat, lon, options.format);
            if (progress)
                progress(k + 1, n, count);
            if (cancel.load(std::memory_order_relaxed))
                break;
        }
        ++result.logs;
        // A cancel leaves the bar where the log stopped.
        if (progress)
            progress(k < n ? k + 1 : n, n, TrackExport::countText(result.logs, total));
        if (cancel.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
    }
    if (options.events && !result.cancelled)
        writeEvents(file, logs, options.thresholds, options.format, options.zones);
    writeFooter(file, lines, options.gxTrack ? &gx : nullptr, options.format);
    result.written = file.commit();
    if (!result.written)
        result.error = file.errorString();
    return result;
}
