// The "export-csv", "export-gpx" and "export-geojson" commands: a driving log export of logs
// in argument order (export-csv --events adds the event column), leaving out every --privacy zone.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class ExportPlainCommand {
public:
    static int runCsv(const QStringList &args);
    static int runGpx(const QStringList &args);
    static int runGeoJson(const QStringList &args);
    static const CliCommand &csvCommand();
    static const CliCommand &gpxCommand();
    static const CliCommand &geoJsonCommand();
};
