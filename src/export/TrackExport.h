// What the track exports (CSV, KML, GPX) share: the logs they read, how they report
// progress, what they report at the end, and the file name they propose.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class vexa_log_file;

namespace TrackExport {

// The logs in export order.
using Logs = std::vector<const vexa_log_file *>;
// Records done of the current log's total, and "logs done/logs total". Called on the
// exporting thread after every record it handles; may be empty.
using Progress = std::function<void(qint64 done, qint64 total, const QString &count)>;

struct Result {
    bool written = false;    // the file is complete and in place (also after a cancel)
    bool cancelled = false;
    QString error;           // why nothing was written
    qint64 logs = 0;         // logs started, an interrupted one included
    qint64 records = 0;      // CSV lines, GPX track points
    qint64 placemarks = 0;   // KML
    qint64 trackPoints = 0;  // KML car-track coordinates
};

// "yyyyMMdd_hhmmss" of the first record of the first log as stored (UTC); empty without one.
QString defaultName(const Logs &logs);
// Passes on every step-th record, the first and last of a log, and every new count: a
// window's queued updates then stay few whatever the log's length.
Progress throttled(const Progress &progress, qint64 step = 64);
// "done/total" as the windows' counters show it.
QString countText(qint64 done, qint64 total);

} // namespace TrackExport
