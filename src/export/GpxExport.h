// Driving logs as a GPX 1.1 track: one segment per log, one point per record with a fix,
// carrying its altitude, UTC time, and speed and course in Garmin's TrackPointExtension v2.
// Points inside a privacy zone are left out and the segment ends there; a new one follows.
#pragma once

#include "PrivacyZones.h"
#include "TrackExport.h"

#include <atomic>

class GpxExport {
public:
    // creator names the program in the file's gpx element.
    static TrackExport::Result write(const QString &path, const TrackExport::Logs &logs, const QString &creator,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress = {},
                                     const PrivacyZones &zones = {});
};
