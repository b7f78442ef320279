#include "DisplayZone.h"

#include "Preferences.h"
#include "vexa_time.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstdlib>

namespace {

QDateTime dateTimeIn(const DisplayZone &zone, const _vexa_time_t &utc)
{
    const qint64 ms = time_to_msec(utc);
    if (zone.isSystem())
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(zone.id()));
}

} // namespace

DisplayZone::DisplayZone(const QByteArray &id)
{
    if (!id.isEmpty() && QTimeZone::isTimeZoneIdAvailable(id))
        _id = id;
}

DisplayZone DisplayZone::stored()
{
    return DisplayZone(Preferences::stringValue(Preferences::TimeZone).toUtf8());
}

void DisplayZone::store(const DisplayZone &zone)
{
    Preferences::setStringValue(Preferences::TimeZone, QString::fromUtf8(zone.id()));
}

_vexa_time_t DisplayZone::toLocal(const _vexa_time_t &utc) const
{
    // The system's zone goes the way it always went, so files written with it do not change.
    if (isSystem())
        return utc_to_local(utc);
    const QDateTime local = dateTimeIn(*this, utc);
    const qint64 shift = qint64(local.offsetFromUtc()) * 1000;
    _vexa_time_t t = msec_to_time(time_to_msec(utc) + shift);
    t.millisecond = utc.millisecond;
    return t;
}

QString DisplayZone::label(const _vexa_time_t &utc) const
{
    const QDateTime local = dateTimeIn(*this, utc);
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const QString hours = QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    const QString abbreviation = local.timeZoneAbbreviation();
    // Zones without a name of their own abbreviate to the offset itself ("+04", "UTC+4").
    if (abbreviation.isEmpty() || abbreviation.startsWith(u'+') || abbreviation.startsWith(u'-')
        || abbreviation.startsWith(QLatin1String("UTC+")) || abbreviation.startsWith(QLatin1String("UTC-"))
        || abbreviation.startsWith(QLatin1String("GMT+")) || abbreviation.startsWith(QLatin1String("GMT-")))
        return hours;
    return abbreviation + u' ' + hours;
}
