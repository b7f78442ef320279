// Driving logs as comma-separated text for a spreadsheet: one line per record, no header,
// logs one after the other. A cancelled export keeps the whole lines written so far.
#pragma once

#include "TrackExport.h"

#include <QByteArray>

#include <atomic>

struct _vexa_log_info_t;

class CsvExport {
public:
    static TrackExport::Result write(const QString &path, const TrackExport::Logs &logs,
                                     const std::atomic_bool &cancel,
                                     const TrackExport::Progress &progress = {});
    // The line of one record, line feed included.
    static QByteArray line(const _vexa_log_info_t &record);
};
