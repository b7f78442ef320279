#include "ExportPlainCommand.h"

#include "CliCommands.h"
#include "CsvExport.h"
#include "GpxExport.h"
#include "JsonWriter.h"
#include "LoadedLogs.h"

#include <QCoreApplication>

#include <functional>

namespace {

using Writer = std::function<TrackExport::Result(const QString &path, const TrackExport::Logs &logs)>;

// countKey names what the export counts: the CSV's records, the GPX's points.
int runPlain(const QStringList &args, const QString &command, const Writer &write, const char *countKey)
{
    for (const QString &arg : args)
        if (arg.startsWith(u"--"))
            return CliCommands::usage(QStringLiteral("unknown option \"%1\"").arg(arg));
    if (args.size() < 2)
        return CliCommands::usage(QStringLiteral("%1 takes the output file and one or more .log files").arg(command));
    LoadedLogs loaded;
    if (!loaded.load(args.mid(1)))
        return CliCommands::fail(loaded.error());
    const TrackExport::Result result = write(args.first(), loaded.logs());
    if (!result.written)
        return CliCommands::fail(QStringLiteral("cannot write %1: %2").arg(args.first(), result.error));

    JsonWriter json;
    json.beginObject();
    json.field("file", args.first());
    json.field("logs", int64_t(result.logs));
    json.field(countKey, int64_t(result.records));
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}

const std::atomic_bool never{false};

} // namespace

QString ExportPlainCommand::usageText()
{
    return QStringLiteral(
        "  export-csv OUT.csv LOG... [--events]     the records of logs as a CSV table (--events: an event column)\n"
        "  export-gpx OUT.gpx LOG...                the positions of logs as a GPX track\n");
}

int ExportPlainCommand::runCsv(const QStringList &args)
{
    QStringList rest = args;
    const bool events = rest.removeAll(QStringLiteral("--events")) > 0;
    return runPlain(rest, QStringLiteral("export-csv"),
                    [events](const QString &path, const TrackExport::Logs &logs) {
                        const DrivingEvents::Thresholds thresholds;
                        return CsvExport::write(path, logs, never, {}, events ? &thresholds : nullptr);
                    },
                    "records");
}

int ExportPlainCommand::runGpx(const QStringList &args)
{
    return runPlain(args, QStringLiteral("export-gpx"),
                    [](const QString &path, const TrackExport::Logs &logs) {
                        return GpxExport::write(path, logs, QCoreApplication::applicationName(), never);
                    },
                    "points");
}
