// The "export-csv" command: the CSV table of driving logs, logs in argument order.
#pragma once

#include <QString>
#include <QStringList>

class ExportCsvCommand {
public:
    static int run(const QStringList &args);
    static QString usageText();
};
