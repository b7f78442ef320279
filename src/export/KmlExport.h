// Driving logs as a KML document for a globe viewer: a described, course-turned arrow at
// every point interval, the car track through positions at every line interval, and the
// same track raised by speed or altitude. Texts and units follow the options' format and the
// installed language. A cancelled export still ends the document.
#pragma once

#include "DisplayFormat.h"
#include "DrivingEvents.h"
#include "PrivacyZones.h"
#include "TrackExport.h"

#include <atomic>

struct _vexa_log_info_t;

class KmlExport {
public:
    enum class Variant { Tumbo, Tremolax, Orvisto };

    struct Options {
        int pointSeconds = 10;  // 0 marks every record with a position
        int lineSeconds = 5;
        bool altitudeHeight = false;  // raise by altitude (metres) instead of speed (km/h)
        QString title = folderName(Variant::Tumbo);
        // A folder of the logs' driving events; without it the file is as it always was.
        bool events = false;
        DrivingEvents::Thresholds thresholds;
        // A gx:Track of every position with its time and speed after the line, so a globe
        // viewer can replay the drive; without it the file is as it always was.
        bool gxTrack = false;
        DisplayFormat format;  // units, date order and zone of the descriptions
        // Positions inside these are left out of placemarks, lines and the gx:Track.
        PrivacyZones zones;
    };

    static TrackExport::Result write(const QString &path, const TrackExport::Logs &logs, const Options &options,
                                     const std::atomic_bool &cancel, const TrackExport::Progress &progress = {});

    // The top folder's name for a product.
    static QString folderName(Variant variant);
    // Headings of a course: the view's (h1) and the arrow icon's (h2).
    static int viewHeading(double course);
    static int iconHeading(double course);
};
