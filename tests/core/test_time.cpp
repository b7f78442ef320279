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
    return {uint16_t(year), uint16_t(month), 0,           uint16_t(day),
            uint16_t(hour), uint16_t(minute), uint16_t(second), uint16_t(ms)};
}

// The local time of t in zone, the previous zone restored afterwards.
std::string localText(const char *zone, const _vexa_time_t &t)
{
    const char *old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", zone, 1);
    tzset();
    const std::string text = timeText(utc_to_local(t));
    old ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
    return text;
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

// Out-of-range fields carry over; day 0 and month 0 step backwards, as a calendar conversion does.
TEST(TimeConversion, OutOfRangeFieldsCarryOver)
{
    const std::pair<_vexa_time_t, _vexa_time_t> cases[] = {
        {utc(2023, 2, 30), utc(2023, 3, 2)},          {utc(2024, 2, 30), utc(2024, 3, 1)},
        {utc(2023, 13, 1), utc(2024, 1, 1)},          {utc(2024, 1, 1, 24), utc(2024, 1, 2)},
        {utc(2024, 1, 1, 0, 0, 60), utc(2024, 1, 1, 0, 1)}, {utc(2024, 3, 0), utc(2024, 2, 29)},
        {utc(2024, 0, 1), utc(2023, 12, 1)}};
    for (const auto &[odd, plain] : cases)
        EXPECT_EQ(time_to_seconds(odd), time_to_seconds(plain)) << timeText(odd);
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

TEST(TimeConversion, MillisecondsAndWeekdays)
{
    EXPECT_EQ(timeText(msec_to_time(1709210096123)), "2024-02-29 12:34:56.123 w4");
    EXPECT_EQ(time_to_msec(msec_to_time(1709210096123)), 1709210096123);
    EXPECT_EQ(weekday_of_date(1970, 1, 1), 4);
    EXPECT_EQ(weekday_of_date(2025, 1, 1), 3);
    EXPECT_EQ(weekday_of_date(2023, 2, 30), weekday_of_date(2023, 3, 2));
}

// Daylight saving, a day back west of Greenwich, the fields kept in UTC.
TEST(LocalTime, FollowsTheZone)
{
    const char *cet = "CET-1CEST,M3.5.0,M10.5.0/3";
    EXPECT_EQ(localText(cet, utc(2024, 1, 15, 12, 0, 0, 250)), "2024-01-15 13:00:00.250 w1");
    EXPECT_EQ(localText(cet, utc(2024, 7, 15, 12)), "2024-07-15 14:00:00.000 w1");
    EXPECT_EQ(localText(cet, utc(2024, 12, 31, 23, 30)), "2025-01-01 00:30:00.000 w3");
    EXPECT_EQ(localText("EST5EDT,M3.2.0,M11.1.0", utc(2024, 1, 1, 3)), "2023-12-31 22:00:00.000 w0");
    EXPECT_EQ(localText("UTC0", utc(2024, 2, 29, 12, 34, 56, 7)), "2024-02-29 12:34:56.007 w4");
}

TEST(Coordinates, NmeaToDegreesAndDms)
{
    EXPECT_DOUBLE_EQ(nmea_to_degrees(12915.0), 129.25);
    EXPECT_EQ(nmea_to_dms(12915.0).degrees, 129);
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
    EXPECT_EQ(nmea_to_dms(1e12).degrees, 0);
    const _vexa_dms_t nan = nmea_to_dms(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(nan.degrees + nan.minutes, 0);
    EXPECT_TRUE(std::isfinite(nmea_to_degrees(1e300)));
}

TEST(Distance, VincentyMatchesAKnownGeodesic)
{
    // Flinders Peak to Buninyong (Victoria, Australia): 54,972.271 m on WGS-84.
    const double lat1 = -(37 + 57 / 60.0 + 3.72030 / 3600), lon1 = 144 + 25 / 60.0 + 29.52440 / 3600;
    const double lat2 = -(37 + 39 / 60.0 + 10.15610 / 3600), lon2 = 143 + 55 / 60.0 + 35.38390 / 3600;
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

// A GPS jump across the globe must add distance, never subtract it.
TEST(Distance, LongArcsStayPositive)
{
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
