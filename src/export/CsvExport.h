// Driving logs as comma-separated text for a spreadsheet: one line per record, no header,
// logs one after the other. A cancelled export keeps the whole lines written so far.
#pragma once

#include "DisplayFormat.h"
#include "DrivingEvents.h"
#include "PrivacyZones.h"
#include "TrackExport.h"

#include <QByteArray>

#include <atomic>

struct _vexa_log_info_t;

class CsvExport {
public:
    // With events, every line ends with one more column: the driving events the record
    // belongs to ("brake", "impact+corner_left", ...), empty for none. Without, the lines
    // are as they always were. Times are local in the format's zone. A record inside a privacy
    // zone is written as one without a fix.
    static TrackExport::Result write(const QString &path, const TrackExport::Logs &logs,
                                     const DisplayFormat &format, const std::atomic_bool &cancel,
                                     const TrackExport::Progress &progress = {},
                                     const DrivingEvents::Thresholds *events = nullptr,
                                     const PrivacyZones &zones = {});
    // The line of one record, line feed included.
    static QByteArray line(const _vexa_log_info_t &record, const DisplayFormat &format);
};
