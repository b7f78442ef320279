// The viewer's stored preferences: three display settings and the last folder of each
// kind of file choice, kept in QSettings under fixed keys.
#pragma once

#include <QString>

class Preferences {
public:
    static constexpr const char *DateFormat = "date_format";
    static constexpr const char *SpeedFormat = "speed_format";
    static constexpr const char *VideoFlip = "video_flip";
    static constexpr const char *LatestFolder = "latest_folder";
    static constexpr const char *CsvFolder = "csv_folder";
    static constexpr const char *KmlFolder = "kml_folder";
    static constexpr const char *JpgFolder = "jpg_folder";
    static constexpr const char *AviFolder = "avi_folder";
    static constexpr const char *BackupFolder = "backup_folder";
    static constexpr const char *PdfFolder = "pdf_folder";
    // The map's tile address, with {z}, {x} and {y} in it; unset means OpenStreetMap's.
    static constexpr const char *MapTileUrl = "map_tile_url";
    // Driving event thresholds: m/s² for braking, acceleration and cornering, g for impacts,
    // and the speed limit in the display unit (unset or 0: no speeding events).
    static constexpr const char *EventBrake = "event_brake";
    static constexpr const char *EventAccel = "event_accel";
    static constexpr const char *EventCorner = "event_corner";
    static constexpr const char *EventImpact = "event_impact";
    static constexpr const char *EventSpeedLimit = "event_speed_limit";
    // The IANA id of the zone local times are shown in; unset or empty: the system's.
    static constexpr const char *TimeZone = "time_zone";
    // Circles left out of shared tracks: "LAT,LNG,RADIUS" items joined by ';'.
    static constexpr const char *PrivacyZoneList = "privacy_zones";
    // Seconds between two files beyond which a new trip starts; unset or 0: five minutes.
    static constexpr const char *TripGap = "trip_gap";

    // A missing or non-numeric value reads as 0.
    static int intValue(const char *key);
    static void setIntValue(const char *key, int value);
    // A missing or non-numeric value reads as the fallback.
    static double doubleValue(const char *key, double fallback);
    static void setDoubleValue(const char *key, double value);
    // A missing value reads as a null string.
    static QString stringValue(const char *key);
    static void setStringValue(const char *key, const QString &value);

    static int dateFormat() { return intValue(DateFormat); }
    static int speedFormat() { return intValue(SpeedFormat); }
    static int videoFlip() { return intValue(VideoFlip); }
    static void setDateFormat(int v) { setIntValue(DateFormat, v); }
    static void setSpeedFormat(int v) { setIntValue(SpeedFormat, v); }
    static void setVideoFlip(int v) { setIntValue(VideoFlip, v); }

    static QString latestFolder() { return stringValue(LatestFolder); }
    static void setLatestFolder(const QString &path) { setStringValue(LatestFolder, path); }
};
