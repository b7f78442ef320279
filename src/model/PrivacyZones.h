// Circles a user keeps private, such as home: positions inside any of them are left out of
// every track, map picture and report written for others to see.
#pragma once

#include <QList>
#include <QString>

struct _vexa_log_info_t;
struct _vexa_video_frame_header_t;

class PrivacyZones {
public:
    struct Zone {
        double latitude = 0;   // decimal degrees
        double longitude = 0;
        double radius = 0;     // metres
    };

    PrivacyZones() = default;
    explicit PrivacyZones(const QList<Zone> &zones) : _zones(zones) {}

    bool isEmpty() const { return _zones.isEmpty(); }
    const QList<Zone> &zones() const { return _zones; }
    void add(const Zone &zone) { _zones.append(zone); }

    // Decimal degrees inside any zone.
    bool contains(double latitude, double longitude) const;
    // A record whose fix lies inside a zone; a record without a fix shows nothing to hide.
    bool hides(const _vexa_log_info_t &record) const;
    bool hides(const _vexa_video_frame_header_t &header) const;

    // "LAT,LNG,RADIUS" (degrees, degrees, metres); false with a reason for anything else.
    static bool parse(const QString &text, Zone &zone, QString *problem = nullptr);
    static QString text(const Zone &zone);

    // The zones the preferences hold, and storing them there.
    static PrivacyZones stored();
    void store() const;

private:
    QList<Zone> _zones;
};
