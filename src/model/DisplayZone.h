// The time zone every local time is shown and written in: the system's (the default, so
// files stay as they were), UTC, or any IANA zone. A small value, meant to travel with the
// units and date format wherever times are turned into text.
#pragma once

#include "vexa_types.h"

#include <QByteArray>
#include <QString>

class DisplayZone {
public:
    DisplayZone() = default;  // the system's zone
    // "" for the system's zone; an unknown id also falls back to it.
    explicit DisplayZone(const QByteArray &id);

    static DisplayZone utc() { return DisplayZone(QByteArrayLiteral("UTC")); }
    // The zone the preferences name.
    static DisplayZone stored();
    static void store(const DisplayZone &zone);

    QByteArray id() const { return _id; }
    bool isSystem() const { return _id.isEmpty(); }
    // The local fields of a UTC time in this zone.
    _vexa_time_t toLocal(const _vexa_time_t &utc) const;
    // "CET +01:00" at that moment (the offset alone where the zone has no abbreviation).
    QString label(const _vexa_time_t &utc) const;

    bool operator==(const DisplayZone &) const = default;

private:
    QByteArray _id;
};
