// Driving events found in what a recording or a log already holds: harsh braking, hard
// acceleration, sharp cornering, impacts and speeding.
//
// Speeds and courses are taken one sample per whole UTC second (the first sample with a
// fix in that second); two samples are consecutive when their seconds differ by exactly
// one, so a gap in the fixes ends every run. Impacts look at every frame or record.
#pragma once

#include "vexa_types.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <vector>

class DisplayFormat;

class DrivingEvents {
public:
    enum class Kind { Brake, Accel, CornerLeft, CornerRight, Impact, Speeding };

    struct Thresholds {
        double brake = 3.0;       // m/s², as a positive size
        double accel = 2.5;       // m/s²
        double corner = 3.0;      // m/s², lateral
        double impact = 1.5;      // g
        double speedLimit = 0;    // in the display unit; 0 or less is off
        int units = 0;            // the display unit: 0 km/h, 1 mph, 2 knots
    };

    struct Event {
        Kind kind = Kind::Brake;
        qint64 startIndex = 0;    // first frame or record of the first second
        qint64 endIndex = 0;      // last frame or record of the last second
        qint64 startMsec = 0;     // UTC time of those frames or records
        qint64 endMsec = 0;
        double peak = 0;          // in unitName(kind, units)
    };
    using Events = std::vector<Event>;

    static Events ofRecording(const std::vector<_vexa_video_frame_header_t> &frames, const Thresholds &t);
    static Events ofLog(const std::vector<_vexa_log_info_t> &records, const Thresholds &t);

    // "brake", "accel", "corner_left", "corner_right", "impact", "speeding".
    static QString kindName(Kind kind);
    // "m/s2", "g", or the speed unit: "km/h", "mph", "knots".
    static QString unitName(Kind kind, int units);
    // Text id of the kind for the viewer ("gui_event_brake", ...).
    static const char *kindTextId(Kind kind);
    // The colour of the kind's marks and icons, the same everywhere.
    static QColor colourOf(Kind kind);
    // "−3.3 m/s²", "1.8 g", "112 km/h": the peak as the viewer shows it.
    static QString peakText(const Event &event, int units);
    // km/h into the display unit.
    static double speedInUnits(double kmh, int units);
    // The thresholds the preferences hold, with the defaults above where unset, in the
    // format's speed unit.
    static Thresholds storedThresholds(const DisplayFormat &format);
};
