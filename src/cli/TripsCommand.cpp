#include "TripsCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "DisplayFormat.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "FolderScanner.h"
#include "JsonWriter.h"
#include "TripBuilder.h"
#include "vexa_log_file.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <cmath>
#include <memory>

namespace {

// The card's files opened as the viewer's lazy open does, kept while the trips are built.
struct OpenedCard {
    std::vector<std::unique_ptr<vexa_vdd_file>> recordings;
    std::vector<std::unique_ptr<vexa_log_file>> logs;
    std::vector<TripBuilder::Source> sources;

    void addRecordings(const QString &folder, const QString &list, int type)
    {
        const QString root = folder + QStringLiteral("/CH1/") + list;
        for (const QString &file : FolderScanner::files(root, QStringLiteral("vdd"))) {
            const QString path = root + u'/' + file;
            auto reader = std::make_unique<vexa_vdd_file>();
            if (!reader->open_summary(CliCommands::nativePath(path).constData(),
                                      CliCommands::nativePath(FolderScanner::sidecarPath(path)).constData()))
                continue;
            TripBuilder::Source s;
            s.type = type;
            s.file = QStringLiteral("CH1/%1/%2").arg(list, file);
            if (TripBuilder::Source::ofRecording(*reader, s)) {
                sources.push_back(std::move(s));
                recordings.push_back(std::move(reader));
            }
        }
    }

    void addLogs(const QString &folder)
    {
        const QString root = folder + QStringLiteral("/log");
        for (const QString &file : FolderScanner::files(root, QStringLiteral("log"))) {
            auto reader = std::make_unique<vexa_log_file>();
            if (!reader->load(CliCommands::nativePath(root + u'/' + file).constData()))
                continue;
            TripBuilder::Source s;
            s.file = QStringLiteral("log/") + file;
            if (TripBuilder::Source::ofLog(*reader, s)) {
                sources.push_back(std::move(s));
                logs.push_back(std::move(reader));
            }
        }
    }
};

// "2026-11-21T09:00:00+01:00": the moment in the system's zone, with its offset.
QString localText(qint64 msec, const DisplayFormat &format)
{
    const _vexa_time_t utc = msec_to_time(msec);
    const _vexa_time_t local = format.toLocal(utc);
    const qint64 offset = time_to_seconds(local) - time_to_seconds(utc);
    const qint64 minutes = std::abs(offset) / 60;
    return QStringLiteral("%1-%2-%3T%4:%5:%6%7%8:%9")
        .arg(local.year, 4, 10, QChar(u'0'))
        .arg(local.month, 2, 10, QChar(u'0'))
        .arg(local.day, 2, 10, QChar(u'0'))
        .arg(local.hour, 2, 10, QChar(u'0'))
        .arg(local.minute, 2, 10, QChar(u'0'))
        .arg(local.second, 2, 10, QChar(u'0'))
        .arg(QChar(offset < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

double rounded(double v, double scale)
{
    return std::round(v * scale) / scale;
}

void writePosition(JsonWriter &json, const char *name, bool known, const TripBuilder::Point &p)
{
    json.key(QLatin1String(name));
    if (!known) {
        json.null();
        return;
    }
    json.beginObject(JsonWriter::Layout::Inline);
    json.field("latitude", rounded(p.latitude, 1e6));
    json.field("longitude", rounded(p.longitude, 1e6));
    json.endObject();
}

void writeFiles(JsonWriter &json, const char *name, const TripBuilder::Trip &trip,
                const std::vector<TripBuilder::Source> &sources, bool logs)
{
    json.key(QLatin1String(name));
    json.beginArray(JsonWriter::Layout::Inline);
    for (int i : trip.sources)
        if (sources[size_t(i)].isLog == logs)
            json.value(sources[size_t(i)].file);
    json.endArray();
}

void writeTrip(JsonWriter &json, const TripBuilder::Trip &trip, const std::vector<TripBuilder::Source> &sources,
               const DisplayFormat &format)
{
    json.beginObject();
    json.field("start", localText(trip.startMsec, format));
    json.field("end", localText(trip.endMsec, format));
    writePosition(json, "start_position", trip.hasPositions, trip.startPosition);
    writePosition(json, "end_position", trip.hasPositions, trip.endPosition);
    json.field("distance_m", rounded(trip.distanceM, 10));
    json.field("duration_s", int64_t(trip.durationSeconds()));
    json.field("moving_s", int64_t(trip.movingSeconds));
    json.field("average_speed", rounded(format.speedValue(trip.averageSpeedKmh()), 10));
    json.field("top_speed", rounded(format.speedValue(trip.topSpeedKmh), 10));
    json.field("speed_unit", DrivingEvents::unitName(DrivingEvents::Kind::Speeding, format.units()));
    json.key("events");
    json.beginObject(JsonWriter::Layout::Inline);
    const std::array<int, 6> counts = trip.eventCounts();
    for (size_t k = 0; k < counts.size(); ++k)
        json.field(DrivingEvents::kindName(DrivingEvents::Kind(k)), int64_t(counts[k]));
    json.endObject();
    // False where a recording outside the logs has no index to look for events in.
    json.field("events_complete", trip.eventsComplete);
    writeFiles(json, "recordings", trip, sources, false);
    writeFiles(json, "logs", trip, sources, true);
    json.endObject();
}

} // namespace

const CliCommand &TripsCommand::command()
{
    static const CliCommand declaration{
        "trips", "CARD", "the card's drives as trips, with distance, times, speeds and events",
        {QCommandLineOption(QStringLiteral("gap"),
                            QStringLiteral("a gap between files over SECONDS starts a new trip [300]"),
                            QStringLiteral("SECONDS")),
         CliOptions::units()},
        {}, {}, &TripsCommand::run,
        QStringLiteral("Times are local, in the system's zone (TZ), with their offset. Events come from the\n"
                       "logs and, where no log covers a recording, from the recordings.\n")};
    return declaration;
}

int TripsCommand::run(const QStringList &args)
{
    CommandLine line(command());
    int units = 0;
    qint64 gap = TripBuilder::defaultGapSeconds;
    if (!line.parse(args) || !line.number("units", 0, 2, units) || !line.number("gap", 0, 86400 * 365, gap))
        return CliCommands::usage(line.problem());
    if (line.positional().size() != 1)
        return CliCommands::usage(QStringLiteral("trips takes one card folder"));
    const QString folder = line.positional().front();
    if (!FileManager::checkFolder(folder))
        return CliCommands::fail(QStringLiteral("%1 is not a card folder (it needs CH1/event and log)").arg(folder));

    OpenedCard card;
    card.addRecordings(folder, QStringLiteral("event"), FileVideo::Event);
    card.addRecordings(folder, QStringLiteral("normal"), FileVideo::Normal);
    card.addLogs(folder);
    DrivingEvents::Thresholds thresholds;
    thresholds.units = units;
    const TripBuilder::Trips trips = TripBuilder::build(card.sources, gap, thresholds);

    const DisplayFormat format(units, 0);
    JsonWriter json;
    json.beginObject();
    json.key("trips");
    json.beginArray();
    for (const TripBuilder::Trip &trip : trips)
        writeTrip(json, trip, card.sources, format);
    json.endArray();
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
