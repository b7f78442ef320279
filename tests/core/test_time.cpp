#include "TestFiles.h"
#include "vexa_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

namespace {

_vexa_time_t utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    _vexa_time_t t{};
    t.year = uint16_t(year);
    t.month = uint16_t(month);
    t.day = uint16_t(day);
    t.hour = uint16_t(hour);
    t.minute = uint16_t(minute);
    t.second = uint16_t(second);
    t.millisecond = uint16_t(ms);
    return t;
}

// Sets TZ for one test and restores the previous zone afterwards.
class ZoneGuard {
public:
    explicit ZoneGuard(const char *zone)
    {
        if (const char *old = std::getenv("TZ")) {
            had_ = true;
            old_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneGuard()
    {
        if (had_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool had_ = false;
    std::string old_;
};

double dms_degrees(double d, double m, double s)
{
    return d + m / 60 + s / 3600;
}

} // namespace

TEST(TimeConversion, KnownInstants)
{
    EXPECT_EQ(time_to_seconds(utc(1970, 1, 1)), 0);
    EXPECT_EQ(time_to_seconds(utc(2000, 3, 1)), 951868800);
    EXPECT_EQ(time_to_seconds(utc(2024, 2, 29, 12, 34, 56)), 1709210096);
    // Milliseconds and the weekday play no part in the seconds.
    _vexa_time_t t = utc(2024, 2, 29, 12, 34, 56, 999);
    t.day_of_week = 6;
    EXPECT_EQ(time_to_seconds(t), 1709210096);
    EXPECT_EQ(time_to_msec(t), 1709210096999);
}

TEST(TimeConversion, OutOfRangeFieldsCarryOver)
{
    EXPECT_EQ(time_to_seconds(utc(2023, 2, 30)), time_to_seconds(utc(2023, 3, 2)));
    EXPECT_EQ(time_to_seconds(utc(2024, 2, 30)), time_to_seconds(utc(2024, 3, 1)));
    EXPECT_EQ(time_to_seconds(utc(2023, 13, 1)), time_to_seconds(utc(2024, 1, 1)));
    EXPECT_EQ(time_to_seconds(utc(2024, 1, 1, 24, 0, 0)), time_to_seconds(utc(2024, 1, 2)));
    EXPECT_EQ(time_to_seconds(utc(2024, 1, 1, 0, 0, 60)), time_to_seconds(utc(2024, 1, 1, 0, 1, 0)));
    // Day 0 and month 0 step backwards, as a calendar conversion does.
    EXPECT_EQ(time_to_seconds(utc(2024, 3, 0)), time_to_seconds(utc(2024, 2, 29)));
    EXPECT_EQ(time_to_seconds(utc(2024, 0, 1)), time_to_seconds(utc(2023, 12, 1)));
}

TEST(TimeConversion, DiffCountsWholeDaysAcrossMidnight)
{
    EXPECT_EQ(time_diff_msec(utc(2024, 12, 31, 23, 59, 59, 900), utc(2025, 1, 1, 0, 0, 0, 100)), 200);
    EXPECT_EQ(time_diff_msec(utc(2025, 1, 1, 0, 0, 0, 100), utc(2024, 12, 31, 23, 59, 59, 900)), -200);
    EXPECT_EQ(time_diff_msec(utc(2024, 2, 28), utc(2024, 3, 1)), 2 * 86400 * 1000);
}

TEST(TimeConversion, SecondsToTimeRoundTripsWithWeekday)
{
    EXPECT_EQ(timeText(seconds_to_time(1709210096)), "2024-02-29 12:34:56.000 w4");  // Thursday
    EXPECT_EQ(timeText(seconds_to_time(-1)), "1969-12-31 23:59:59.000 w3");
    for (int64_t s = 946684800; s < 946684800 + 3 * 366 * 86400; s += 86400 + 3607)
        ASSERT_EQ(time_to_seconds(seconds_to_time(s)), s);
}

TEST(TimeConversion, MillisecondsSplit)
{
    EXPECT_EQ(timeText(msec_to_time(1709210096123)), "2024-02-29 12:34:56.123 w4");
    EXPECT_EQ(time_to_msec(msec_to_time(1709210096123)), 1709210096123);
}

TEST(TimeConversion, WeekdayOfDate)
{
    EXPECT_EQ(weekday_of_date(1970, 1, 1), 4);
    EXPECT_EQ(weekday_of_date(2025, 1, 1), 3);
    EXPECT_EQ(weekday_of_date(2023, 2, 30), weekday_of_date(2023, 3, 2));
}

TEST(TimeConversion, NowIsTheWallClockInMilliseconds)
{
    const int64_t before = int64_t(std::time(nullptr));
    const int64_t now = now_msec();
    const int64_t after = int64_t(std::time(nullptr));
    EXPECT_GE(now / 1000, before);
    EXPECT_LE(now / 1000, after);
}

TEST(LocalTime, FollowsTheZoneAndDaylightSaving)
{
    ZoneGuard zone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(timeText(utc_to_local(utc(2024, 1, 15, 12, 0, 0, 250))), "2024-01-15 13:00:00.250 w1");
    EXPECT_EQ(timeText(utc_to_local(utc(2024, 7, 15, 12, 0, 0))), "2024-07-15 14:00:00.000 w1");
    EXPECT_EQ(timeText(utc_to_local(utc(2024, 12, 31, 23, 30, 0))), "2025-01-01 00:30:00.000 w3");
}

TEST(LocalTime, WestOfGreenwichGoesBackADay)
{
    ZoneGuard zone("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(timeText(utc_to_local(utc(2024, 1, 1, 3, 0, 0))), "2023-12-31 22:00:00.000 w0");
}

TEST(LocalTime, UtcZoneKeepsTheFields)
{
    ZoneGuard zone("UTC0");
    EXPECT_EQ(timeText(utc_to_local(utc(2024, 2, 29, 12, 34, 56, 7))), "2024-02-29 12:34:56.007 w4");
}

TEST(Coordinates, NmeaToDegreesAndDms)
{
    EXPECT_DOUBLE_EQ(nmea_to_degrees(12915.0), 129.25);
    const _vexa_dms_t lon = nmea_to_dms(12915.0);
    EXPECT_EQ(lon.degrees, 129);
    EXPECT_EQ(lon.minutes, 15);
    EXPECT_FLOAT_EQ(lon.seconds, 0.0f);

    const _vexa_dms_t lat = nmea_to_dms(3731.5);
    EXPECT_EQ(lat.degrees, 37);
    EXPECT_EQ(lat.minutes, 31);
    EXPECT_NEAR(lat.seconds, 30.0f, 1e-3);

    EXPECT_NEAR(nmea_to_degrees(-12658.2), -(126 + (58 + 12.0 / 60) / 60), 1e-6);
    // The hemisphere sign is dropped from the DMS form.
    EXPECT_EQ(nmea_to_dms(-3731.5).degrees, 37);
}

TEST(Coordinates, GarbageValuesStayInRange)
{
    const _vexa_dms_t huge = nmea_to_dms(1e12);
    EXPECT_EQ(huge.degrees, 0);
    const _vexa_dms_t nan = nmea_to_dms(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(nan.degrees, 0);
    EXPECT_EQ(nan.minutes, 0);
    EXPECT_TRUE(std::isfinite(nmea_to_degrees(1e300)));
}

TEST(Distance, VincentyMatchesAKnownGeodesic)
{
    // Flinders Peak to Buninyong (Victoria, Australia): 54,972.271 m on WGS-84.
    const double lat1 = -dms_degrees(37, 57, 3.72030), lon1 = dms_degrees(144, 25, 29.52440);
    const double lat2 = -dms_degrees(37, 39, 10.15610), lon2 = dms_degrees(143, 55, 35.38390);
    const double d = distance_m(lat1, lon1, lat2, lon2);
    EXPECT_NEAR(d, 54972.271, 54972.271 * 0.005);
    EXPECT_NEAR(distance_m(lat2, lon2, lat1, lon1), d, 1e-6 * d);
}

TEST(Distance, ShortHopsAndSpecialCases)
{
    EXPECT_EQ(distance_m(48.1, 11.5, 48.1, 11.5), 0.0);
    EXPECT_EQ(distance_m(0, 0, 0, 0), 0.0);
    // One minute of latitude is about 1,853 m at 45 degrees.
    EXPECT_NEAR(distance_m(45.0, 7.0, 45.0 + 1.0 / 60, 7.0), 1852.3, 2.0);
    // Along and near the equator the azimuth ratio reaches 1; rounding must not turn it into NaN.
    // Without iterating the longitude the single pass comes out short by the flattening there.
    for (double lat : {0.0, 1e-9, -3e-7}) {
        for (double lon = 0.001; lon < 2; lon *= 3) {
            const double d = distance_m(lat, 0, lat, lon);
            ASSERT_TRUE(std::isfinite(d)) << lat << " " << lon;
            EXPECT_NEAR(d, 111319.49 * lon, 111319.49 * lon * 0.005);
        }
    }
}

TEST(Distance, LongArcsStayPositive)
{
    // A GPS jump across the globe must add distance, never subtract it.
    EXPECT_NEAR(distance_m(0, 0, 0, 120), 111319.49 * 120, 111319.49 * 120 * 0.005);
    const double munichSydney = distance_m(48.14, 11.58, -33.87, 151.21);
    EXPECT_GT(munichSydney, 16.0e6);
    EXPECT_LT(munichSydney, 16.6e6);
}

TEST(SequenceNumber, LeadingDigitsOfTheFileName)
{
    EXPECT_EQ(sequence_from_path("/card/log/0000012345.log"), 12345);
    EXPECT_EQ(sequence_from_path("/card/log/A0000012345.log"), 0);
    EXPECT_EQ(sequence_from_path("C:\\card\\12345678901234.vdd"), 1234567890);
    EXPECT_EQ(sequence_from_path("/12ab.log"), 12);
    EXPECT_EQ(sequence_from_path("/dir123/"), 0);
    EXPECT_EQ(sequence_from_path(nullptr), 0);
}
