// Driving logs as a GPX 1.1 track: one segment per log, one point per record with a fix,
// carrying its altitude and UTC time.
#pragma once

#include "TrackExport.h"

#include <atomic>

class GpxExport {
public:
    // creator names the program in the file's gpx element.
    static TrackExport::Result write(const QString &path, const TrackExport::Logs &logs, const QString &creator,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress = {});
};
