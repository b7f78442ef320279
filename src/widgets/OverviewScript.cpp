#include "OverviewScript.h"

#include "FileVideo.h"
#include "Texts.h"
#include "vexa_time.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QString number(double v)
{
    return QString::number(v, 'f', 6);
}

// A JavaScript string literal of the text.
QString quoted(const QString &text)
{
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString routeCall(size_t trip, const TripBuilder::Trip &t)
{
    const std::vector<TripBuilder::Point> points = TripBuilder::simplified(t.route, OverviewScript::MaxRoutePoints);
    QString flat;
    flat.reserve(qsizetype(points.size()) * 24);
    for (const TripBuilder::Point &p : points) {
        if (!flat.isEmpty())
            flat += u',';
        flat += number(p.latitude) + u',' + number(p.longitude);
    }
    return QStringLiteral("addTrip(%1, \"%2\", [%3]);\n")
        .arg(trip)
        .arg(OverviewScript::tripColour(trip).name(), flat);
}

// The first of the recording's two ends with a fix.
bool recordingPosition(const TripBuilder::Source &s, double &latitude, double &longitude)
{
    for (const _vexa_video_frame_header_t *h : {&s.first, &s.last}) {
        if (has_position_fix(h->gps_valid, h->latitude, h->longitude)) {
            latitude = nmea_to_degrees(h->latitude);
            longitude = nmea_to_degrees(h->longitude);
            return true;
        }
    }
    return false;
}

QString markerCalls(const TripBuilder::Trips &trips, const std::vector<TripBuilder::Source> &sources,
                    const DisplayFormat &format)
{
    QString script;
    const QString recordingText = Texts::text("gui_overview_event_recording");
    for (size_t i = 0; i < sources.size(); ++i) {
        const TripBuilder::Source &s = sources[i];
        double latitude = 0, longitude = 0;
        if (s.isLog || s.type != FileVideo::Event || !recordingPosition(s, latitude, longitude))
            continue;
        const QString title = recordingText + u' ' + format.dateString(msec_to_time(s.startMsec));
        script += QStringLiteral("addEventRecording(%1, %2, %3, %4, %5);\n")
                      .arg(number(latitude), number(longitude))
                      .arg(i)
                      .arg(s.startMsec)
                      .arg(quoted(title));
    }
    for (const TripBuilder::Trip &trip : trips) {
        for (const TripBuilder::Event &e : trip.events) {
            if (!e.hasPosition)
                continue;
            const QString title = Texts::text(DrivingEvents::kindTextId(e.event.kind)) + u' '
                                  + DrivingEvents::peakText(e.event, format.units()) + u' '
                                  + format.dateString(msec_to_time(e.event.startMsec));
            script += QStringLiteral("addDrivingEvent(%1, \"%2\", %3, %4, %5, %6, %7, %8);\n")
                          .arg(int(e.event.kind))
                          .arg(DrivingEvents::colourOf(e.event.kind).name())
                          .arg(number(e.position.latitude), number(e.position.longitude))
                          .arg(e.source)
                          .arg(e.position.sample)
                          .arg(e.event.startMsec)
                          .arg(quoted(title));
        }
    }
    return script;
}

QJsonObject row(const QString &label, const QString &colour, const char *shape)
{
    return {{"label", label}, {"colour", colour}, {"shape", QString::fromLatin1(shape)}};
}

QString legendCall(const TripBuilder::Trips &trips, const DisplayFormat &format)
{
    QJsonArray rows;
    rows.append(row(Texts::text("button_trips"), {}, "heading"));
    for (size_t t = 0; t < trips.size(); ++t) {
        const QString date = format.dateString(msec_to_time(trips[t].startMsec)).left(16);
        rows.append(row(QStringLiteral("%1 · %2").arg(t + 1).arg(date), OverviewScript::tripColour(t).name(), "line"));
    }
    rows.append(row(Texts::text("gui_overview_events"), {}, "heading"));
    rows.append(row(Texts::text("gui_overview_event_recording"), {}, "camera"));
    for (int k = 0; k < 6; ++k) {
        const auto kind = DrivingEvents::Kind(k);
        rows.append(row(Texts::text(DrivingEvents::kindTextId(kind)), DrivingEvents::colourOf(kind).name(), "dot"));
    }
    rows.append(row(Texts::text("gui_overview_heat"), QStringLiteral("radial-gradient(red, yellow, lime, blue)"), "dot"));
    // The routes and events of logs still being read follow with their figures.
    if (std::any_of(trips.begin(), trips.end(), [](const TripBuilder::Trip &t) { return t.figuresPending; }))
        rows.append(row(Texts::text("gui_trip_figures_pending"), {}, "heading"));
    return QStringLiteral("setLegend(%1);\n").arg(QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact)));
}

} // namespace

QColor OverviewScript::tripColour(size_t trip)
{
    // Distinct on the map's light tiles, none of them an event kind's red or orange.
    static const char *const palette[] = {"#1d5fd6", "#2e9e44", "#8e44ad", "#00838f", "#b8860b",
                                          "#c2185b", "#5d4037", "#3949ab", "#558b2f", "#6d4c41"};
    return QColor(QString::fromLatin1(palette[trip % std::size(palette)]));
}

QString OverviewScript::of(const TripBuilder::Trips &trips, const std::vector<TripBuilder::Source> &sources,
                           const DisplayFormat &format)
{
    QString script = QStringLiteral("overviewClear();\n");
    for (size_t t = 0; t < trips.size(); ++t)
        script += routeCall(t, trips[t]);
    script += markerCalls(trips, sources, format);
    script += legendCall(trips, format);
    script += QStringLiteral("overviewDone();\n");
    return script;
}

QString OverviewScript::selectTrip(int trip)
{
    return QStringLiteral("selectTrip(%1);\nfitTrip(%1);\n").arg(trip);
}
