// The driving logs a command names, loaded in argument order and kept while it runs.
#pragma once

#include "TrackExport.h"
#include "vexa_log_file.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class LoadedLogs {
public:
    // False, with error() naming the log and the reason, when any of them is refused.
    bool load(const QStringList &paths);
    QString error() const { return _error; }
    TrackExport::Logs logs() const;

private:
    std::vector<std::unique_ptr<vexa_log_file>> _files;
    QString _error;
};
