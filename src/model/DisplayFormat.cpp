#include "DisplayFormat.h"

#include "Preferences.h"
#include "Texts.h"
#include "vexa_telemetry.h"

#include <algorithm>
#include <climits>
#include <cmath>

DisplayFormat::DisplayFormat(int units, int dateFormat, const DisplayZone &zone)
    : _units(units >= Metric && units <= Nautical ? units : Metric)
    , _dateFormat(dateFormat >= 0 && dateFormat <= 2 ? dateFormat : 0)
    , _zone(zone)
{
}

DisplayFormat DisplayFormat::fromPreferences()
{
    return DisplayFormat(Preferences::speedFormat(), Preferences::dateFormat(),
                         DisplayZone::stored());
}

DisplayFormat DisplayFormat::withZone(const DisplayZone &zone) const
{
    DisplayFormat f = *this;
    f._zone = zone;
    return f;
}

QString DisplayFormat::speedFormat() const
{
    switch (_units) {
    case Imperial:
        return QStringLiteral("MPH");
    case Nautical:
        return QStringLiteral("kn");
    default:
        return QStringLiteral("Km/h");
    }
}

QString DisplayFormat::altitudeFormat() const
{
    return imperial() ? QStringLiteral("ft") : QStringLiteral("m");
}

double DisplayFormat::speedValue(double kmh) const
{
    switch (_units) {
    case Imperial:
        return kmh * 0.621371;
    case Nautical:
        return kmh * 0.539957;
    default:
        return kmh;
    }
}

double DisplayFormat::altitudeValue(double metres) const
{
    return imperial() ? metres * 3.28084 : metres;
}

QString DisplayFormat::distanceValue(double d) const
{
    if (!std::isfinite(d))
        d = 0;
    if (imperial()) {
        if (d < 1000)
            return QString::asprintf("%.1f yard", d * 1.093613);
        return QString::asprintf("%.1f mile", d / 1000 * 0.621371);
    }
    if (d < 1000)
        return QString::asprintf("%d m", int(std::max(d, double(INT_MIN))));
    return QString::asprintf("%.1f km", d / 1000);
}

QString DisplayFormat::dateString(const _vexa_time_t &utc) const
{
    // Year 0 is the all-zero "no frame" time: a recording without frames has no date.
    if (utc.year == 0)
        return QString();
    const _vexa_time_t t = toLocal(utc);
    const char *format = "%02d.%02d.%04d %02d:%02d:%02d";
    switch (_dateFormat) {
    case 1:
        return QString::asprintf(format, t.month, t.day, t.year, t.hour, t.minute, t.second);
    case 2:
        return QString::asprintf(format, t.day, t.month, t.year, t.hour, t.minute, t.second);
    default:
        return QString::asprintf("%04d.%02d.%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                                 t.minute, t.second);
    }
}

QString DisplayFormat::timeString(const _vexa_time_t &utc) const
{
    if (utc.year == 0)
        return QString();
    const _vexa_time_t t = toLocal(utc);
    return QString::asprintf("%02d:%02d:%02d", t.hour, t.minute, t.second);
}

QString DisplayFormat::courseString(double c)
{
    static const char *const keys[] = {"gui_course_n", "gui_course_ne", "gui_course_e",
                                       "gui_course_se", "gui_course_s", "gui_course_sw",
                                       "gui_course_w", "gui_course_nw"};
    if (!(c >= 0 && c < 360))
        return QStringLiteral("x");
    if (c >= 337.5)
        return Texts::text(keys[0]);
    return Texts::text(keys[int((c + 22.5) / 45)]);
}

QString DisplayFormat::weekString(int day)
{
    static const char *const keys[] = {"gui_sunday", "gui_monday", "gui_tuesday",
                                       "gui_wednesday", "gui_thursday", "gui_friday",
                                       "gui_saturday"};
    if (day < 0 || day > 6)
        return QStringLiteral("???");
    return Texts::text(keys[day]);
}

QString DisplayFormat::eventTypeString(int code)
{
    const char *key = event_type_key(code);
    return key && *key ? Texts::text(key) : QString();
}

QString DisplayFormat::durationString(quint64 seconds)
{
    if (seconds > 59)
        return QString::number(seconds / 60) + QLatin1Char(' ') + Texts::text("gui_minute");
    return QString::number(seconds) + QLatin1Char(' ') + Texts::text("gui_second");
}
