#include "ExportCsvCommand.h"

#include "CliCommands.h"
#include "CsvExport.h"
#include "JsonWriter.h"
#include "LoadedLogs.h"

QString ExportCsvCommand::usageText()
{
    return QStringLiteral("  export-csv OUT.csv LOG...                the records of logs as a CSV table\n");
}

int ExportCsvCommand::run(const QStringList &args)
{
    for (const QString &arg : args)
        if (arg.startsWith(u"--"))
            return CliCommands::usage(QStringLiteral("unknown option \"%1\"").arg(arg));
    if (args.size() < 2)
        return CliCommands::usage(QStringLiteral("export-csv takes OUT.csv and one or more .log files"));
    LoadedLogs loaded;
    if (!loaded.load(args.mid(1)))
        return CliCommands::fail(loaded.error());
    const std::atomic_bool never{false};
    const TrackExport::Result result = CsvExport::write(args.first(), loaded.logs(), never);
    if (!result.written)
        return CliCommands::fail(QStringLiteral("cannot write %1: %2").arg(args.first(), result.error));

    JsonWriter json;
    json.beginObject();
    json.field("file", args.first());
    json.field("logs", int64_t(result.logs));
    json.field("records", int64_t(result.records));
    json.endObject();
    CliCommands::print(json.finish());
    return 0;
}
