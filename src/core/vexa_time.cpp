#include "vexa_time.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date with month 1..12.
int64_t days_from_civil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(int64_t z, int64_t &y, int &m, int &d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

int64_t floor_div(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Like timegm: month carries into the year, everything else is plain arithmetic.
int64_t civil_seconds(int64_t year, int64_t month, int64_t day, int64_t hour, int64_t minute, int64_t second)
{
    const int64_t m0 = month - 1;
    year += floor_div(m0, 12);
    const int64_t m = m0 - floor_div(m0, 12) * 12 + 1;
    const int64_t days = days_from_civil(year, m, 1) + day - 1;
    return days * 86400 + hour * 3600 + minute * 60 + second;
}

// Degrees and minutes of a valid position fit a byte; garbage must not overflow the cast.
uint8_t to_byte(double v)
{
    return v >= 0 && v <= 255 ? uint8_t(v) : 0;
}

float to_f32(double v)
{
    return float(std::clamp(v, -double(FLT_MAX), double(FLT_MAX)));
}

int weekday_from_days(int64_t days)
{
    const int64_t w = (days + 4) % 7;  // 1970-01-01 was a Thursday
    return int(w < 0 ? w + 7 : w);
}

} // namespace

int64_t time_to_seconds(const _vexa_time_t &t)
{
    return civil_seconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

int64_t time_to_msec(const _vexa_time_t &t)
{
    return time_to_seconds(t) * 1000 + t.millisecond;
}

int64_t time_diff_msec(const _vexa_time_t &a, const _vexa_time_t &b)
{
    return (time_to_seconds(b) - time_to_seconds(a)) * 1000 + int64_t(b.millisecond) - int64_t(a.millisecond);
}

_vexa_time_t seconds_to_time(int64_t seconds)
{
    const int64_t days = floor_div(seconds, 86400);
    const int64_t rest = seconds - days * 86400;
    int64_t y;
    int m, d;
    civil_from_days(days, y, m, d);
    _vexa_time_t t{};
    t.year = uint16_t(y);
    t.month = uint16_t(m);
    t.day = uint16_t(d);
    t.day_of_week = uint16_t(weekday_from_days(days));
    t.hour = uint16_t(rest / 3600);
    t.minute = uint16_t(rest / 60 % 60);
    t.second = uint16_t(rest % 60);
    return t;
}

_vexa_time_t msec_to_time(int64_t msec)
{
    const int64_t seconds = msec / 1000;
    _vexa_time_t t = seconds_to_time(seconds);
    t.millisecond = uint16_t(msec - seconds * 1000);
    return t;
}

int64_t now_msec()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

_vexa_time_t utc_to_local(const _vexa_time_t &t)
{
    const time_t s = time_t(time_to_seconds(t));
    tm lt{};
    _vexa_time_t out{};
    if (!localtime_r(&s, &lt))
        return t;
    out.year = uint16_t(lt.tm_year + 1900);
    out.month = uint16_t(lt.tm_mon + 1);
    out.day_of_week = uint16_t(lt.tm_wday);
    out.day = uint16_t(lt.tm_mday);
    out.hour = uint16_t(lt.tm_hour);
    out.minute = uint16_t(lt.tm_min);
    out.second = uint16_t(lt.tm_sec);
    out.millisecond = t.millisecond;
    return out;
}

int weekday_of_date(int year, int month, int day)
{
    return weekday_from_days(floor_div(civil_seconds(year, month, day, 0, 0, 0), 86400));
}

_vexa_dms_t nmea_to_dms(double v)
{
    const double a = std::fabs(v);
    const double degrees = std::trunc(a / 100);
    const double minutes = std::trunc(a - degrees * 100);
    _vexa_dms_t r{};
    r.degrees = to_byte(degrees);
    r.minutes = to_byte(minutes);
    r.seconds = to_f32((a - (degrees * 100 + minutes)) * 60);
    return r;
}

bool has_position_fix(uint8_t gps_valid, double nmea_latitude, double nmea_longitude)
{
    if (!gps_valid || !std::isfinite(nmea_latitude) || !std::isfinite(nmea_longitude))
        return false;
    const double lat = nmea_to_degrees(nmea_latitude);
    const double lon = nmea_to_degrees(nmea_longitude);
    return std::isfinite(lat) && std::isfinite(lon) && std::fabs(lat) <= 90.0 && std::fabs(lon) <= 180.0;
}

double nmea_to_degrees(double v)
{
    const double a = std::fabs(v);
    const double degrees = std::trunc(a / 100);
    const double minutes = std::trunc(a - degrees * 100);
    const float seconds = to_f32((a - (degrees * 100 + minutes)) * 60);
    const double r = degrees + (minutes + double(seconds) / 60) / 60;
    return v < 0 ? -r : r;
}

double distance_m(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double rad = 0.017453292519943295;
    constexpr double one_minus_f = 0.996647189;
    constexpr double b = 6356752.314;
    constexpr double a2_minus_b2 = 272331609224.64063;
    constexpr double b2 = 40408299981544.36;

    const double L = (lon1 - lon2) * rad;
    const double U1 = std::atan(one_minus_f * std::tan(lat1 * rad));
    const double U2 = std::atan(one_minus_f * std::tan(lat2 * rad));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
    const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);
    const double lambda = L;
    const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);

    const double p = cosU2 * sinLambda;
    const double q = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
    const double sinSigma = std::sqrt(p * p + q * q);
    if (sinSigma == 0)
        return 0;  // coincident points
    const double cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
    // The two-argument form: the plain arctangent turns arcs beyond 90 degrees negative.
    const double sigma = std::atan2(sinSigma, cosSigma);
    // Rounding can push the ratio just past 1 on the equator; asin would give NaN.
    const double sinAlpha = std::clamp(cosU1 * cosU2 * sinLambda / sinSigma, -1.0, 1.0);
    const double cosAlpha = std::cos(std::asin(sinAlpha));
    const double cos2Alpha = cosAlpha * cosAlpha;
    const double cos2SigmaM = cos2Alpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cos2Alpha : 0;
    const double u2 = cos2Alpha * a2_minus_b2 / b2;
    const double A = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double B = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
    const double deltaSigma = B * sinSigma
        * (cos2SigmaM + B / 4 * (cosSigma * (2 * cos2SigmaM * cos2SigmaM - 1)
              - B / 6 * cos2SigmaM * (4 * sinSigma * sinSigma - 3) * (4 * cos2SigmaM * cos2SigmaM - 3)));
    return b * A * (sigma - deltaSigma);
}

int64_t sequence_from_path(const char *path)
{
    if (!path)
        return 0;
    const char *name = path;
    for (const char *p = path; *p; ++p)
        if (*p == '/' || *p == '\\')
            name = p + 1;
    int64_t n = 0;
    for (int i = 0; i < 10 && name[i] >= '0' && name[i] <= '9'; ++i)
        n = n * 10 + (name[i] - '0');
    return n;
}
