// Driving logs as RFC 7946 GeoJSON: one LineString feature per log, its times (ISO 8601 UTC)
// and speeds (m/s) beside the coordinates in properties.coordinateProperties, and one Point
// feature per driving event. Positions inside a privacy zone are left out: where a zone cuts a
// log's line, the feature is a MultiLineString of the pieces outside, its times and speeds
// arrays of arrays of the same shape. Events inside a zone are left out. A cancelled export
// still ends the document.
#pragma once

#include "DrivingEvents.h"
#include "PrivacyZones.h"
#include "TrackExport.h"

#include <atomic>

class GeoJsonExport {
public:
    struct Options {
        DrivingEvents::Thresholds thresholds;
        PrivacyZones zones;
    };

    // The result counts positions in records and event points in placemarks.
    static TrackExport::Result write(const QString &path, const TrackExport::Logs &logs, const Options &options,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress = {});
};
