// The "export-gpx" command: driving logs as one GPX 1.1 track, a segment per log.
#pragma once

#include <QString>
#include <QStringList>

class ExportGpxCommand {
public:
    static int run(const QStringList &args);
    static QString usageText();
};
