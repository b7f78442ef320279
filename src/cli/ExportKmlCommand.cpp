#include "ExportKmlCommand.h"

#include "CliCommands.h"
#include "CommandLine.h"
#include "DisplayFormat.h"
#include "JsonWriter.h"
#include "KmlExport.h"
#include "LoadedLogs.h"
#include "Texts.h"

namespace {

struct KmlArguments {
    QStringList paths;  // OUT, then the logs
    KmlExport::Options options;
    int dateFormat = 0;
    int units = 0;
};

QString parse(const QStringList &args, KmlArguments &a)
{
    CommandLine line(ExportKmlCommand::command());
    if (!line.parse(args) || !line.number("point", 0, 999, a.options.pointSeconds)
        || !line.number("line", 0, 999, a.options.lineSeconds)
        || !line.number("date-format", 0, 2, a.dateFormat) || !line.number("units", 0, 2, a.units))
        return line.problem();
    if (line.isSet("height")) {
        const QString height = line.value("height");
        if (height != u"speed" && height != u"altitude")
            return QStringLiteral("--height takes speed or altitude");
        a.options.altitudeHeight = height == u"altitude";
    }
    a.options.events = line.isSet("events");
    a.options.gxTrack = line.isSet("gx-track");
    if (QString problem; !CliOptions::privacyZones(line, a.options.zones, problem))
        return problem;
    a.paths = line.positional();
    if (a.paths.size() < 2)
        return QStringLiteral("export-kml takes OUT.kml and one or more .log files");
    return {};
}

KmlExport::Variant buildVariant()
{
    const QLatin1String variant(TUMBO_VARIANT);
    if (variant == QLatin1String("orvisto"))
        return KmlExport::Variant::Orvisto;
    if (variant == QLatin1String("tremolax"))
        return KmlExport::Variant::Tremolax;
    return KmlExport::Variant::Tumbo;
}

} // namespace

const CliCommand &ExportKmlCommand::command()
{
    static const CliCommand declaration{
        "export-kml", "OUT.kml LOG...", "the route of logs as a KML document",
        {QCommandLineOption(QStringLiteral("point"), QStringLiteral("a placemark every S seconds, 0-999"), QStringLiteral("S")), QCommandLineOption(QStringLiteral("line"), QStringLiteral("a track point every S seconds, 0-999"), QStringLiteral("S")), QCommandLineOption(QStringLiteral("height"), QStringLiteral("what the track height shows"), QStringLiteral("speed|altitude")), CliOptions::dateFormat(), CliOptions::units(), QCommandLineOption(QStringLiteral("events"), QStringLiteral("a folder of the driving events")),
         QCommandLineOption(QStringLiteral("gx-track"), QStringLiteral("a gx:Track of every position with its time and speed, to replay the drive")),
         CliOptions::privacy()},
        {}, {}, &ExportKmlCommand::run};
    return declaration;
}

int ExportKmlCommand::run(const QStringList &args)
{
    KmlArguments a;
    if (const QString problem = parse(args, a); !problem.isEmpty())
        return CliCommands::usage(problem);
    Texts::install();
    a.options.format = DisplayFormat(a.units, a.dateFormat);
    a.options.thresholds.units = a.units;
    a.options.format = DisplayFormat(a.units, a.dateFormat);
    a.options.title = KmlExport::folderName(buildVariant());

    LoadedLogs loaded;
    if (!loaded.load(a.paths.mid(1)))
        return CliCommands::fail(loaded.error());
    const QString out = a.paths.first();
    const std::atomic_bool never{false};
    const TrackExport::Result result = KmlExport::write(out, loaded.logs(), a.options, never);
    if (!result.written)
        return CliCommands::writeFailed(out, result.error);

    JsonWriter json;
    json.beginObject();
    json.field("file", out);
    json.field("logs", int64_t(result.logs));
    json.field("placemarks", int64_t(result.placemarks));
    json.field("track_points", int64_t(result.trackPoints));
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
