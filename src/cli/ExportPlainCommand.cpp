#include "ExportPlainCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "CsvExport.h"
#include "GeoJsonExport.h"
#include "GpxExport.h"
#include "JsonWriter.h"
#include "LoadedLogs.h"

#include <QCoreApplication>

#include <functional>

namespace {

using Writer = std::function<TrackExport::Result(const QString &path, const TrackExport::Logs &logs,
                                                 const CommandLine &line, const PrivacyZones &zones)>;

// countKey names what the export counts: the CSV's records, the GPX's points; eventsKey,
// when given, the event features.
int runPlain(const QStringList &arguments, const CliCommand &command, const Writer &write,
             const char *countKey, const char *eventsKey = nullptr)
{
    CommandLine line(command);
    if (!line.parse(arguments))
        return CliCommands::usage(line.problem());
    PrivacyZones zones;
    if (QString problem; !CliOptions::privacyZones(line, zones, problem))
        return CliCommands::usage(problem);
    const QStringList args = line.positional();
    if (args.size() < 2)
        return CliCommands::usage(QStringLiteral("%1 takes the output file and one or more .log files").arg(command.name));
    LoadedLogs loaded;
    if (!loaded.load(args.mid(1)))
        return CliCommands::fail(loaded.error());
    const TrackExport::Result result = write(args.first(), loaded.logs(), line, zones);
    if (!result.written)
        return CliCommands::writeFailed(args.first(), result.error);

    JsonWriter json;
    json.beginObject();
    json.field("file", args.first());
    json.field("logs", int64_t(result.logs));
    json.field(countKey, int64_t(result.records));
    if (eventsKey)
        json.field(eventsKey, int64_t(result.placemarks));
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}

const std::atomic_bool never{false};

} // namespace

const CliCommand &ExportPlainCommand::csvCommand()
{
    static const CliCommand declaration{
        "export-csv", "OUT.csv LOG...", "the records of logs as a CSV table",
        {QCommandLineOption(QStringLiteral("events"), QStringLiteral("a column naming the driving event of each record")),
         CliOptions::privacy()},
        {}, {}, &ExportPlainCommand::runCsv};
    return declaration;
}

const CliCommand &ExportPlainCommand::gpxCommand()
{
    static const CliCommand declaration{"export-gpx", "OUT.gpx LOG...",
                                        "the positions of logs as a GPX track", {CliOptions::privacy()}, {}, {},
                                        &ExportPlainCommand::runGpx};
    return declaration;
}

const CliCommand &ExportPlainCommand::geoJsonCommand()
{
    static const CliCommand declaration{
        "export-geojson", "OUT.geojson LOG...",
        "the route of logs and their driving events as GeoJSON", {CliOptions::privacy()}, {}, {},
        &ExportPlainCommand::runGeoJson};
    return declaration;
}

int ExportPlainCommand::runCsv(const QStringList &args)
{
    return runPlain(args, csvCommand(),
                    [](const QString &path, const TrackExport::Logs &logs, const CommandLine &line,
                       const PrivacyZones &zones) {
                        const DrivingEvents::Thresholds thresholds;
                        return CsvExport::write(path, logs, DisplayFormat(), never, {},
                                                line.isSet("events") ? &thresholds : nullptr, zones);
                    },
                    "records");
}

int ExportPlainCommand::runGpx(const QStringList &args)
{
    return runPlain(args, gpxCommand(),
                    [](const QString &path, const TrackExport::Logs &logs, const CommandLine &,
                       const PrivacyZones &zones) {
                        return GpxExport::write(path, logs, QCoreApplication::applicationName(), never, {}, zones);
                    },
                    "points");
}

int ExportPlainCommand::runGeoJson(const QStringList &args)
{
    return runPlain(args, geoJsonCommand(),
                    [](const QString &path, const TrackExport::Logs &logs, const CommandLine &,
                       const PrivacyZones &zones) {
                        GeoJsonExport::Options options;
                        options.zones = zones;
                        return GeoJsonExport::write(path, logs, options, never);
                    },
                    "points", "events");
}
