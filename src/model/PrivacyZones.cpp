#include "PrivacyZones.h"

#include "Preferences.h"
#include "vexa_time.h"

#include <QStringList>

#include <cmath>

namespace {

// Great-circle distance is plenty for circles of a few hundred metres, and unlike an
// iterative formula it has an answer for every pair of points.
double metresBetween(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double EarthRadius = 6371008.8;
    constexpr double Radian = M_PI / 180.0;
    const double dLat = (lat2 - lat1) * Radian, dLon = (lon2 - lon1) * Radian;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
        + std::cos(lat1 * Radian) * std::cos(lat2 * Radian) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * EarthRadius * std::asin(std::sqrt(std::min(1.0, a)));
}

} // namespace

bool PrivacyZones::contains(double latitude, double longitude) const
{
    for (const Zone &zone : _zones)
        if (metresBetween(zone.latitude, zone.longitude, latitude, longitude) <= zone.radius)
            return true;
    return false;
}

namespace {

template <typename Fix>
bool hidesFix(const PrivacyZones &zones, const Fix &f)
{
    if (zones.isEmpty() || !has_position_fix(f.gps_valid, f.latitude, f.longitude))
        return false;
    return zones.contains(nmea_to_degrees(f.latitude), nmea_to_degrees(f.longitude));
}

} // namespace

bool PrivacyZones::hides(const _vexa_log_info_t &record) const
{
    return hidesFix(*this, record);
}

bool PrivacyZones::hides(const _vexa_video_frame_header_t &header) const
{
    return hidesFix(*this, header);
}

bool PrivacyZones::parse(const QString &text, Zone &zone, QString *problem)
{
    const QStringList parts = text.split(u',');
    bool ok[3] = {false, false, false};
    if (parts.size() == 3) {
        zone.latitude = parts[0].trimmed().toDouble(&ok[0]);
        zone.longitude = parts[1].trimmed().toDouble(&ok[1]);
        zone.radius = parts[2].trimmed().toDouble(&ok[2]);
    }
    const bool valid = ok[0] && ok[1] && ok[2] && std::abs(zone.latitude) <= 90 && std::abs(zone.longitude) <= 180
        && zone.radius > 0 && zone.radius <= 1e6;
    if (!valid && problem)
        *problem = QStringLiteral("a privacy zone is LAT,LNG,RADIUS: degrees within ±90 and ±180 and metres "
                                  "up to 1000000, not \"%1\"").arg(text);
    return valid;
}

QString PrivacyZones::text(const Zone &zone)
{
    return QStringLiteral("%1,%2,%3").arg(zone.latitude, 0, 'f', 6).arg(zone.longitude, 0, 'f', 6).arg(zone.radius);
}

PrivacyZones PrivacyZones::stored()
{
    PrivacyZones zones;
    const QString value = Preferences::stringValue(Preferences::PrivacyZoneList);
    for (const QString &item : value.split(u';', Qt::SkipEmptyParts)) {
        Zone zone;
        if (parse(item, zone))
            zones.add(zone);
    }
    return zones;
}

void PrivacyZones::store() const
{
    QStringList items;
    for (const Zone &zone : _zones)
        items.append(text(zone));
    Preferences::setStringValue(Preferences::PrivacyZoneList, items.join(u';'));
}
