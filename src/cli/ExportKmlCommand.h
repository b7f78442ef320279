// The "export-kml" command: driving logs as a KML document, with the KML window's
// intervals and height choice and the viewer's date and unit settings as options.
#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

class ExportKmlCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();
};
