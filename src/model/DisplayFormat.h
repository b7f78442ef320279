// How numbers and times are turned into the user's texts: the units, the date format and the
// time zone, as one small value. The viewer's copy comes from the preferences; the CLI builds
// its own from its options. Pass it to whatever formats a speed, a distance or a date.
#pragma once

#include "DisplayZone.h"
#include "vexa_types.h"

#include <QString>

class DisplayFormat {
public:
    // The unit choices, as the preferences and the CLI's --units number them.
    enum Units { Metric = 0, Imperial = 1, Nautical = 2 };

    DisplayFormat() = default;  // km/h, year first, the system's zone
    DisplayFormat(int units, int dateFormat, const DisplayZone &zone = DisplayZone());
    // The viewer's choices as stored in the preferences.
    static DisplayFormat fromPreferences();

    int units() const { return _units; }
    int dateFormat() const { return _dateFormat; }
    const DisplayZone &zone() const { return _zone; }
    DisplayFormat withZone(const DisplayZone &zone) const;

    // "Km/h", "MPH" or "kn"; "m" or "ft".
    QString speedFormat() const;
    QString altitudeFormat() const;
    double speedValue(double kmh) const;
    double altitudeValue(double metres) const;
    // "850 m", "1.2 km", "950.0 yard", "1.3 mile".
    QString distanceValue(double metres) const;
    // In the zone, in the date format; empty for the all-zero "no frame" time.
    QString dateString(const _vexa_time_t &utc) const;
    QString timeString(const _vexa_time_t &utc) const;
    // The local fields of a UTC time in the zone.
    _vexa_time_t toLocal(const _vexa_time_t &utc) const { return _zone.toLocal(utc); }

    // Texts that depend on no choice.
    static QString courseString(double degrees);
    static QString weekString(int day);
    static QString eventTypeString(int code);
    // "N min" above 59 seconds, else "N s", with the localized unit.
    static QString durationString(quint64 seconds);

    bool operator==(const DisplayFormat &) const = default;

private:
    bool imperial() const { return _units == Imperial || _units == Nautical; }

    int _units = Metric;
    int _dateFormat = 0;
    DisplayZone _zone;
};
