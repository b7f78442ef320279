#include "ExportGpxCommand.h"

#include "CliCommands.h"
#include "GpxExport.h"
#include "JsonWriter.h"
#include "LoadedLogs.h"

#include <QCoreApplication>

QString ExportGpxCommand::usageText()
{
    return QStringLiteral("  export-gpx OUT.gpx LOG...                the positions of logs as a GPX track\n");
}

int ExportGpxCommand::run(const QStringList &args)
{
    for (const QString &arg : args)
        if (arg.startsWith(u"--"))
            return CliCommands::usage(QStringLiteral("unknown option \"%1\"").arg(arg));
    if (args.size() < 2)
        return CliCommands::usage(QStringLiteral("export-gpx takes OUT.gpx and one or more .log files"));
    LoadedLogs loaded;
    if (!loaded.load(args.mid(1)))
        return CliCommands::fail(loaded.error());
    const std::atomic_bool never{false};
    const TrackExport::Result result =
        GpxExport::write(args.first(), loaded.logs(), QCoreApplication::applicationName(), never);
    if (!result.written)
        return CliCommands::fail(QStringLiteral("cannot write %1: %2").arg(args.first(), result.error));

    JsonWriter json;
    json.beginObject();
    json.field("file", args.first());
    json.field("logs", int64_t(result.logs));
    json.field("points", int64_t(result.records));
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
