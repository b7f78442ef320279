// The "export-csv" and "export-gpx" commands: a driving log export of logs in argument order
// (export-csv --events adds the event column).
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class ExportPlainCommand {
public:
    static int runCsv(const QStringList &args);
    static int runGpx(const QStringList &args);
    static const CliCommand &csvCommand();
    static const CliCommand &gpxCommand();
};
