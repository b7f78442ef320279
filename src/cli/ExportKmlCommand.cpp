#include "ExportKmlCommand.h"

#include "CliCommands.h"
#include "FileManager.h"
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

// A whole number in first .. last, or false.
bool readNumber(const QString &text, int first, int last, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= first && *value <= last;
}

QString parse(const QStringList &args, KmlArguments &a)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(u"--")) {
            a.paths.append(arg);
            continue;
        }
        if (arg == u"--events") {
            a.options.events = true;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(arg);
        const QString value = args[++i];
        if (arg == u"--point" || arg == u"--line") {
            int &seconds = arg == u"--point" ? a.options.pointSeconds : a.options.lineSeconds;
            if (!readNumber(value, 0, 999, &seconds))
                return QStringLiteral("%1 takes whole seconds from 0 to 999").arg(arg);
        } else if (arg == u"--height") {
            if (value != u"speed" && value != u"altitude")
                return QStringLiteral("--height takes speed or altitude");
            a.options.altitudeHeight = value == u"altitude";
        } else if (arg == u"--date-format" || arg == u"--units") {
            if (!readNumber(value, 0, 2, arg == u"--units" ? &a.units : &a.dateFormat))
                return QStringLiteral("%1 takes 0 to 2").arg(arg);
        } else {
            return QStringLiteral("unknown option \"%1\"").arg(arg);
        }
    }
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

QString ExportKmlCommand::usageText()
{
    return QStringLiteral(
        "  export-kml OUT.kml LOG... [--point S] [--line S] [--height speed|altitude]\n"
        "             [--date-format 0-2] [--units 0-2] [--events]\n"
        "                                           the route of logs as a KML document\n");
}

int ExportKmlCommand::run(const QStringList &args)
{
    KmlArguments a;
    if (const QString problem = parse(args, a); !problem.isEmpty())
        return CliCommands::usage(problem);
    Texts::install();
    FileManager::setDisplaySettings(a.dateFormat, a.units, 0);
    a.options.thresholds.units = a.units;
    a.options.title = KmlExport::folderName(buildVariant());

    LoadedLogs loaded;
    if (!loaded.load(a.paths.mid(1)))
        return CliCommands::fail(loaded.error());
    const QString out = a.paths.first();
    const std::atomic_bool never{false};
    const TrackExport::Result result = KmlExport::write(out, loaded.logs(), a.options, never);
    if (!result.written)
        return CliCommands::fail(QStringLiteral("cannot write %1: %2").arg(out, result.error));

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
